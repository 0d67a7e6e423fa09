// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion.h"
#include "scripted_dialogs.h"
#include "sequence_random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace radixon {
namespace {

using testing::ScriptedDialogs;
using testing::SequenceRandom;

struct ExpansionCase {
    const char* name;
    Int16 number;
    Int16 radix;
    std::vector<Int16> lowDigits;  // Digits(0 .. DigitTop - 1)
    Int16 dividend;
    QString text;
    double answer;
};

TEST(ExpandDigits, WritesTheDigitsOfTheTaskNumber)
{
    const ExpansionCase cases[] = {
        {"30 in radix 2", 30, 2, {0, 1, 1, 1}, 1, " 1 1 1 1 0", 11110},
        {"45 in radix 2", 45, 2, {1, 0, 1, 1, 0}, 1, " 1 0 1 1 0 1", 101101},
        {"269 in radix 2", 269, 2, {1, 0, 1, 1, 0, 0, 0, 0}, 1, " 1 0 0 0 0 1 1 0 1", 100001101},
        {"radix 10 keeps the number", 137, 10, {7, 3}, 1, " 1 3 7", 137},
        {"219 in radix 16", 219, 16, {11}, 13, " 13 11", 1311},
        {"radix above the number", 150, 300, {}, 150, " 150", 150},
        {"100 in radix 2", 100, 2, {0, 0, 1, 0, 0, 1}, 1, " 1 1 0 0 1 0 0", 1100100},
        {"200 in radix 8", 200, 8, {0, 1}, 3, " 3 1 0", 310},
    };
    for (const ExpansionCase& c : cases) {
        SCOPED_TRACE(c.name);
        Модуль1 m;
        m.Digits.fill(9);  // slots above the expansion keep what they held
        m.TaskNumber = c.number;
        m.Radix = c.radix;
        ExpandDigits(m);
        ASSERT_EQ(m.DigitTop, static_cast<Int16>(c.lowDigits.size()));
        for (std::size_t i = 0; i < c.lowDigits.size(); ++i)
            EXPECT_EQ(m.Digits[i], c.lowDigits[i]) << "slot " << i;
        EXPECT_EQ(m.Digits[c.lowDigits.size()], 9);
        EXPECT_EQ(m.Dividend, c.dividend);
        EXPECT_EQ(DigitsText(m), c.text);
        DigitsAnswer(m);
        EXPECT_DOUBLE_EQ(m.RightAnswer, c.answer);
        EXPECT_EQ(m.TaskNumber, c.number);
        EXPECT_EQ(m.Radix, c.radix);
    }
}

TEST(ExpandDigits, TellsTheObserverEveryDivisionStep)
{
    Модуль1 m;
    m.TaskNumber = 45;
    m.Radix = 2;
    std::vector<std::vector<double>> steps;
    ExpandDigits(m, [&](Int16 dividend, Int16 radix, double quotient, Int16 remainder) {
        steps.push_back({double(dividend), double(radix), quotient, double(remainder), double(m.DigitTop)});
    });
    const std::vector<std::vector<double>> expected = {
        {45, 2, 22, 1, 0}, {22, 2, 11, 0, 1}, {11, 2, 5, 1, 2}, {5, 2, 2, 1, 3}, {2, 2, 1, 0, 4}};
    EXPECT_EQ(steps, expected);
}

TEST(ExpandDigits, RadixBelowTwoIsARuntimeErrorNotAHang)
{
    const struct {
        Int16 radix;
        RuntimeErrorKind kind;
    } cases[] = {{0, RuntimeErrorKind::DivisionByZero},
                 {1, RuntimeErrorKind::SubscriptOutOfRange},
                 {-200, RuntimeErrorKind::SubscriptOutOfRange}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radix);
        Модуль1 m;
        m.TaskNumber = 100;
        m.Radix = c.radix;
        try {
            ExpandDigits(m);
            FAIL() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), c.kind);
        }
    }
}

TEST(Module1, StartsAtZeroAndChecksDigitIndices)
{
    Модуль1 m;
    for (Int16 d : m.Digits)
        EXPECT_EQ(d, 0);
    EXPECT_EQ(m.DigitTop + m.Dividend + m.TaskNumber + m.Radix + m.TasksIssued + m.CorrectCount + m.LastAnswered +
                  m.TaskTotal,
              0);
    EXPECT_EQ(m.RightAnswer, 0);
    EXPECT_EQ(m.StudentAnswer, 0);
    EXPECT_TRUE(m.StudentName.isEmpty());
    EXPECT_NO_THROW(m.digit(20));
    EXPECT_THROW(m.digit(21), RuntimeError);
    EXPECT_THROW(m.digit(-1), RuntimeError);
}

TEST(RandomTaskNumber, CoversBaseToBasePlusSpanMinusOne)
{
    const float largestBelowOne = std::nextafter(1.0f, 0.0f);
    const struct {
        float r;
        int span, base;
        Int16 number;
    } cases[] = {
        {0.0f, 190, 30, 30},
        {largestBelowOne, 190, 30, 219},
        {0.0f, 190, 80, 80},
        {largestBelowOne, 190, 80, 269},
        {0.0f, 199, 50, 50},
        {largestBelowOne, 199, 50, 248},
        {SequenceRandom::drawing(45, 190, 30), 190, 30, 45},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        SequenceRandom random({c.r});
        Модуль1 m;
        RandomTaskNumber(m, random, c.span, c.base);
        EXPECT_EQ(m.TaskNumber, c.number);
        EXPECT_EQ(random.reseeds(), 0);
    }
}

TEST(AskRadix, AsksUntilTheReplyIsAtLeastTwo)
{
    const struct {
        const char* name;
        std::vector<QString> replies;
        Int16 radix;
    } cases[] = {
        {"1.5 rounds to 2", {"1.5"}, 2},
        {"empty, Cancel, letters, -5, 1, 1.4 are asked again", {"", QString(), "abc", "-5", "1", "1.4", "8"}, 8},
        {"3 followed by letters is 3", {"3abc"}, 3},
        {"beyond 16 bits is asked again", {"99999", "1e309", "-99999", "16"}, 16},
        {"no upper bound", {"32767"}, 32767},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs dialogs;
        for (const QString& reply : c.replies)
            dialogs.reply(reply);
        Модуль1 m;
        AskRadix(m, dialogs);
        EXPECT_EQ(m.Radix, c.radix);
        EXPECT_EQ(dialogs.unusedReplies(), 0u);
        ASSERT_EQ(dialogs.shown().size(), c.replies.size());
        for (const auto& shown : dialogs.shown()) {
            EXPECT_TRUE(shown.isInput());
            EXPECT_EQ(shown.prompt, "Введите число больше 1");
            EXPECT_EQ(shown.title, "Ввод основания системы счисления");
        }
    }
}

TEST(AskRadix, ShowsNothingWhenTheRadixIsAlreadyUsable)
{
    ScriptedDialogs dialogs;
    Модуль1 m;
    m.Radix = 2;
    AskRadix(m, dialogs);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(m.Radix, 2);
}

ScriptedDialogs replying(const std::vector<QString>& replies)
{
    ScriptedDialogs dialogs;
    for (const QString& reply : replies)
        dialogs.reply(reply);
    return dialogs;
}

// The radix box is read, and a radix below 2 asked for; the window rewrites
// the box only when it was.
TEST(ReadRadixBox, TakesTheTypedRadixOrAsksForOne)
{
    const struct {
        const char* box;
        std::vector<QString> replies;
        Int16 radix;
        bool asked;
    } cases[] = {
        {"2.5", {}, 2, false},
        {"16abc", {}, 16, false},
        {"1", {"3"}, 3, true},
        {"99999", {"", "5"}, 5, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        ScriptedDialogs dialogs = replying(c.replies);
        Модуль1 m;
        m.Radix = 7;
        EXPECT_EQ(ReadRadixBox(m, dialogs, QString::fromUtf8(c.box)), c.asked);
        EXPECT_EQ(m.Radix, c.radix);
        EXPECT_EQ(dialogs.shown().size(), c.replies.size());
    }
}

// Each row: the count box, the replies to "Введите четное количество
// заданий", and the number of tasks taken.
TEST(AskTaskTotal, AsksUntilTheCountIsEvenAndStartsTheIssueAgain)
{
    const struct {
        const char* box;
        std::vector<QString> replies;
        Int16 total;
    } cases[] = {
        {"6", {}, 6},          {"5.5", {}, 6},
        {"6.5", {}, 6},        {"", {}, 0},
        {"-4", {}, -4},        {"7", {"3", "-3", "8"}, 8},
        {"7", {QString()}, 0}, {"99999", {"1e309", "4"}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        ScriptedDialogs dialogs = replying(c.replies);
        Модуль1 m;
        m.TasksIssued = 3;
        m.CorrectCount = 2;
        m.LastAnswered = 3;
        AskTaskTotal(m, dialogs, QString::fromUtf8(c.box));
        EXPECT_EQ(m.TaskTotal, c.total);
        EXPECT_EQ(m.TasksIssued, 0);
        EXPECT_EQ(m.CorrectCount, 2);
        EXPECT_EQ(m.LastAnswered, 3);
        ASSERT_EQ(dialogs.shown().size(), c.replies.size());
        for (const auto& shown : dialogs.shown()) {
            EXPECT_EQ(shown.prompt, "Введите четное количество заданий");
            EXPECT_EQ(shown.title, "Ввод количества заданий");
        }
    }
}

}  // namespace
}  // namespace radixon
