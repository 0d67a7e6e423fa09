// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader.h"

#include "print_area.h"
#include "web_page.h"

#include <QAccessible>
#include <QLineEdit>

#include <utility>

namespace radixon {

void focusForScreenReader(QWidget* widget)
{
    if (QAccessible::isActive())
        widget->setFocus(Qt::OtherFocusReason);
}

void announceTask(QLineEdit* box, const QString& task, const QString& number)
{
    box->setAccessibleDescription(task);
    focusForScreenReader(box);
    box->setText(number);
    web::say(task + QStringLiteral(": ") + number);
}

void presentPage(PrintArea* area, PrintModel page)
{
    focusForScreenReader(area);
    area->setPage(std::move(page));
    // The caret has moved to the page's first line. Where the area already
    // was the reader's focus, as when the button that prints the page was
    // clicked with the mouse (Orca passes over the button's moment of focus),
    // that move is what has the line at the caret read.
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent event(area, area->caret());
        QAccessible::updateAccessibility(&event);
    }
    web::say(area->text());
}

}  // namespace radixon
