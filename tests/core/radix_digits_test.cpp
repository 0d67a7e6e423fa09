// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace radixon {
namespace {

TEST(RadixDigits, WritesTheNumberMostSignificantDigitFirst)
{
    struct Case {
        const char* name;
        Int16 number;
        Int16 radix;
        std::vector<Int16> digits;
    };
    const Case cases[] = {
        {"45 in radix 2", 45, 2, {1, 0, 1, 1, 0, 1}},
        {"100 in radix 2", 100, 2, {1, 1, 0, 0, 1, 0, 0}},
        {"200 in radix 8", 200, 8, {3, 1, 0}},
        {"80 in radix 3", 80, 3, {2, 2, 2, 2}},
        {"219 in radix 16", 219, 16, {13, 11}},
        {"the radix itself", 16, 16, {1, 0}},
        {"radix above the number", 150, 300, {150}},
        {"no task yet", 0, 0, {0}},
        {"radix 1 divides nothing", 100, 1, {100}},
        {"negative radix divides nothing", 100, -4, {100}},
        {"largest 16-bit number", 32767, 2, std::vector<Int16>(15, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RadixDigits(c.number, c.radix), c.digits);
    }
}

TEST(RadixDigits, AgreesWithTheExpansionOfTheSharedState)
{
    for (Int16 radix = 2; radix <= 40; ++radix) {
        for (Int16 number = 30; number <= 269; ++number) {
            Модуль1 m;
            m.TaskNumber = number;
            m.Radix = radix;
            ExpandDigits(m);
            QString written;
            for (Int16 digit : RadixDigits(number, radix))
                written += Str(digit);
            ASSERT_EQ(written, DigitsText(m)) << number << " in radix " << radix;
        }
    }
}

}  // namespace
}  // namespace radixon
