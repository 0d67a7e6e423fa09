// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader.h"

#include <QAccessible>
#include <QWidget>

namespace radixon {

void focusForScreenReader(QWidget* widget)
{
    if (QAccessible::isActive())
        widget->setFocus(Qt::OtherFocusReason);
}

void announceTask(QWidget* box, const QString& task)
{
    box->setAccessibleDescription(task);
    focusForScreenReader(box);
}

}  // namespace radixon
