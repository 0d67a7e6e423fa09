// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace radixon {

// A screen reader speaks only what has the focus (and dialogs): a page, a
// solution or a task that a click puts somewhere else goes unheard. While one
// is running (Qt's accessibility is active), these move the focus to what the
// click has just shown; without one the focus stays where the design puts it,
// so sighted pupils see no change.

// Gives `widget` the focus, with the reason of a program's own move.
void focusForScreenReader(QWidget* widget);

// A new task for the box that shows its number, called just before the number
// is written: the box is described by `task`, what to do with the number, and
// takes the focus, so that the reader says the number and what to do with it.
// The focus comes first: Orca takes a box whose text changed before it had
// the focus as already presented, and would say the new number alone.
void announceTask(QWidget* box, const QString& task);

}  // namespace radixon
