#pragma once

#include "module1.h"

#include <QString>

namespace radixon {

// The two directions of a task: a decimal number to write in the radix, or a
// number written in the radix to give in decimal.
enum class TaskDirection { DecimalToRadix, RadixToDecimal };

// The task's number as a task of `direction` shows it: the decimal number, or
// the digits left by ExpandDigits.
QString TaskAsShown(const Модуль1& m, TaskDirection direction);

// Whether a practice answer, whose value is already in StudentAnswer, is
// right. Written into the radix, the expected answer is RightAnswer: the
// radix digits read as one decimal numeral (101101 for 45 in radix 2); given
// in decimal, it is TaskNumber.
bool IsRightPracticeAnswer(const Модуль1& m, TaskDirection direction, const QString& reply);

}  // namespace radixon
