// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutions.h"

#include <gtest/gtest.h>

namespace radixon {
namespace {

const QString Instruction =
    QStringLiteral(" К посдеднему частному припишем последовательно остатки, начиная с последнего");

TEST(DivisionTable, NeedsATaskFirst)
{
    Модуль1 m;
    for (const Int16 radix : {0, 1}) {
        m.Radix = radix;
        EXPECT_EQ(NoDivisionTableYet(m), QStringLiteral("Сначала задайте число!")) << radix;
    }
    m.Radix = 2;
    EXPECT_EQ(NoDivisionTableYet(m), std::nullopt);
}

TEST(DivisionTable, PrintsOneRowPerDivisionThenTheDigits)
{
    const struct {
        const char* name;
        Int16 number;
        Int16 radix;
        QStringList rows;
        QString digits;
    } cases[] = {
        {"45 in radix 2",
         45,
         2,
         {QStringLiteral("45  :     2  =  22 ( 1 )"), QStringLiteral("22  :     2  =  11 ( 0 )"),
          QStringLiteral("11  :     2  =  5 ( 1 )"), QStringLiteral("5  :     2  =  2 ( 1 )"),
          QStringLiteral("2  :     2  =  1 ( 0 )")},
         QStringLiteral(" 1  0  1  1  0  1 ")},
        {"219 in radix 16", 219, 16, {QStringLiteral("219  :     16  =  13 ( 11 )")}, QStringLiteral(" 13  11 ")},
        {"radix above the number", 150, 300, {}, QStringLiteral(" 150 ")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Модуль1 m;
        m.Digits.fill(7);
        m.DigitTop = 9;
        m.Dividend = 3;
        m.TaskNumber = c.number;
        m.Radix = c.radix;
        m.RightAnswer = 42;

        const PrintModel page = ExpandIntoDivisionTable(m);
        const QStringList expected =
            c.rows + QStringList{QString(), Instruction, QString(), QStringLiteral("ОТВЕТ:"), QString(), c.digits};
        EXPECT_EQ(page.lines(), expected);
        // The division is done again from TaskNumber, and the last quotient
        // joins the remainders: Digits holds every digit.
        EXPECT_EQ(m.DigitTop, c.rows.size());
        EXPECT_EQ(m.Digits[m.DigitTop], m.Dividend);
        EXPECT_EQ(m.Digits[m.DigitTop + 1], 7);
        EXPECT_EQ(m.TaskNumber, c.number);
        EXPECT_EQ(m.RightAnswer, 42);
    }
}

TEST(ExpandedSum, WritesThePowersOutThenWorksThemOut)
{
    const struct {
        const char* name;
        Int16 number;
        Int16 radix;
        double rightAnswer;
        QStringList lines;
    } cases[] = {
        {"100 in radix 2",
         100,
         2,
         1100100,
         {QStringLiteral(" 1100100  =  1 * 2 ^ 6 + 1 * 2 ^ 5 + 0 * 2 ^ 4 + 0 * 2 ^ 3 + 1 * 2 ^ 2 + 0 * 2 ^ 1 +0 *  2  "
                         "^0 = "),
          QStringLiteral(" =  1 * 64  +  1 * 32  +  0 * 16  +  0 * 8  +  1 * 4  +  0 * 2  +  0  =  100 "), QString(),
          QStringLiteral("ОТВЕТ: 100 ")}},
        {"200 in radix 8",
         200,
         8,
         310,
         {QStringLiteral(" 310  =  3 * 8 ^ 2 + 1 * 8 ^ 1 +0 *  8  ^0 = "),
          QStringLiteral(" =  3 * 64  +  1 * 8  +  0  =  200 "), QString(), QStringLiteral("ОТВЕТ: 200 ")}},
        {"80 in radix 3",
         80,
         3,
         2222,
         {QStringLiteral(" 2222  =  2 * 3 ^ 3 + 2 * 3 ^ 2 + 2 * 3 ^ 1 +2 *  3  ^0 = "),
          QStringLiteral(" =  2 * 27  +  2 * 9  +  2 * 3  +  2  =  80 "), QString(), QStringLiteral("ОТВЕТ: 80 ")}},
        // Above radix 10 a digit of two characters stays one term, and the
        // number at the head is written as the task showed it, digits apart.
        {"219 in radix 16",
         219,
         16,
         1311,
         {QStringLiteral(" 13 11  =  13 * 16 ^ 1 +11 *  16  ^0 = "), QStringLiteral(" =  13 * 16  +  11  =  219 "),
          QString(), QStringLiteral("ОТВЕТ: 219 ")}},
        {"radix above the number",
         150,
         300,
         150,
         {QStringLiteral(" 150  = 150 *  300  ^0 = "), QStringLiteral(" =  150  =  150 "), QString(),
          QStringLiteral("ОТВЕТ: 150 ")}},
        // A radix-to-decimal task of the test leaves the decimal number itself
        // as the expected answer; the sum still shows the radix digits.
        {"expected answer in decimal",
         200,
         8,
         200,
         {QStringLiteral(" 310  =  3 * 8 ^ 2 + 1 * 8 ^ 1 +0 *  8  ^0 = "),
          QStringLiteral(" =  3 * 64  +  1 * 8  +  0  =  200 "), QString(), QStringLiteral("ОТВЕТ: 200 ")}},
        {"before any task",
         0,
         0,
         0,
         {QStringLiteral(" 0  = 0 *  0  ^0 = "), QStringLiteral(" =  0  =  0 "), QString(),
          QStringLiteral("ОТВЕТ: 0 ")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Модуль1 m;
        m.TaskNumber = c.number;
        m.Radix = c.radix;
        m.RightAnswer = c.rightAnswer;
        EXPECT_EQ(ExpandedSum(m).lines(), c.lines);
    }
}

}  // namespace
}  // namespace radixon
