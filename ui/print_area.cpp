#include "print_area.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace radixon {

namespace {

class PrintAreaAccessible final : public QAccessibleWidget {
public:
    explicit PrintAreaAccessible(PrintArea* area) : QAccessibleWidget(area, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const PrintArea*>(widget())->text();
        return QAccessibleWidget::text(t);
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
    model_.print(items, end);
    changed();
}

void PrintArea::cls()
{
    model_.cls();
    changed();
}

void PrintArea::setPage(PrintModel page)
{
    model_ = std::move(page);
    changed();
}

void PrintArea::changed()
{
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, model_.text());
        QAccessible::updateAccessibility(&event);
    }
}

void PrintArea::paintEvent(QPaintEvent*)
{
    // The background is already filled; an empty area need not load its font.
    if (model_.lines().isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    int baseline = metrics.ascent();
    for (const QString& line : model_.lines()) {
        painter.drawText(0, baseline, line);
        baseline += metrics.lineSpacing();
    }
}

}  // namespace radixon
