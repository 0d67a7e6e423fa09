// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutions.h"

#include "conversion.h"

#include <QStringList>

#include <cmath>
#include <vector>

namespace radixon {

namespace {

// The number in the radix at the head of the sum. Up to radix 10 every digit
// is one character and the digits run together as one numeral; above it they
// stay apart, as the task showed them, or 13 and 11 would read as 1311.
QString numberInRadix(const std::vector<Int16>& digits, Int16 radix)
{
    QStringList written;
    for (Int16 digit : digits)
        written << QString::number(digit);
    return u' ' + written.join(radix > 10 ? QStringLiteral(" ") : QString()) + u' ';
}

void printPowersWrittenOut(PrintModel& page, const std::vector<Int16>& digits, Int16 radix)
{
    const int topPower = static_cast<int>(digits.size()) - 1;
    page.print({PrintItem::text(numberInRadix(digits, radix)), PrintItem::text(QStringLiteral(" = "))},
               LineEnd::Continue);
    for (int k = 0; k < topPower; ++k)
        page.print({PrintItem::number(digits[k]), PrintItem::text(QStringLiteral("*")), PrintItem::number(radix),
                    PrintItem::text(QStringLiteral("^")), PrintItem::number(topPower - k),
                    PrintItem::text(QStringLiteral("+"))},
                   LineEnd::Continue);
    page.print({PrintItem::text(QString::number(digits.back())), PrintItem::text(QStringLiteral(" * ")),
                PrintItem::number(radix), PrintItem::text(QStringLiteral(" ^0")),
                PrintItem::text(QStringLiteral(" = "))});
}

void printPowersEvaluated(PrintModel& page, const std::vector<Int16>& digits, double radix, Int16 taskNumber)
{
    const int topPower = static_cast<int>(digits.size()) - 1;
    page.print({PrintItem::text(QStringLiteral(" = "))}, LineEnd::Continue);
    for (int k = 0; k < topPower; ++k)
        page.print({PrintItem::number(digits[k]), PrintItem::text(QStringLiteral("*")),
                    PrintItem::number(std::pow(radix, topPower - k)), PrintItem::text(QStringLiteral(" + "))},
                   LineEnd::Continue);
    // Radix to the power 0 is 1 for every radix, 0 included.
    page.print({PrintItem::number(digits.back() * std::pow(radix, 0)), PrintItem::text(QStringLiteral(" = ")),
                PrintItem::number(taskNumber)});
}

}  // namespace

std::optional<QString> NoDivisionTableYet(const Модуль1& m)
{
    if (m.Radix >= 2)
        return std::nullopt;
    return QStringLiteral("Сначала задайте число!");
}

PrintModel ExpandIntoDivisionTable(Модуль1& m)
{
    PrintModel page;
    // One row a division step: the dividend, the radix, the quotient and, in
    // brackets, the remainder.
    ExpandDigits(m, [&page](Int16 dividend, Int16 radix, double quotient, Int16 remainder) {
        page.print({PrintItem::text(FormatDigits(dividend)), PrintItem::text(QStringLiteral("  :    ")),
                    PrintItem::number(radix), PrintItem::text(QStringLiteral(" = ")), PrintItem::number(quotient),
                    PrintItem::text(QStringLiteral("(")), PrintItem::number(remainder),
                    PrintItem::text(QStringLiteral(")"))});
    });
    // The last quotient is the top digit: with it Digits holds the whole answer.
    m.digit(m.DigitTop) = m.Dividend;

    page.print({});
    page.print({PrintItem::text(
        QStringLiteral(" К посдеднему частному припишем последовательно остатки, начиная с последнего"))});
    page.print({});
    page.print({PrintItem::text(QStringLiteral("ОТВЕТ:"))});
    page.print({});
    for (int i = m.DigitTop; i >= 0; --i)
        page.print({PrintItem::number(m.digit(i))}, LineEnd::Continue);
    return page;
}

PrintModel ExpandedSum(const Модуль1& m)
{
    // The digits are worked out afresh from the task's number rather than read
    // back from RightAnswer: that would split a digit above 9 into two, and
    // after a test task RightAnswer holds the decimal number itself.
    const std::vector<Int16> digits = RadixDigits(m.TaskNumber, m.Radix);
    PrintModel page;
    printPowersWrittenOut(page, digits, m.Radix);
    printPowersEvaluated(page, digits, m.Radix, m.TaskNumber);
    page.print({});
    page.print({PrintItem::text(QStringLiteral("ОТВЕТ:")), PrintItem::number(m.TaskNumber)});
    return page;
}

}  // namespace radixon
