// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader gets: the names of every control, the menu items, the
// printed text of the print areas and the buttons of the real dialogs.

#include "program_fixture.h"

#include "print_area.h"
#include "qt_dialogs.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <limits>
#include <utility>

namespace radixon::testing {
namespace {

QString accessibleName(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// Names and roles of an accessible tree, depth first.
void collect(QAccessibleInterface* node, QAccessible::Role role, QStringList& names)
{
    if (!node)
        return;
    if (node->role() == role)
        names << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), role, names);
}

class ScreenReader : public ProgramFixture {
protected:
    // Opens all four windows, with a task on each working window so that every
    // label has its text.
    void openEveryWindow()
    {
        click(FormId::Form1, "PEREVOD_V10");
        click(FormId::Form3, "Назад");
        click(FormId::Form1, "Далее");
        click(FormId::Form2, "Выход");
        click(FormId::Form1, "TESTIROVAN");
        click(FormId::Form4, "Command3");
        click(FormId::Form4, "Ввод_числа");
    }
};

struct NamedBox {
    FormId form;
    const char* box;
    const char* name;
};

const NamedBox boxes[] = {
    {FormId::Form1, "Text1", "Ваша фамилия"},  {FormId::Form2, "Text2", "Основание системы счисления"},
    {FormId::Form2, "Text1", "Задайте число"}, {FormId::Form3, "Text2", "Основание системы счисления"},
    {FormId::Form3, "Text1", "Задайте число"}, {FormId::Form4, "Text2", "Введите основание системы счисления"},
    {FormId::Form4, "Text1", "Задайте число"}, {FormId::Form4, "Text3", "Введите количество заданий"},
};

TEST_F(ScreenReader, NamesEachTextBoxAfterTheControlThatLabelsIt)
{
    openEveryWindow();
    for (const NamedBox& expected : boxes) {
        SCOPED_TRACE(std::string(expected.box) + " of " + form(expected.form).objectName().toStdString());
        EXPECT_EQ(accessibleName(textBox(expected.form, expected.box)), QString::fromUtf8(expected.name));
    }
    // The label and its box are tied together for assistive technology.
    EXPECT_EQ(label(FormId::Form1, "Label1")->buddy(), textBox(FormId::Form1, "Text1"));
}

// Orca reads a box's line by the text attribute runs that cover it: each run
// must cover the whole text, or the number is read short ("17" for "170").
// Where each letter is drawn, the reader finds it again; the selection it
// reports is the box's.
TEST_F(ScreenReader, GivesEachTextBoxItsWholeTextAsOneRunAndWhereEachLetterIs)
{
    openEveryWindow();
    for (const NamedBox& named : boxes) {
        QLineEdit* box = textBox(named.form, named.box);
        SCOPED_TRACE(std::string(named.box) + " of " + form(named.form).objectName().toStdString() + ": '" +
                     box->text().toStdString() + "'");
        box->show();
        box->setText(box->text().trimmed().isEmpty() ? QStringLiteral(" 170") : box->text());
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(box)->textInterface();
        ASSERT_NE(text, nullptr);
        const int length = static_cast<int>(box->text().size());
        ASSERT_EQ(text->characterCount(), length);
        int previousRight = std::numeric_limits<int>::min();
        for (int offset = 0; offset < length; ++offset) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            EXPECT_EQ(start, 0) << "at " << offset;
            EXPECT_EQ(end, length) << "at " << offset;
            const QRect letter = text->characterRect(offset);
            EXPECT_GE(letter.left(), previousRight) << "at " << offset;
            EXPECT_TRUE(QRect(box->mapToGlobal(QPoint(0, 0)), box->size()).contains(letter)) << "at " << offset;
            EXPECT_EQ(text->offsetAtPoint(QPoint(letter.left() + letter.width() / 4, letter.center().y())), offset);
            previousRight = letter.right() + 1;
        }
        box->setSelection(1, length - 1);
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        EXPECT_EQ(std::make_pair(start, end), std::make_pair(1, length)) << "the selection";
    }
}

TEST_F(ScreenReader, NamesEveryControlOfEveryWindow)
{
    openEveryWindow();
    for (FormId id : {FormId::Form1, FormId::Form2, FormId::Form3, FormId::Form4}) {
        Form& window = form(id);
        SCOPED_TRACE(window.objectName().toStdString());
        EXPECT_FALSE(accessibleName(&window).trimmed().isEmpty()) << "the window has no name";
        int controls = 0;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                                 qobject_cast<QLabel*>(widget) || qobject_cast<PrintArea*>(widget);
            // The main window's form lies on its print area, which is nameless
            // until a page is printed (below).
            auto* area = qobject_cast<PrintArea*>(widget);
            if (!control || widget->objectName().isEmpty() || (area && area->isBackground()))
                continue;
            ++controls;
            const QString name = accessibleName(widget);
            EXPECT_FALSE(name.trimmed().isEmpty()) << widget->objectName().toStdString() << " has no name";
            // A button or a label is read out with its caption, blanks and all.
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                EXPECT_EQ(name, button->text()) << button->objectName().toStdString();
            }
            if (auto* caption = qobject_cast<QLabel*>(widget)) {
                EXPECT_EQ(name, caption->text()) << caption->objectName().toStdString();
            }
        }
        EXPECT_GE(controls, 7);
    }
}

TEST_F(ScreenReader, ReadsTheMenuItemsOfTheMainWindow)
{
    QStringList items;
    collect(QAccessible::queryAccessibleInterface(form(FormId::Form1).findChild<QMenuBar*>()), QAccessible::MenuItem,
            items);
    EXPECT_EQ(items, (QStringList{QStringLiteral("Регистрация"), QStringLiteral("О программе"),
                                  QStringLiteral("Инструкция")}));
}

// What screen readers get moves the focus only while one runs: without one
// the focus stays on the button pressed, as designed.
TEST_F(ScreenReader, LeavesTheFocusOnThePressedButtonWithoutAScreenReader)
{
    ASSERT_FALSE(QAccessible::isActive());
    const auto focusStaysOn = [this](FormId id, const char* name) {
        SCOPED_TRACE(name);
        QAbstractButton* pressed = button(id, name);
        pressed->setFocus(Qt::TabFocusReason);
        click(id, name);
        EXPECT_EQ(form(id).focusWidget(), pressed);
    };
    for (const FormId practice : {FormId::Form2, FormId::Form3}) {
        click(FormId::Form1, practice == FormId::Form2 ? "Далее" : "PEREVOD_V10");
        focusStaysOn(practice, "Ввод_числа");
        focusStaysOn(practice, "Показать_решение");
        click(practice, practice == FormId::Form2 ? "Выход" : "Назад");
    }
    click(FormId::Form1, "TESTIROVAN");
    click(FormId::Form4, "Command3");
    focusStaysOn(FormId::Form4, "Ввод_числа");
    focusStaysOn(FormId::Form4, "Command2");
}

TEST_F(ScreenReader, ReadsWhatThePrintAreasShow)
{
    nextNumber(45, 190, 30);
    click(FormId::Form1, "Далее");
    click(FormId::Form2, "Ввод_числа");
    click(FormId::Form2, "Показать_решение");
    const QString table = accessibleValue(FormId::Form2);
    EXPECT_EQ(table, printArea(FormId::Form2)->model().lines().join(QLatin1Char('\n')));
    EXPECT_TRUE(table.contains(QStringLiteral("ОТВЕТ:"))) << table.toStdString();

    click(FormId::Form2, "Выход");
    trigger(FormId::Form1, "Инструкци");
    EXPECT_FALSE(accessibleValue(FormId::Form1).trimmed().isEmpty());
}

// The real dialogs, opened by the program's own implementation and read while
// they are open; each is then closed as a pupil would.
class QtDialogsForScreenReaders : public ::testing::Test {
protected:
    struct Seen {
        QString title;
        QStringList buttons;
        QStringList texts;
        QString buttonDescription;              // of the first button
        std::pair<int, int> answerRun{-1, -1};  // the text run of "170" typed into its box, at 1
    };

    Seen whileOpen(const std::function<void()>& open)
    {
        Seen seen;
        bool inspected = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr) << "no dialog is open";
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(dialog);
            seen.title = accessible->text(QAccessible::Name);
            if (auto* button = dialog->findChild<QPushButton*>())
                seen.buttonDescription = QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description);
            collect(accessible, QAccessible::PushButton, seen.buttons);
            collect(accessible, QAccessible::StaticText, seen.texts);
            if (auto* answer = dialog->findChild<QLineEdit*>()) {
                answer->setText(QStringLiteral("170"));
                QAccessible::queryAccessibleInterface(answer)->textInterface()->attributes(1, &seen.answerRun.first,
                                                                                           &seen.answerRun.second);
            }
            inspected = true;
            dialog->close();
        });
        open();
        EXPECT_TRUE(inspected);
        return seen;
    }

    QtDialogs dialogs;
};

TEST_F(QtDialogsForScreenReaders, MessageBoxReadsItsTitleTextAndOkButton)
{
    const Seen seen = whileOpen([&] {
        dialogs.msgBox(QStringLiteral("НЕПРАВИЛЬНО!!!"), MsgStyle::Critical, QStringLiteral("Предупреждение"));
    });
    EXPECT_TRUE(seen.title.contains(QStringLiteral("Предупреждение"))) << seen.title.toStdString();
    EXPECT_TRUE(seen.texts.contains(QStringLiteral("НЕПРАВИЛЬНО!!!"))) << seen.texts.join('|').toStdString();
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(seen.buttonDescription, QStringLiteral("НЕПРАВИЛЬНО!!!")) << "the button carries the text";
}

TEST_F(QtDialogsForScreenReaders, InputBoxReadsItsPromptAndRussianButtons)
{
    QString reply = QStringLiteral("not closed");
    const Seen seen =
        whileOpen([&] { reply = dialogs.inputBox(QStringLiteral("Введи ответ"), QStringLiteral("Ввод ответа")); });
    EXPECT_TRUE(seen.title.contains(QStringLiteral("Ввод ответа"))) << seen.title.toStdString();
    EXPECT_TRUE(seen.texts.contains(QStringLiteral("Введи ответ"))) << seen.texts.join('|').toStdString();
    EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Отмена")}));
    EXPECT_EQ(seen.answerRun, std::make_pair(0, 3)) << "the answer is read whole";
    EXPECT_EQ(reply, QString()) << "closing the box is Cancel";
}

TEST(QtTranslation, GivesQtsOwnTextsInRussian)
{
    // A text box's context menu comes from Qt itself.
    EXPECT_NE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), QStringLiteral("&Copy"));
    EXPECT_NE(QCoreApplication::translate("QLineEdit", "Select All"), QStringLiteral("Select All"));
}

}  // namespace
}  // namespace radixon::testing
