// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "module1.h"
#include "print_model.h"

#include <QString>

#include <optional>

namespace radixon {

// The worked solutions of the two practice windows, as the pages their print
// areas show.

// Why there is no division table to show yet: before the first task of the
// run there is no radix to divide by. Nothing once there is one.
std::optional<QString> NoDivisionTableYet(const Модуль1& m);

// The table of successive divisions of TaskNumber by Radix: one row a step
// (dividend, radix, quotient and remainder), then the instruction, "ОТВЕТ:"
// and the digits, most significant first. It works the expansion out again
// in the shared state: DigitTop, Dividend and Digits are rewritten, and
// Digits(DigitTop) also takes the last quotient, so Digits(0..DigitTop) hold
// every digit. Radix must be at least 2.
PrintModel ExpandIntoDivisionTable(Модуль1& m);

// The number written in Radix expanded into a sum of digit times Radix to a
// power, the same sum with the powers worked out, and the answer TaskNumber.
// It reads TaskNumber and Radix and changes nothing.
PrintModel ExpandedSum(const Модуль1& m);

}  // namespace radixon
