// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion.h"

#include <algorithm>

namespace radixon {

bool ReadRadixBox(Модуль1& m, Dialogs& dialogs, const QString& box)
{
    m.Radix = ValToInt16(box).value_or(0);
    const bool asked = m.Radix < 2;
    AskRadix(m, dialogs);
    return asked;
}

void RandomTaskNumber(Модуль1& m, RandomSource& random, int span, int base)
{
    const float product = random.Rnd() * static_cast<float>(span);
    const float whole = static_cast<float>(Int(product));
    m.TaskNumber = CInt(static_cast<double>(base) + whole);
}

void AskRadix(Модуль1& m, Dialogs& dialogs)
{
    while (m.Radix < 2) {
        const QString reply = dialogs.inputBox(QStringLiteral("Введите число больше 1"),
                                               QStringLiteral("Ввод основания системы счисления"));
        m.Radix = ValToInt16(reply).value_or(0);
    }
}

void AskTaskTotal(Модуль1& m, Dialogs& dialogs, const QString& box)
{
    std::optional<Int16> count = ValToInt16(box);
    while (!count || *count % 2 != 0) {
        count = ValToInt16(dialogs.inputBox(QStringLiteral("Введите четное количество заданий"),
                                            QStringLiteral("Ввод количества заданий")));
    }
    m.TaskTotal = *count;
    m.TasksIssued = 0;
}

void ExpandDigits(Модуль1& m, const DivisionObserver& observer)
{
    m.DigitTop = 0;
    m.Dividend = m.TaskNumber;
    while (m.Dividend >= m.Radix) {
        Int16& slot = m.digit(m.DigitTop);
        if (m.Radix == 0)
            throw RuntimeError(RuntimeErrorKind::DivisionByZero);
        // 16-bit remainder truncated toward zero: it carries the dividend's sign.
        slot = static_cast<Int16>(m.Dividend % m.Radix);
        const double quotient = Int(static_cast<double>(m.Dividend) / m.Radix);
        if (observer)
            observer(m.Dividend, m.Radix, quotient, slot);
        m.DigitTop = Add16(m.DigitTop, 1);
        m.Dividend = CInt(quotient);
    }
}

QString DigitsText(const Модуль1& m)
{
    QString text = Str(m.Dividend);
    for (int i = m.DigitTop - 1; i >= 0; --i)
        text += Str(m.digit(i));
    return text;
}

void DigitsAnswer(Модуль1& m)
{
    m.RightAnswer = Val(DigitsText(m));
}

std::vector<Int16> RadixDigits(Int16 number, Int16 radix)
{
    std::vector<Int16> digits;
    int rest = number;
    if (radix >= 2) {
        while (rest >= radix) {
            digits.push_back(static_cast<Int16>(rest % radix));
            rest /= radix;
        }
    }
    digits.push_back(static_cast<Int16>(rest));
    std::reverse(digits.begin(), digits.end());
    return digits;
}

}  // namespace radixon
