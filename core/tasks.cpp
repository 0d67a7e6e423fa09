// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks.h"

#include "conversion.h"

#include <optional>

namespace radixon {

QString TaskInstruction(TaskDirection direction, Int16 radix)
{
    if (direction == TaskDirection::DecimalToRadix)
        return QStringLiteral("Переведите из 10-й с.с. в ") + Str(radix) + QStringLiteral("-ую с.с.");
    return QStringLiteral("Переведите в 10-ую с.с. ");
}

QString TaskAsShown(const Модуль1& m, TaskDirection direction)
{
    return direction == TaskDirection::DecimalToRadix ? Str(m.TaskNumber) : DigitsText(m);
}

bool IsRightPracticeAnswer(const Модуль1& m, TaskDirection direction, const QString& reply)
{
    if (direction == TaskDirection::DecimalToRadix)
        return m.StudentAnswer == m.RightAnswer || WritesTaskInLetterDigits(m, reply);
    return m.StudentAnswer == m.TaskNumber;
}

namespace {

// The value of one digit character, or -1 for any other character.
int digitValue(QChar c)
{
    // A Cyrillic letter that looks like a Latin one counts as that letter.
    const qsizetype lookAlike = QStringView(u"АаВСсЕе").indexOf(c);
    return DigitValue(lookAlike < 0 ? c.unicode() : u"AaBCcEe"[lookAlike]);
}

// The number the reply writes in `radix`, one character a digit, blanks as
// Val skips them; nothing for any other reply, or a number beyond 16 bits.
std::optional<int> letterNumeral(const QString& reply, int radix)
{
    int value = 0;
    bool anyDigit = false;
    for (QChar c : reply) {
        if (SkippedByVal(c))
            continue;
        const int digit = digitValue(c);
        if (digit < 0 || digit >= radix)
            return std::nullopt;
        value = value * radix + digit;
        if (value > 32767)
            return std::nullopt;
        anyDigit = true;
    }
    return anyDigit ? std::optional<int>(value) : std::nullopt;
}

// What a task that asks for `number` written in `radix` expects.
double digitsNumeral(Int16 number, Int16 radix)
{
    QString numeral;
    for (Int16 digit : RadixDigits(number, radix))
        numeral += QString::number(digit);
    return Val(numeral);
}

}  // namespace

bool WritesTaskInLetterDigits(const Модуль1& m, const QString& reply)
{
    // Up to radix 10 the digits are the decimal ones and the numeral is the
    // answer; a task in the other direction expects a decimal number.
    if (m.Radix <= 10 || m.RightAnswer != digitsNumeral(m.TaskNumber, m.Radix))
        return false;
    const std::optional<int> value = letterNumeral(reply, m.Radix);
    return value && *value == m.TaskNumber;
}

}  // namespace radixon
