// SPDX-License-Identifier: GPL-3.0-or-later
#include "module1.h"

namespace radixon {

namespace {
void checkIndex(int index)
{
    if (index < 0 || index >= Модуль1::DigitSlots)
        throw RuntimeError(RuntimeErrorKind::SubscriptOutOfRange);
}
}  // namespace

Int16& Модуль1::digit(int index)
{
    checkIndex(index);
    return Digits[static_cast<std::size_t>(index)];
}

Int16 Модуль1::digit(int index) const
{
    checkIndex(index);
    return Digits[static_cast<std::size_t>(index)];
}

}  // namespace radixon
