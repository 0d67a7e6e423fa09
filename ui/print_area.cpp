// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_area.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace radixon {

namespace {

// Offsets count the UTF-16 units of the text, lines joined with "\n". A line
// runs from its first character to its line break, and owns that break, as
// AT-SPI's line boundaries count it.
int lineStart(const QString& text, int offset)
{
    return offset == 0 ? 0 : static_cast<int>(text.lastIndexOf(u'\n', offset - 1)) + 1;
}

// The offset of the line's break, or the end of the text on the last line.
int lineEnd(const QString& text, int offset)
{
    const qsizetype end = text.indexOf(u'\n', offset);
    return static_cast<int>(end < 0 ? text.size() : end);
}

QString lineAt(const QString& text, int offset, int* startOffset, int* endOffset)
{
    *startOffset = lineStart(text, offset);
    const int end = lineEnd(text, offset);
    *endOffset = end < text.size() ? end + 1 : end;
    return text.mid(*startOffset, *endOffset - *startOffset);
}

bool byLines(QAccessible::TextBoundaryType boundary)
{
    // Every printed line is a paragraph of its own.
    return boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary;
}

// The caret after a key the area reads with, or nothing for any other key.
std::optional<int> caretAfterKey(const QString& text, int caret, const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const int length = static_cast<int>(text.size());
    const int start = lineStart(text, caret);
    const int end = lineEnd(text, caret);
    const int column = caret - start;
    const bool wholeText = key.modifiers() & Qt::ControlModifier;
    switch (key.key()) {
    case Qt::Key_Left:
        return std::max(caret - 1, 0);
    case Qt::Key_Right:
        return std::min(caret + 1, length);
    case Qt::Key_Up:
        if (start == 0)
            return caret;
        return std::min(lineStart(text, start - 1) + column, start - 1);
    case Qt::Key_Down:
        if (end == length)
            return caret;
        return std::min(end + 1 + column, lineEnd(text, end + 1));
    case Qt::Key_Home:
        return wholeText ? 0 : start;
    case Qt::Key_End:
        return wholeText ? length : end;
    default:
        return std::nullopt;
    }
}

// A print area is a read-only multi-line text to screen readers. Qt's AT-SPI
// bridge carries no Value of a text that is not a value control, so the text
// goes through the text interface; the Value stays for Qt's own clients.
class PrintAreaAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PrintAreaAccessible(PrintArea* area) : QAccessibleWidget(area, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // An area that holds other controls and no text (the main window's form)
    // is only their background: a nameless filler a screen reader passes over
    // on its way to them, not a page.
    QAccessible::Role role() const override
    {
        return area()->isBackground() ? QAccessible::Client : QAccessible::EditableText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return area()->text();
        if (t == QAccessible::Name && area()->isBackground())
            return QString();
        return QAccessibleWidget::text(t);
    }

    // Nothing can be selected: a print area has only its caret.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

    int cursorPosition() const override { return area()->caret(); }
    void setCursorPosition(int position) override { area()->setCaret(position); }

    QString text(int startOffset, int endOffset) const override
    {
        const QString all = area()->text();
        startOffset = std::clamp(startOffset, 0, static_cast<int>(all.size()));
        endOffset = std::clamp(endOffset, startOffset, static_cast<int>(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }

    int characterCount() const override { return static_cast<int>(area()->text().size()); }

    // A query by lines is answered here, from the printed text; one by other
    // boundaries (characters, words, sentences) by Qt's own handling.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override
    {
        if (byLines(boundary))
            return lineNear(offset, 0, startOffset, endOffset);
        return QAccessibleTextInterface::textAtOffset(resolved(offset), boundary, startOffset, endOffset);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override
    {
        if (byLines(boundary))
            return lineNear(offset, -1, startOffset, endOffset);
        return QAccessibleTextInterface::textBeforeOffset(resolved(offset), boundary, startOffset, endOffset);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override
    {
        if (byLines(boundary))
            return lineNear(offset, 1, startOffset, endOffset);
        return QAccessibleTextInterface::textAfterOffset(resolved(offset), boundary, startOffset, endOffset);
    }

    // Where paintEvent draws the character: lines from the top-left corner,
    // one line spacing apart, each letter after the advance of those before.
    QRect characterRect(int offset) const override
    {
        const QString all = area()->text();
        if (offset < 0 || offset > all.size())
            return QRect();
        const int start = lineStart(all, offset);
        const int row = static_cast<int>(QStringView(all).left(start).count(u'\n'));
        const QString line = all.mid(start, lineEnd(all, offset) - start);
        const int column = offset - start;
        const QFontMetrics metrics(widget()->font());
        const int left = metrics.horizontalAdvance(line.left(column));
        const int right = column < line.size() ? metrics.horizontalAdvance(line.left(column + 1)) : left;
        const QPoint topLeft = widget()->mapToGlobal(QPoint(left, row * metrics.lineSpacing()));
        return QRect(topLeft, QSize(right - left, metrics.height()));
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = widget()->mapFromGlobal(point);
        if (local.x() < 0 || local.y() < 0)
            return -1;
        const QFontMetrics metrics(widget()->font());
        const QStringList& lines = area()->model().lines();
        const int row = local.y() / metrics.lineSpacing();
        if (row >= lines.size())
            return -1;
        int start = 0;
        for (int i = 0; i < row; ++i)
            start += static_cast<int>(lines[i].size()) + 1;
        const QString& line = lines[row];
        for (int column = 0; column < line.size(); ++column) {
            if (local.x() < metrics.horizontalAdvance(line.left(column + 1)))
                return start + column;
        }
        return -1;
    }

    // The area never scrolls, and its text is in one font and colour.
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

private:
    PrintArea* area() const { return static_cast<PrintArea*>(widget()); }

    // By the convention of Qt's text interface -1 stands for the end of the
    // text and -2 for the caret.
    int resolved(int offset) const
    {
        if (offset == -1)
            return characterCount();
        if (offset == -2)
            return area()->caret();
        return offset;
    }

    // The line at the offset (`step` 0), the one before it (-1) or the one
    // after it (1). Before the first line and after the last there is an
    // empty text where the text starts or ends.
    QString lineNear(int offset, int step, int* startOffset, int* endOffset) const
    {
        const QString all = area()->text();
        offset = resolved(offset);
        if (offset < 0 || offset > all.size()) {
            *startOffset = *endOffset = -1;
            return QString();
        }
        if (step < 0) {
            offset = lineStart(all, offset) - 1;
            if (offset < 0) {
                *startOffset = *endOffset = 0;
                return QString();
            }
        } else if (step > 0) {
            offset = lineEnd(all, offset) + 1;
            if (offset > all.size()) {
                *startOffset = *endOffset = static_cast<int>(all.size());
                return QString();
            }
        }
        return lineAt(all, offset, startOffset, endOffset);
    }
};

QAccessibleInterface* printAreaFactory(const QString&, QObject* object)
{
    if (auto* area = qobject_cast<PrintArea*>(object))
        return new PrintAreaAccessible(area);
    return nullptr;
}

}  // namespace

PrintArea::PrintArea(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(printAreaFactory);
        return true;
    }();
    (void)factoryInstalled;
    setAutoFillBackground(true);
}

void PrintArea::print(std::initializer_list<PrintItem> items, LineEnd end)
{
    const std::optional<QString> before = textBeforeChange();
    model_.print(items, end);
    changed(before);
}

void PrintArea::setPage(PrintModel page)
{
    const std::optional<QString> before = textBeforeChange();
    model_ = std::move(page);
    // A screen reader given the page reads the line at the caret first: the
    // first line with something on it, not the blank line a page may open with.
    caret_ = 0;
    for (const QString& line : model_.lines()) {
        if (!line.trimmed().isEmpty())
            break;
        caret_ += static_cast<int>(line.size()) + 1;
    }
    caret_ = std::min(caret_, static_cast<int>(model_.text().size()));
    changed(before);
}

// Only a screen reader needs the text as it was, to be told what changed; the
// join is not paid for without one.
std::optional<QString> PrintArea::textBeforeChange() const
{
    if (!QAccessible::isActive())
        return std::nullopt;
    return model_.text();
}

void PrintArea::changed(const std::optional<QString>& before)
{
    update();
    if (!before || !QAccessible::isActive())
        return;
    const QString after = model_.text();
    // A background that becomes a page, or a page that goes, changes its name
    // and its role. Qt has no event for a new role, and Orca keeps the role it
    // first read of an object until it reads the object anew, which it does
    // on a change of its selected state: Qt sends one for a Selection event.
    if (before->isEmpty() != after.isEmpty() && holdsControls()) {
        for (const QAccessible::Event type : {QAccessible::Selection, QAccessible::NameChanged}) {
            QAccessibleEvent event(this, type);
            QAccessible::updateAccessibility(&event);
        }
    }
    QAccessibleValueChangeEvent valueChange(this, after);
    QAccessible::updateAccessibility(&valueChange);
    if (after == *before)
        return;
    // A print adds to the end and a new page replaces the old one; whatever
    // the two texts share at the start has not changed.
    const auto kept = std::mismatch(before->cbegin(), before->cend(), after.cbegin(), after.cend()).first;
    const int position = static_cast<int>(kept - before->cbegin());
    const QString removed = before->mid(position);
    const QString inserted = after.mid(position);
    if (removed.isEmpty()) {
        QAccessibleTextInsertEvent event(this, position, inserted);
        QAccessible::updateAccessibility(&event);
    } else if (inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(this, position, removed);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(this, position, removed, inserted);
        QAccessible::updateAccessibility(&event);
    }
}

void PrintArea::setCaret(int offset)
{
    const int moved = std::clamp(offset, 0, static_cast<int>(model_.text().size()));
    if (moved == caret_)
        return;
    caret_ = moved;
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent event(this, caret_);
        QAccessible::updateAccessibility(&event);
    }
}

bool PrintArea::isBackground() const
{
    return model_.text().isEmpty() && holdsControls();
}

bool PrintArea::holdsControls() const
{
    return findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

void PrintArea::keyPressEvent(QKeyEvent* event)
{
    // The buttons on the main window's page pass up the arrow keys they leave:
    // only the area's own focus moves its caret.
    if (hasFocus()) {
        if (const std::optional<int> moved = caretAfterKey(model_.text(), caret_, *event)) {
            setCaret(*moved);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void PrintArea::paintEvent(QPaintEvent*)
{
    const bool focused = hasFocus();
    // The background is already filled; an empty area need not load its font.
    if (model_.lines().isEmpty() && !focused)
        return;
    QPainter painter(this);
    if (!model_.lines().isEmpty()) {
        painter.save();
        QFont lettering = font();
        if (outOfProportion()) {
            lettering.setPointSizeF(lettering.pointSizeF() / scale_);
            painter.scale(scale_, scale_);
        }
        painter.setFont(lettering);
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics metrics(lettering);
        int baseline = metrics.ascent();
        for (const QString& line : model_.lines()) {
            painter.drawText(0, baseline, line);
            baseline += metrics.lineSpacing();
        }
        painter.restore();
    }
    if (focused)
        paintFocusFrame(painter);
}

// Every letter, blanks included, advances by whole pixels at the size it is
// drawn at. In a window drawn smaller that can add up, over a long line, to a
// few per cent more than the line's share of the area in the design: enough
// to run into the area's right edge, with the leading blanks of the margin
// grown too. A font engine that rounds the other way (Windows' at 125 %)
// makes it as much less. Such a page is drawn as designed and made smaller
// as a whole.
bool PrintArea::outOfProportion() const
{
    if (scale_ >= 1.0)
        return false;
    QFont designed = font();
    designed.setPointSizeF(designed.pointSizeF() / scale_);
    const QFontMetricsF drawn(font(), this);
    const QFontMetricsF design(designed, this);
    const double tolerance = 0.01 * width();
    return std::any_of(model_.lines().cbegin(), model_.lines().cend(), [&](const QString& line) {
        return std::abs(drawn.horizontalAdvance(line) - scale_ * design.horizontalAdvance(line)) > tolerance;
    });
}

void PrintArea::paintFocusFrame(QPainter& painter)
{
    // The main window's page reaches beyond the window: the frame goes round
    // the part of the area that can be seen.
    QRect seen = rect();
    for (const QWidget* child = this; !child->isWindow() && child->parentWidget(); child = child->parentWidget()) {
        const QWidget* parent = child->parentWidget();
        seen &= QRect(mapFrom(parent, QPoint(0, 0)), parent->size());
    }
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = seen;
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace radixon
