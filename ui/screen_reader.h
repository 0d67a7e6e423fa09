// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;
class QString;
class QWidget;

namespace radixon {

class PrintArea;
class PrintModel;

// A screen reader speaks only what has the focus (and dialogs): a page, a
// solution or a task that a click puts somewhere else goes unheard. While one
// is running (Qt's accessibility is active), these move the focus to what the
// click has just shown; without one the focus stays where the design puts it,
// so sighted pupils see no change.

// Gives `widget` the focus, with the reason of a program's own move.
void focusForScreenReader(QWidget* widget);

// A new task: `number` is written into the box that shows it, which is
// described by `task`, what to do with the number, and takes the focus, so
// that the reader says the number and what to do with it. The focus comes
// first: Orca takes a box whose text changed before it had the focus as
// already presented, and would say the new number alone.
void announceTask(QLineEdit* box, const QString& task, const QString& number);

// A page the pupil reads at once (a worked solution, the result of the test),
// printed into `area`. The focus comes first here too. Orca reads an object's
// states when it handles an event, not when the event was sent: told of the
// new text first, it finds the area focused already, takes it as its focus
// without a word, and then says nothing when told of the focus. Told of the
// focus first, it reads the area's name and the line at the caret, with the
// page already in it.
void presentPage(PrintArea* area, PrintModel page);

}  // namespace radixon
