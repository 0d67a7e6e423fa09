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

std::optional<Kind> kindOf(const QWidget* control)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return Kind{button->text(), QPalette::Button, QPalette::ButtonText};
    if (auto* box = qobject_cast<const QLineEdit*>(control))
        return Kind{box->text(), QPalette::Base, QPalette::Text};
    if (auto* label = qobject_cast<const QLabel*>(control))
        return Kind{label->text(), QPalette::Window, QPalette::WindowText};
    if (auto* area = qobject_cast<const PrintArea*>(control))
        return Kind{area->text(), QPalette::Window, QPalette::WindowText};
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

void expectFont(const QFont& font, const DesignFont& design)
{
    EXPECT_EQ(font.family().toStdString(), design.face);
    EXPECT_DOUBLE_EQ(font.pointSizeF(), design.points);
    EXPECT_EQ(font.weight(), design.bold ? QFont::Bold : QFont::Normal);
    EXPECT_EQ(font.italic(), design.italic);
    if (design.drawnWith) {
        EXPECT_EQ(QFontInfo(font).family().toStdString(), design.drawnWith);
    }
}

void expectControl(Form& window, const DesignedControl& design)
{
    const QWidget* control = window.findChild<QWidget*>(QString::fromUtf8(design.name));
    ASSERT_NE(control, nullptr) << "no control " << design.name;

    if (design.parent) {
        const QWidget* parent = window.findChild<QWidget*>(QString::fromUtf8(design.parent));
        ASSERT_NE(parent, nullptr) << "no control " << design.parent;
        EXPECT_EQ(control->parentWidget(), parent) << "not inside " << design.parent;
    }
    if (!design.twips.isNull()) {
        const QRect& t = design.twips;
        const QRect pixels(window.twips(t.x()), window.twips(t.y()), window.twips(t.width()), window.twips(t.height()));
        EXPECT_EQ(control->geometry(), pixels)
            << "placed at " << describe(control->geometry()) << " px, the design's twips give " << describe(pixels);
    }

    const std::optional<Kind> kind = kindOf(control);
    if (!kind) {
        ADD_FAILURE() << design.name << " is not a button, text box, label or print area";
        return;
    }
    EXPECT_EQ(kind->caption.toStdString(), design.caption.toStdString());
    expectColour(control, kind->back, design.back, "background");
    expectColour(control, kind->text, design.text, "text colour");
    expectFont(control->font(), design.font);
}

}  // namespace

void expectDesign(Form& window, std::span<const DesignedControl> design)
{
    for (const DesignedControl& row : design) {
        SCOPED_TRACE(row.name);
        expectControl(window, row);
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
