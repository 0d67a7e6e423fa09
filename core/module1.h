// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime.h"

#include <QString>

#include <array>

namespace radixon {

// The only state that outlives a click: the current task, the test counters
// and the surname. One object exists for the whole run and every window is
// given the same one.
struct Модуль1 {
    static constexpr int DigitSlots = 21;

    std::array<Int16, DigitSlots> Digits{};  // remainders, least significant first
    Int16 DigitTop = 0;                      // remainders stored; power of the top digit
    Int16 Dividend = 0;                      // working value of the repeated division
    Int16 TaskNumber = 0;                    // decimal value of the current task's number
    double RightAnswer = 0;                  // expected answer of the current task
    double StudentAnswer = 0;                // value of the pupil's last typed answer
    Int16 Radix = 0;                         // radix of the current task
    Int16 TasksIssued = 0;                   // number of the current test task
    Int16 CorrectCount = 0;                  // answers scored right in this test
    QString StudentName;                     // surname shown on the result page
    Int16 LastAnswered = 0;                  // task the last answer was taken for
    Int16 TaskTotal = 0;                     // number of tasks in the test

    // Digits(index), with the subscript check of the 21 slots.
    Int16& digit(int index);
    Int16 digit(int index) const;
};

}  // namespace radixon
