// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_checks.h"

#include "print_area.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace radixon::testing {
namespace {

// What a control shows and the palette roles that colour it, by its kind.
struct Kind {
    QString caption;
    QPalette::ColorRole back;
    QPalette::ColorRole text;
};

std::optional<Kind> kindOf(const QWidget* control, ControlKind designed)
{
    switch (designed) {
    case ControlKind::Button:
    case ControlKind::WrappingButton:
        if (auto* button = qobject_cast<const QAbstractButton*>(control))
            return Kind{button->text(), QPalette::Button, QPalette::ButtonText};
        break;
    case ControlKind::TextBox:
        if (auto* box = qobject_cast<const QLineEdit*>(control))
            return Kind{box->text(), QPalette::Base, QPalette::Text};
        break;
    case ControlKind::Label:
        if (auto* label = qobject_cast<const QLabel*>(control))
            return Kind{label->text(), QPalette::Window, QPalette::WindowText};
        break;
    case ControlKind::PrintArea:
        if (auto* area = qobject_cast<const PrintArea*>(control))
            return Kind{area->text(), QPalette::Window, QPalette::WindowText};
        break;
    }
    return std::nullopt;
}

// Failures name rectangles and colours as a person reads them, not as bytes.
std::string describe(const QRect& rect)
{
    return QStringLiteral("(%1, %2) %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height())
        .toStdString();
}

void expectColour(const QWidget* control, QPalette::ColorRole role, const QColor& design, const char* what)
{
    if (!design.isValid())
        return;
    const QColor actual = control->palette().color(role);
    EXPECT_EQ(actual, design) << what << " is " << actual.name().toStdString() << ", the design has "
                              << design.name().toStdString();
}

const char* standIn(const std::string& face)
{
    return face == "Times New Roman" ? "Liberation Serif" : face == "MS Sans Serif" ? "Liberation Sans" : "";
}

void expectControl(Form& window, const ControlDesign& row)
{
    const QWidget* control = window.findChild<QWidget*>(QString::fromUtf8(row.name));
    ASSERT_NE(control, nullptr) << "no control " << row.name;
    const std::optional<Kind> kind = kindOf(control, row.kind);
    ASSERT_TRUE(kind) << row.name << " is not of its designed kind";

    if (row.container) {
        EXPECT_EQ(control->parentWidget()->objectName().toStdString(), row.container);
    }
    const QRect& t = row.twips;
    const QRect pixels(window.twips(t.x()), window.twips(t.y()), window.twips(t.width()), window.twips(t.height()));
    EXPECT_EQ(control->geometry(), pixels)
        << "placed at " << describe(control->geometry()) << " px, the design's twips give " << describe(pixels);

    if (row.kind != ControlKind::PrintArea) {
        EXPECT_EQ(kind->caption.toStdString(), row.text);
    }
    expectColour(control, kind->back, row.back, "background");
    expectColour(control, kind->text, row.fore, "text colour");

    const QFont& font = control->font();
    EXPECT_EQ(font.family().toStdString(), row.lettering.face);
    EXPECT_DOUBLE_EQ(font.pointSizeF(), row.lettering.points * window.scale());
    EXPECT_EQ(font.weight(), row.lettering.bold ? QFont::Bold : QFont::Normal);
    EXPECT_EQ(font.italic(), row.lettering.italic);
    EXPECT_EQ(QFontInfo(font).family().toStdString(), standIn(row.lettering.face));
}

}  // namespace

void expectBuiltFromDesign(Form& window)
{
    const WindowDesign& design = window.design();
    EXPECT_EQ(window.objectName().toStdString(), design.name);
    if (design.background.isValid()) {
        EXPECT_EQ(window.palette().color(QPalette::Window), design.background);
    }
    for (const ControlDesign& row : design.controls) {
        SCOPED_TRACE(row.name);
        expectControl(window, row);
    }
}

void expectSoundDesign(const WindowDesign& design)
{
    const QRect client(QPoint(0, 0), design.clientTwips);
    for (const ControlDesign& row : design.controls) {
        SCOPED_TRACE(row.name);
        if (row.kind != ControlKind::PrintArea) {
            EXPECT_TRUE(client.contains(row.twips)) << "outside the client area: " << describe(row.twips);
        }
        for (const ControlDesign& other : design.controls) {
            const bool sameContainer = (row.container == nullptr) == (other.container == nullptr) &&
                                       (!row.container || std::string(row.container) == other.container);
            if (&other < &row && sameContainer) {
                EXPECT_FALSE(row.twips.intersects(other.twips)) << "overlaps " << other.name;
            }
        }
    }
    for (const char* name : design.tabOrder) {
        bool designed = false;
        for (const ControlDesign& row : design.controls)
            designed |= std::string(row.name) == name && row.kind != ControlKind::Label;
        EXPECT_TRUE(designed) << name << " in the Tab order is no control that takes the focus";
    }
}

void expectTabOrder(Form& window, const QStringList& order)
{
    ASSERT_FALSE(order.isEmpty());
    QWidget* const first = window.findChild<QWidget*>(order.front());
    ASSERT_NE(first, nullptr) << "no control " << order.front().toStdString();
    EXPECT_TRUE(first->focusPolicy() & Qt::TabFocus) << "Tab never stops at " << order.front().toStdString();

    // One press per control walks past them all and back to the first.
    QStringList walked{first->objectName()};
    QWidget* current = first;
    for (qsizetype press = 0; press < order.size() && current; ++press) {
        do
            current = current->nextInFocusChain();
        while (current && current != first && !(current->focusPolicy() & Qt::TabFocus));
        walked << (current ? current->objectName() : QStringLiteral("(end of the chain)"));
        if (current == first)
            break;
    }
    const QString arrow = QStringLiteral(" → ");
    EXPECT_EQ(walked.join(arrow).toStdString(), (order + QStringList{order.front()}).join(arrow).toStdString());
}

}  // namespace radixon::testing
