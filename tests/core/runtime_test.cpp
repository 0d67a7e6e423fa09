// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace radixon {
namespace {

struct ValCase {
    const char* name;
    QString text;
    double value;
};

TEST(Val, ReadsTheNumberAtTheStartOfAText)
{
    const ValCase cases[] = {
        {"plain", "45", 45},
        {"leading blank", " 2", 2},
        {"blanks between digits", "1 0 1 1 0 1", 101101},
        {"tabs and line feeds skipped too", "1\t0\n1", 101},
        {"trailing zero fraction", "101.0", 101},
        {"letters after the number", "100руб", 100},
        {"point in the middle", "10.1.1", 10.1},
        {"digits after a second point ignored", "1.5.9", 1.5},
        {"nothing numeric", "абв", 0},
        {"empty", "", 0},
        {"only blanks", "   ", 0},
        {"sign and blanks", " - 5", -5},
        {"plus sign", "+7", 7},
        {"fraction without leading zero", ".5", 0.5},
        {"exponent", "1E3", 1000},
        {"D exponent", "2d2", 200},
        {"bare exponent letter", "3e", 3},
        {"comma stops the number", "1,5", 1},
        {"hex 16-bit pattern", "&H7FFF", 32767},
        {"hex all ones is -1", "&HFFFF", -1},
        {"octal", "&O17", 15},
        {"NaN is no number", "NaN", 0},
        {"inf is no number", "inf", 0},
        {"full-width digits are not digits", "１２", 0},
        {"Arabic-Indic digits are not digits", "١٢", 0},
        {"carriage return stops", "1\r2", 1},
        {"tiny underflows to zero", "1e-400", 0},
    };
    for (const ValCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(Val(c.text), c.value);
    }
}

TEST(Val, NumberTooLargeForADoubleIsAnOverflow)
{
    for (const char* text : {"1e309", "-1e309", "99999999999999999999e300"}) {
        SCOPED_TRACE(text);
        try {
            Val(QString::fromUtf8(text));
            FAIL() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), RuntimeErrorKind::Overflow);
        }
    }
    EXPECT_THROW(Val(QString(400, u'9')), RuntimeError);
}

TEST(Val, VeryLongDigitStringOverflows)
{
    EXPECT_THROW(Val(QString(100000, u'7')), RuntimeError);
    EXPECT_DOUBLE_EQ(Val(QString(100000, u'x')), 0);
}

TEST(AnswerValue, NumberBeyondADoubleIsAnInfinityNotAnError)
{
    EXPECT_EQ(AnswerValue(QString(100000, u'9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(AnswerValue(" \t-1e309"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(AnswerValue("&H123456789"), std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(AnswerValue("1 0 1"), 101);
    EXPECT_DOUBLE_EQ(AnswerValue(""), 0);
}

TEST(Str, WritesALeadingBlankForNumbersThatAreNotNegative)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, " 0"},         {2, " 2"},
        {-5, "-5"},        {83.3, " 83.3"},
        {60, " 60"},       {100, " 100"},
        {6.2, " 6.2"},     {-6.2, "-6.2"},
        {66.7, " 66.7"},   {101101, " 101101"},
        {0.5, " .5"},      {-0.25, "-.25"},
        {1e15, " 1E+15"},  {123456789012345, " 123456789012345"},
        {32767, " 32767"}, {-32768, "-32768"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Str(c.value), QString::fromLatin1(c.text));
    }
}

TEST(CInt, RoundsToNearestWithHalvesToEven)
{
    const struct {
        double value;
        Int16 result;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2},       {3.5, 4},         {-0.5, 0},        {-1.5, -2},
        {1.4, 1}, {2.6, 3}, {32767, 32767}, {-32768, -32768}, {32767.4, 32767}, {-32768.5, -32768},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(CInt(c.value), c.result);
    }
}

TEST(CInt, OutsideSixteenBitsIsAnOverflow)
{
    for (double value : {32767.5, 32768.0, -32768.6, -32769.0, 1e300, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(value);
        EXPECT_THROW(CInt(value), RuntimeError);
    }
    EXPECT_FALSE(ValToInt16("99999").has_value());
    EXPECT_FALSE(ValToInt16("1e309").has_value());
    EXPECT_EQ(ValToInt16(" 16"), Int16{16});
}

TEST(Add16, CounterAtTheTopOverflows)
{
    EXPECT_EQ(Add16(32766, 1), 32767);
    try {
        Add16(32767, 1);
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), RuntimeErrorKind::Overflow);
        EXPECT_EQ(error.message(), "Ошибка выполнения: переполнение");
    }
}

TEST(Round, OneDecimalHalvesToEven)
{
    EXPECT_DOUBLE_EQ(Round(6.25, 1), 6.2);
    EXPECT_DOUBLE_EQ(Round(68.75, 1), 68.8);
    EXPECT_DOUBLE_EQ(Round(93.75, 1), 93.8);
    EXPECT_DOUBLE_EQ(Round(1799.0 / 3000.0 * 100.0, 1), 60);
    EXPECT_DOUBLE_EQ(Round(899.0 / 1000.0 * 100.0, 1), 89.9);
    EXPECT_DOUBLE_EQ(Round(4.0 / 6.0 * 100.0, 1), 66.7);
}

TEST(IntAndFormat, WholeNumbers)
{
    EXPECT_DOUBLE_EQ(Int(22.5), 22);
    EXPECT_DOUBLE_EQ(Int(-0.5), -1);
    EXPECT_EQ(FormatDigits(45), "45");
    EXPECT_EQ(FormatDigits(219), "219");
    EXPECT_EQ(FormatDigits(-7), "-7");
    EXPECT_EQ(FormatDigits(0), "");
}

}  // namespace
}  // namespace radixon
