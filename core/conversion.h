// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs.h"
#include "module1.h"
#include "random_source.h"

#include <QString>

#include <functional>
#include <vector>

namespace radixon {

// One division step of the expansion: the dividend before the step, the radix,
// the quotient and the remainder just stored in Digits.
using DivisionObserver = std::function<void(Int16 dividend, Int16 radix, double quotient, Int16 remainder)>;

// Radix := the radix typed in its box, taken to 16 bits, asked for again by
// AskRadix while below 2 (a text beyond 16 bits is no radix either: it reads
// as 0). Returns whether it was asked for: the box then no longer shows the
// radix in use.
bool ReadRadixBox(Модуль1& m, Dialogs& dialogs, const QString& box);

// TaskNumber := base + Int(Rnd * span), the product taken in single precision.
void RandomTaskNumber(Модуль1& m, RandomSource& random, int span, int base);

// Asks "Введите число больше 1" until Radix is at least 2. A reply that is
// not a 16-bit value is not a radix either: the box simply asks again.
void AskRadix(Модуль1& m, Dialogs& dialogs);

// TaskTotal := the number of tasks typed in its box, asked for again
// ("Введите четное количество заданий") while it is odd, so the test splits
// into two equal halves, or beyond 16 bits. A new number of tasks starts the
// issue of tasks again: TasksIssued := 0.
void AskTaskTotal(Модуль1& m, Dialogs& dialogs, const QString& box);

// Repeated division of TaskNumber by Radix into Digits, DigitTop and Dividend.
// A radix of 0 is a division by zero; a radix of 1 or below runs into the
// 21-slot bound.
void ExpandDigits(Модуль1& m, const DivisionObserver& observer = {});

// The digits left by ExpandDigits, most significant first, each after a blank.
QString DigitsText(const Модуль1& m);

// RightAnswer := Val(DigitsText): the digit string read as a decimal numeral,
// which is what a pupil types as the answer.
void DigitsAnswer(Модуль1& m);

// The digits of a number in a radix, most significant first, worked out on
// the side so that the Digits of the current task stay as they are. A number
// below the radix, and any number when the radix is below 2 (no task set
// yet), is its own single digit.
std::vector<Int16> RadixDigits(Int16 number, Int16 radix);

}  // namespace radixon
