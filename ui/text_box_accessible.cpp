// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_box_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QVariant>

namespace radixon {

namespace {

// Qt's own line edit interface is private to Qt, so this one is built on the
// box's public API; it answers as Qt's does but for attributes().
class TextBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = t == QAccessible::Value ? box()->text() : QString();
        if (text.isEmpty())
            text = QAccessibleWidget::text(t);
        if (text.isEmpty() && t == QAccessible::Description)
            text = box()->placeholderText();
        return text;
    }

    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    // The whole text is one run, in the box's one font and colours: Orca
    // reads a line by the runs that cover it.
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QString text(int startOffset, int endOffset) const override
    {
        return startOffset > endOffset ? QString() : box()->text().mid(startOffset, endOffset - startOffset);
    }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = *startOffset + box()->selectionLength();
        }
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }

    // -2 stands for the caret; the rest of the boundaries are Qt's.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override
    {
        return QAccessibleTextInterface::textAtOffset(resolved(offset), boundary, startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override
    {
        return QAccessibleTextInterface::textBeforeOffset(resolved(offset), boundary, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override
    {
        return QAccessibleTextInterface::textAfterOffset(resolved(offset), boundary, startOffset, endOffset);
    }

    // The box tells input methods where its caret is drawn (a rectangle that
    // reaches five pixels left of it); a character lies that many advances
    // away from the caret.
    QRect characterRect(int offset) const override
    {
        const QString all = box()->text();
        if (offset < 0 || offset >= all.size())
            return QRect();
        const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QFontMetrics metrics(box()->font());
        const int left = caret.x() + 5 + metrics.horizontalAdvance(all.left(offset)) -
                         metrics.horizontalAdvance(all.left(box()->cursorPosition()));
        const QRect rect(left, caret.y(), metrics.horizontalAdvance(all.mid(offset, 1)), metrics.height());
        return QRect(box()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }

    void deleteText(int startOffset, int endOffset) override
    {
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString& text) override { box()->setText(box()->text().insert(offset, text)); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
    int resolved(int offset) const { return offset == -2 ? box()->cursorPosition() : offset; }
};

// A box that hides what is typed keeps Qt's interface, which hides it too.
QAccessibleInterface* textBoxFactory(const QString&, QObject* object)
{
    auto* box = qobject_cast<QLineEdit*>(object);
    if (box && box->echoMode() == QLineEdit::Normal)
        return new TextBoxAccessible(box);
    return nullptr;
}

}  // namespace

void installTextBoxAccessibility()
{
    QAccessible::installFactory(textBoxFactory);
}

}  // namespace radixon
