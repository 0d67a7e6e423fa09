// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "module1.h"

#include <QString>

namespace radixon {

// The two directions of a task: a decimal number to write in the radix, or a
// number written in the radix to give in decimal.
enum class TaskDirection { DecimalToRadix, RadixToDecimal };

// What a task of `direction` in `radix` asks the pupil to do.
QString TaskInstruction(TaskDirection direction, Int16 radix);

// The task's number as a task of `direction` shows it: the decimal number, or
// the digits left by ExpandDigits.
QString TaskAsShown(const Модуль1& m, TaskDirection direction);

// Whether a practice answer, whose value is already in StudentAnswer, is
// right. Written into the radix, the expected answer is RightAnswer: the
// radix digits read as one decimal numeral (101101 for 45 in radix 2), or
// above radix 10 the number written with letter digits; given in decimal, it
// is TaskNumber.
bool IsRightPracticeAnswer(const Модуль1& m, TaskDirection direction, const QString& reply);

// Whether the reply writes TaskNumber in Radix with letter digits, for a task
// that asks for TaskNumber in a radix above 10: A = 10, B = 11, … Z = 35, in
// either case, one character a digit and blanks between digits allowed. Such
// a task expects its digits read as one decimal numeral (1311 for 219 in
// radix 16), which a pupil taught letter digits would not think of writing.
// The Cyrillic letters that look like A, B, C and E count as those, since a
// pupil at a Russian keyboard types them without seeing the difference.
bool WritesTaskInLetterDigits(const Модуль1& m, const QString& reply);

}  // namespace radixon
