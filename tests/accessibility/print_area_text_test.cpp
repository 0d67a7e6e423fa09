// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads of a print area through Qt's text interface, the
// interface Qt's AT-SPI bridge hands to Orca: the text, its lines, where each
// character is drawn, the caret the arrow keys move and the focus frame.

#include "program_fixture.h"

#include "print_area.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QVBoxLayout>

namespace radixon::testing {
namespace {

QAccessibleTextInterface* textOf(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->textInterface() : nullptr;
}

struct Piece {
    QString text;
    int start;
    int end;
    bool operator==(const Piece&) const = default;
};

void PrintTo(const Piece& piece, std::ostream* out)
{
    *out << '"' << piece.text.toStdString() << "\" [" << piece.start << ", " << piece.end << ')';
}

enum class Where { Before, At, After };

Piece piece(QAccessibleTextInterface* text, Where where, int offset, QAccessible::TextBoundaryType boundary)
{
    Piece found{{}, -7, -7};
    switch (where) {
    case Where::Before:
        found.text = text->textBeforeOffset(offset, boundary, &found.start, &found.end);
        break;
    case Where::At:
        found.text = text->textAtOffset(offset, boundary, &found.start, &found.end);
        break;
    case Where::After:
        found.text = text->textAfterOffset(offset, boundary, &found.start, &found.end);
        break;
    }
    return found;
}

// A window of one print area and one button to take the focus from it.
class OnePrintArea : public ::testing::Test {
protected:
    OnePrintArea()
    {
        auto* layout = new QVBoxLayout(&window);
        area = new PrintArea(&window);
        area->setFocusPolicy(Qt::TabFocus);
        area->setMinimumSize(400, 200);
        button = new QPushButton(QStringLiteral("OK"), &window);
        layout->addWidget(area);
        layout->addWidget(button);
        window.move(30, 40);
        window.show();
        window.activateWindow();
        QApplication::processEvents();
    }

    void printLines(const QStringList& lines)
    {
        for (const QString& line : lines)
            area->print({PrintItem::text(line)});
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    }

    QWidget window;
    PrintArea* area = nullptr;
    QPushButton* button = nullptr;
};

TEST_F(OnePrintArea, IsAReadOnlyMultiLineTextWithThePrintedTextAsTextAndValue)
{
    printLines({QStringLiteral("ab"), QString(), QStringLiteral("Ответ: 12 ")});
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(area);
    ASSERT_NE(accessible, nullptr);
    QAccessibleTextInterface* text = accessible->textInterface();
    ASSERT_NE(text, nullptr) << "no text interface: AT-SPI would carry no text";

    const QString printed = QStringLiteral("ab\n\nОтвет: 12 ");
    EXPECT_EQ(text->characterCount(), printed.size());
    EXPECT_EQ(text->text(0, text->characterCount()), printed);
    EXPECT_EQ(text->text(1, 5), QStringLiteral("b\n\nО"));
    EXPECT_EQ(text->text(8, 100), QStringLiteral("т: 12 "));
    EXPECT_EQ(accessible->text(QAccessible::Value), printed);

    EXPECT_EQ(accessible->role(), QAccessible::EditableText);
    const QAccessible::State state = accessible->state();
    EXPECT_TRUE(state.readOnly);
    EXPECT_TRUE(state.multiLine);
    EXPECT_FALSE(state.editable);
    EXPECT_TRUE(state.focusable);
    EXPECT_EQ(accessible->editableTextInterface(), nullptr);
}

TEST_F(OnePrintArea, GivesTheLineAtBeforeAndAfterEveryOffsetWithItsBreak)
{
    printLines({QStringLiteral("ab"), QString(), QStringLiteral("cd")});
    QAccessibleTextInterface* text = textOf(area);
    ASSERT_NE(text, nullptr);
    const Piece first{QStringLiteral("ab\n"), 0, 3};
    const Piece blank{QStringLiteral("\n"), 3, 4};
    const Piece last{QStringLiteral("cd"), 4, 6};
    const Piece noneBefore{QString(), 0, 0};
    const Piece noneAfter{QString(), 6, 6};
    struct Row {
        int offset;
        Piece before, at, after;
    };
    const Row rows[] = {
        {0, noneBefore, first, blank}, {1, noneBefore, first, blank}, {2, noneBefore, first, blank},
        {3, first, blank, last},       {4, blank, last, noneAfter},   {5, blank, last, noneAfter},
        {6, blank, last, noneAfter},
    };
    for (QAccessible::TextBoundaryType boundary : {QAccessible::LineBoundary, QAccessible::ParagraphBoundary}) {
        for (const Row& row : rows) {
            SCOPED_TRACE("offset " + std::to_string(row.offset) + ", boundary " + std::to_string(boundary));
            EXPECT_EQ(piece(text, Where::Before, row.offset, boundary), row.before);
            EXPECT_EQ(piece(text, Where::At, row.offset, boundary), row.at);
            EXPECT_EQ(piece(text, Where::After, row.offset, boundary), row.after);
        }
    }
    // -1 stands for the end of the text; an offset outside it is an error.
    EXPECT_EQ(piece(text, Where::At, -1, QAccessible::LineBoundary), last);
    const Piece error{QString(), -1, -1};
    for (int offset : {-5, 7}) {
        SCOPED_TRACE(offset);
        EXPECT_EQ(piece(text, Where::At, offset, QAccessible::LineBoundary), error);
        EXPECT_EQ(piece(text, Where::Before, offset, QAccessible::LineBoundary), error);
        EXPECT_EQ(piece(text, Where::After, offset, QAccessible::LineBoundary), error);
    }
}

TEST_F(OnePrintArea, ReadsTheBlankLinesOfAPageAsTheyArePrinted)
{
    const QStringList page{QStringLiteral("  Заголовок  "), QString(), QStringLiteral("   "),
                           QStringLiteral(" 1. Пункт ")};
    printLines(page);
    QAccessibleTextInterface* text = textOf(area);
    ASSERT_NE(text, nullptr);
    // Line by line as Orca reads it: each line from the start of the next.
    QStringList read;
    int offset = 0;
    for (int guard = 0; guard < 10; ++guard) {
        const Piece line = piece(text, Where::At, offset, QAccessible::LineBoundary);
        read << (line.text.endsWith(u'\n') ? line.text.chopped(1) : line.text);
        if (line.end >= text->characterCount())
            break;
        offset = line.end;
    }
    EXPECT_EQ(read, page);
}

TEST_F(OnePrintArea, LeavesCharactersWordsAndSentencesToQtsBoundaries)
{
    printLines({QStringLiteral("Ответ: 12 ед."), QStringLiteral("Ещё")});
    QAccessibleTextInterface* text = textOf(area);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(piece(text, Where::At, 1, QAccessible::CharBoundary), (Piece{QStringLiteral("т"), 1, 2}));
    EXPECT_EQ(piece(text, Where::After, 1, QAccessible::CharBoundary), (Piece{QStringLiteral("в"), 2, 3}));
    EXPECT_EQ(piece(text, Where::Before, 1, QAccessible::CharBoundary), (Piece{QStringLiteral("О"), 0, 1}));
    EXPECT_EQ(piece(text, Where::At, 2, QAccessible::WordBoundary), (Piece{QStringLiteral("Ответ"), 0, 5}));
    EXPECT_EQ(piece(text, Where::At, 8, QAccessible::WordBoundary), (Piece{QStringLiteral("12"), 7, 9}));
    EXPECT_EQ(piece(text, Where::At, 0, QAccessible::NoBoundary).text, QStringLiteral("Ответ: 12 ед.\nЕщё"));
}

TEST_F(OnePrintArea, AnEmptyAreaHasOneEmptyLine)
{
    QAccessibleTextInterface* text = textOf(area);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 0);
    EXPECT_EQ(text->text(0, 0), QString());
    EXPECT_EQ(piece(text, Where::At, 0, QAccessible::LineBoundary), (Piece{QString(), 0, 0}));
    EXPECT_EQ(piece(text, Where::After, 0, QAccessible::LineBoundary), (Piece{QString(), 0, 0}));
    EXPECT_EQ(text->offsetAtPoint(area->mapToGlobal(QPoint(2, 2))), -1);
}

TEST_F(OnePrintArea, PlacesEachCharacterWhereItIsPaintedAndFindsItAgainThere)
{
    const QStringList lines{QStringLiteral("45  :   2 = 22"), QString(), QStringLiteral("ОТВЕТ: 101101")};
    printLines(lines);
    QAccessibleTextInterface* text = textOf(area);
    ASSERT_NE(text, nullptr);
    const QFontMetrics metrics(area->font());
    int offset = 0;
    for (int row = 0; row < lines.size(); ++row) {
        const QString& line = lines[row];
        for (int column = 0; column <= line.size(); ++column, ++offset) {
            SCOPED_TRACE("line " + std::to_string(row) + ", column " + std::to_string(column));
            const QRect rect = text->characterRect(offset);
            const QPoint origin =
                area->mapToGlobal(QPoint(metrics.horizontalAdvance(line.left(column)), row * metrics.lineSpacing()));
            EXPECT_EQ(rect.topLeft(), origin);
            EXPECT_EQ(rect.height(), metrics.height());
            if (column == line.size()) {
                EXPECT_EQ(rect.width(), 0) << "the line break takes no room";
                continue;
            }
            EXPECT_EQ(rect.width(),
                      metrics.horizontalAdvance(line.left(column + 1)) - metrics.horizontalAdvance(line.left(column)));
            EXPECT_EQ(text->offsetAtPoint(rect.center()), offset);
        }
    }
    EXPECT_EQ(text->characterRect(offset), QRect()) << "past the end";
    // Right of a line's end, below the last line, left of the area: no character.
    EXPECT_EQ(text->offsetAtPoint(area->mapToGlobal(QPoint(metrics.horizontalAdvance(lines[0]) + 3, 2))), -1);
    EXPECT_EQ(text->offsetAtPoint(area->mapToGlobal(QPoint(2, 3 * metrics.lineSpacing() + 1))), -1);
    EXPECT_EQ(text->offsetAtPoint(area->mapToGlobal(QPoint(-2, 2))), -1);
}

TEST_F(OnePrintArea, ReportsNoSelectionAndMakesNone)
{
    printLines({QStringLiteral("abc")});
    QAccessibleTextInterface* text = textOf(area);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->selectionCount(), 0);
    text->addSelection(0, 2);
    text->setSelection(0, 1, 3);
    EXPECT_EQ(text->selectionCount(), 0);
    int start = -7;
    int end = -7;
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
    int attributesStart = -7;
    int attributesEnd = -7;
    EXPECT_EQ(text->attributes(1, &attributesStart, &attributesEnd), QString());
    EXPECT_EQ(attributesStart, 0);
    EXPECT_EQ(attributesEnd, 3);
}

TEST_F(OnePrintArea, KeepsTheCaretInsideTheTextAndStartsItAgainOnCls)
{
    printLines({QStringLiteral("ab"), QStringLiteral("cd")});
    QAccessibleTextInterface* text = textOf(area);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->cursorPosition(), 0);
    text->setCursorPosition(4);
    EXPECT_EQ(text->cursorPosition(), 4);
    EXPECT_EQ(area->caret(), 4);
    // -2 stands for the caret.
    EXPECT_EQ(piece(text, Where::At, -2, QAccessible::LineBoundary), (Piece{QStringLiteral("cd"), 3, 5}));
    text->setCursorPosition(99);
    EXPECT_EQ(text->cursorPosition(), 5);
    text->setCursorPosition(-3);
    EXPECT_EQ(text->cursorPosition(), 0);
    text->setCursorPosition(2);
    area->print({PrintItem::text("ef")});
    EXPECT_EQ(text->cursorPosition(), 2) << "a print adds at the end, after the caret";
    area->cls();
    EXPECT_EQ(text->cursorPosition(), 0);
    // A new page starts it on its first line with something on it.
    area->setPage(PrintModel::ofLines({QString(), QStringLiteral("  "), QStringLiteral("gh")}));
    EXPECT_EQ(text->cursorPosition(), 4);
    area->setPage(PrintModel::ofLines({QString(), QStringLiteral(" ")}));
    EXPECT_EQ(text->cursorPosition(), 2) << "a page of blanks only: at its end";
}

TEST_F(OnePrintArea, MovesTheCaretWithTheArrowHomeAndEndKeysWhileFocused)
{
    printLines({QStringLiteral("abcd"), QStringLiteral("ef"), QString(), QStringLiteral("ghijk")});
    // Offsets: "abcd" 0-4, "ef" 5-7, "" 8, "ghijk" 9-14.
    area->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(area->hasFocus()) << "the window did not take the focus";
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        int caret;
    };
    const Step steps[] = {
        {Qt::Key_Right, Qt::NoModifier, 1},     {Qt::Key_Right, Qt::NoModifier, 2},
        {Qt::Key_Right, Qt::NoModifier, 3},     {Qt::Key_Down, Qt::NoModifier, 7},  // "ef" is shorter
        {Qt::Key_Down, Qt::NoModifier, 8},      {Qt::Key_Down, Qt::NoModifier, 9},
        {Qt::Key_Down, Qt::NoModifier, 9},      {Qt::Key_End, Qt::NoModifier, 14},
        {Qt::Key_Right, Qt::NoModifier, 14},    {Qt::Key_Up, Qt::NoModifier, 8},
        {Qt::Key_Up, Qt::NoModifier, 5},        {Qt::Key_Left, Qt::NoModifier, 4},
        {Qt::Key_Home, Qt::NoModifier, 0},      {Qt::Key_Up, Qt::NoModifier, 0},
        {Qt::Key_Left, Qt::NoModifier, 0},      {Qt::Key_End, Qt::ControlModifier, 14},
        {Qt::Key_Home, Qt::ControlModifier, 0}, {Qt::Key_Down, Qt::KeypadModifier, 5},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE("key " + QKeySequence(int(step.modifiers) | int(step.key)).toString().toStdString());
        press(step.key, step.modifiers);
        EXPECT_EQ(area->caret(), step.caret);
    }
}

TEST_F(OnePrintArea, LeavesTheCaretAloneWhenAnotherControlHasTheFocus)
{
    printLines({QStringLiteral("ab"), QStringLiteral("cd")});
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    // A key the focused control leaves goes on to its parents; one sent to the
    // area itself while it has no focus is not its own either.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(area, &down);
    EXPECT_FALSE(down.isAccepted());
    EXPECT_EQ(area->caret(), 0);
    // Keys the area does not read with go on to its parent.
    area->setFocus(Qt::TabFocusReason);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(area, &letter);
    EXPECT_FALSE(letter.isAccepted());
    QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Down, Qt::AltModifier);
    QApplication::sendEvent(area, &altDown);
    EXPECT_FALSE(altDown.isAccepted());
    EXPECT_EQ(area->caret(), 0);
}

TEST_F(OnePrintArea, DrawsAFocusFrameOnlyWhileItHasTheFocus)
{
    for (const bool printed : {false, true}) {
        SCOPED_TRACE(printed ? "with text" : "empty");
        if (printed)
            printLines({QStringLiteral("ОТВЕТ: 101")});
        button->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        const QImage unfocused = area->grab().toImage();

        area->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(area->hasFocus());
        QApplication::processEvents();
        const QImage focused = area->grab().toImage();
        EXPECT_NE(focused, unfocused) << "no focus frame";
        // The frame runs along the edges: the middle of a line stays as it was.
        const QRect inside = area->rect().adjusted(3, 3, -3, -3);
        EXPECT_EQ(focused.copy(inside), unfocused.copy(inside));

        button->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(area->grab().toImage(), unfocused) << "the frame stays after the focus has left";
    }
}

// The tutor's own print areas.
class TutorPrintAreas : public ProgramFixture {};

TEST_F(TutorPrintAreas, MainWindowPageIsReadLineByLineAndReachedByTab)
{
    trigger(FormId::Form1, "Инструкци");
    PrintArea* page = printArea(FormId::Form1);
    ASSERT_NE(page, nullptr);
    QAccessibleTextInterface* text = textOf(page);
    ASSERT_NE(text, nullptr);
    const QStringList lines = page->model().lines();
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(text->text(0, text->characterCount()), lines.join(u'\n'));
    int offset = 0;
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        const Piece read = piece(text, Where::At, offset, QAccessible::LineBoundary);
        EXPECT_EQ(read.text, &line == &lines.last() ? line : line + u'\n');
        offset = read.end;
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(page)->state().focusable);
    EXPECT_TRUE(page->focusPolicy() & Qt::TabFocus);
}

TEST_F(TutorPrintAreas, ResultPageIsATextReachedByTab)
{
    click(FormId::Form1, "TESTIROVAN");
    click(FormId::Form4, "Command3");
    click(FormId::Form4, "Command2");
    PrintArea* result = printArea(FormId::Form4);
    ASSERT_NE(result, nullptr);
    QAccessibleTextInterface* text = textOf(result);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), result->model().lines().join(u'\n'));
    EXPECT_TRUE(text->text(0, text->characterCount()).contains(QStringLiteral("возможных баллов")));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(result)->state().focusable);
}

}  // namespace
}  // namespace radixon::testing
