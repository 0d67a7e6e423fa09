// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion.h"
#include "tasks.h"

#include <gtest/gtest.h>

namespace radixon {
namespace {

// A task that asks for `number` written in `radix`, as the windows set it.
Модуль1 taskInto(Int16 number, Int16 radix)
{
    Модуль1 m;
    m.TaskNumber = number;
    m.Radix = radix;
    ExpandDigits(m);
    DigitsAnswer(m);
    return m;
}

TEST(LetterDigits, WriteTheTaskNumberInARadixAboveTen)
{
    const struct {
        Int16 number;
        Int16 radix;
        const char* reply;
        bool writesIt;
    } cases[] = {
        {170, 16, "AA", true},    {170, 16, "aa", true},   {170, 16, " A a ", true}, {170, 16, "A\tA", true},
        {219, 16, "DB", true},    {219, 16, "d b", true},  {26, 16, "1A", true},     {32, 11, "2A", true},
        {35, 36, "Z", true},      {120, 100, "1K", true},  {170, 16, "АА", true},    {188, 16, "ВС", true},
        {234, 16, "ЕА", true},    {170, 16, "AB", false},  {170, 16, "AAA", false},  {170, 16, "", false},
        {170, 16, "A-A", false},  {170, 16, "AA.", false}, {16, 16, "G", false},     {170, 16, "ДД", false},
        {219, 16, "1311", false}, {170, 10, "AA", false},  {100, 10, "A0", false},   {32, 8, "40", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.number) + " in radix " + std::to_string(c.radix) + ": " + c.reply);
        EXPECT_EQ(WritesTaskInLetterDigits(taskInto(c.number, c.radix), QString::fromUtf8(c.reply)), c.writesIt);
    }
}

TEST(LetterDigits, CountOnlyWhereTheTaskAsksForTheNumberInTheRadix)
{
    // A task of the other direction expects the decimal number itself.
    Модуль1 m = taskInto(170, 16);
    m.RightAnswer = m.TaskNumber;
    EXPECT_FALSE(WritesTaskInLetterDigits(m, QStringLiteral("AA")));
    // Digits beyond 16 bits are no answer, not an overflow.
    EXPECT_FALSE(WritesTaskInLetterDigits(taskInto(170, 16), QStringLiteral("FFFFFFFFFFFFFFFFFFFF")));
}

TEST(PracticeAnswers, IntoTheRadixTakeTheNumeralOrLetterDigitsIntoDecimalTheNumber)
{
    const struct {
        TaskDirection direction;
        const char* reply;
        bool right;
    } cases[] = {
        {TaskDirection::DecimalToRadix, "1010", true},  // 170 in radix 16: digits 10 and 10
        {TaskDirection::DecimalToRadix, "AA", true},    {TaskDirection::DecimalToRadix, "170", false},
        {TaskDirection::RadixToDecimal, "170", true},   {TaskDirection::RadixToDecimal, "AA", false},
        {TaskDirection::RadixToDecimal, "1010", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        Модуль1 m = taskInto(170, 16);
        m.StudentAnswer = AnswerValue(QString::fromUtf8(c.reply));
        EXPECT_EQ(IsRightPracticeAnswer(m, c.direction, QString::fromUtf8(c.reply)), c.right);
    }
}

}  // namespace
}  // namespace radixon
