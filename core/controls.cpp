#include "controls.h"

#include "print_area.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QStyleFactory>

namespace radixon {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void setupApplication(QApplication& app)
{
    installFontSubstitutions();
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setApplicationName(QStringLiteral("radixon"));
    app.setApplicationDisplayName(QStringLiteral("РАДИКСОН"));
}

QFont designFont(const QString& face, double points, bool bold, bool italic)
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    return font;
}

QFont timesBoldItalic(double points)
{
    return designFont(QStringLiteral("Times New Roman"), points, true, true);
}

namespace {
void setColours(QWidget* widget, QPalette::ColorRole backRole, QColor back, QPalette::ColorRole foreRole,
                QColor fore)
{
    QPalette palette = widget->palette();
    if (back.isValid())
        palette.setColor(backRole, back);
    if (fore.isValid())
        palette.setColor(foreRole, fore);
    widget->setPalette(palette);
}
}  // namespace

namespace {
QPushButton* designedButton(QPushButton* button, const QString& name, QColor face, const QFont& font)
{
    button->setObjectName(name);
    button->setFont(font);
    button->setAutoDefault(false);
    setColours(button, QPalette::Button, face, QPalette::ButtonText, QColor());
    return button;
}
}  // namespace

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QColor face,
                        const QFont& font)
{
    return designedButton(new QPushButton(caption, parent), name, face, font);
}

namespace {
class WrappingButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(contents, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};
}  // namespace

QPushButton* makeWrappingButton(QWidget* parent, const QString& name, const QString& caption, QColor face,
                                const QFont& font)
{
    return designedButton(new WrappingButton(caption, parent), name, face, font);
}

QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QString& text, QColor back, QColor fore,
                       const QFont& font)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setCursorPosition(0);
    setColours(box, QPalette::Base, back, QPalette::Text, fore);
    return box;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QColor back, QColor fore,
                  const QFont& font)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    setColours(label, QPalette::Window, back, QPalette::WindowText, fore);
    return label;
}

PrintArea* makePrintArea(QWidget* parent, const QString& name, QColor back, QColor fore, const QFont& font)
{
    auto* area = new PrintArea(parent);
    area->setObjectName(name);
    area->setFont(font);
    setColours(area, QPalette::Window, back, QPalette::WindowText, fore);
    return area;
}

void setFocusOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace radixon
