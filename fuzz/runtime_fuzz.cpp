// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the text-to-number path every dialog reply and text box
// goes through: Val, AnswerValue, CInt / ValToInt16, Str and Round. Each input is read both
// as UTF-8 and as raw UTF-16 code units (lone surrogates included), and the
// properties below must hold for every text; a broken one aborts the run.
#include "runtime.h"

#include <QString>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

using namespace radixon;

namespace {

[[noreturn]] void fail(const char* what, const QString& text, double value)
{
    std::fprintf(stderr, "property broken: %s\n  text (UTF-8): \"%s\"\n  value: %.17g\n", what,
                 text.toUtf8().constData(), value);
    std::abort();
}

#define CHECK(cond, text, value)                                                                                       \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            fail(#cond, text, value);                                                                                  \
    } while (0)

bool skipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool digit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// An independent reading of the decimal prefix through the C library: the
// numeral the text starts with (blanks removed), or nothing when the text
// starts with "&" and so is a hex/octal literal this oracle does not cover.
struct Oracle {
    bool covered = false;
    bool overflow = false;
    double value = 0;
};

Oracle decimalOracle(const QString& text)
{
    std::u16string s;
    for (QChar c : text)
        if (!skipped(c.unicode()))
            s.push_back(c.unicode());
    Oracle o;
    if (!s.empty() && s[0] == u'&')
        return o;
    std::string n;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        n.push_back(static_cast<char>(s[i++]));
    bool any = false;
    while (i < s.size() && digit(s[i])) {
        n.push_back(static_cast<char>(s[i++]));
        any = true;
    }
    if (i < s.size() && s[i] == u'.') {
        n.push_back('.');
        ++i;
        while (i < s.size() && digit(s[i])) {
            n.push_back(static_cast<char>(s[i++]));
            any = true;
        }
    }
    o.covered = true;
    if (!any)
        return o;  // no digits: 0
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        std::string e = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            e.push_back(static_cast<char>(s[j++]));
        const std::size_t first = j;
        while (j < s.size() && digit(s[j]))
            e.push_back(static_cast<char>(s[j++]));
        if (j > first)
            n += e;
    }
    errno = 0;
    const double v = std::strtod(n.c_str(), nullptr);
    o.overflow = std::isinf(v);
    o.value = v;
    return o;
}

// What Str must produce for a finite value: 15 significant digits.
double fifteenDigits(double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", v);
    return std::strtod(buffer, nullptr);
}

void checkConversions(double v, const QString& text)
{
    // CInt: the nearest whole number, halves to even, or an overflow exactly
    // when that number is outside 16 bits.
    const double nearest = std::nearbyint(v);
    const bool fits = nearest >= -32768.0 && nearest <= 32767.0;
    std::optional<Int16> converted;
    try {
        converted = CInt(v);
    } catch (const RuntimeError& e) {
        CHECK(e.kind() == RuntimeErrorKind::Overflow, text, v);
    }
    CHECK(converted.has_value() == fits, text, v);
    if (converted) {
        CHECK(*converted >= -32768 && *converted <= 32767, text, v);
        CHECK(std::fabs(*converted - v) <= 0.5, text, v);
        if (std::fabs(*converted - v) == 0.5)
            CHECK(*converted % 2 == 0, text, v);
    }

    // Str: a leading blank unless negative, and Val reads it back as the
    // value to Str's 15 significant digits; Str of that is the same text.
    // Within 5e-16 of the largest double those 15 digits round past it, and
    // reading them back is then an overflow.
    const QString s = Str(v);
    CHECK(!s.isEmpty(), text, v);
    CHECK((s.at(0) == u'-') == (v < 0), text, v);
    CHECK(v < 0 || s.at(0) == u' ', text, v);
    const double expected = fifteenDigits(v);
    double back = 0;
    bool backOverflow = false;
    try {
        back = Val(s);
    } catch (const RuntimeError&) {
        backOverflow = true;
    }
    CHECK(backOverflow == std::isinf(expected), s, v);
    if (!backOverflow && std::fpclassify(v) != FP_SUBNORMAL) {
        CHECK(back == expected, s, v);
        CHECK(Str(back) == s, s, v);
    }

    // Round: within half a unit of the last kept place, and Round(v, 0) is
    // the whole number CInt rounds to.
    CHECK(Round(v, 0) == nearest, text, v);
    for (int places = 0; places <= 15; places += 3) {
        const double scale = std::pow(10.0, places);
        if (!std::isfinite(v * scale) || std::fabs(v * scale) >= 9007199254740992.0)
            continue;
        const double r = Round(v, places);
        CHECK(std::isfinite(r), text, v);
        CHECK(std::fabs(r - v) <= 0.5 / scale * (1 + 1e-9) + std::fabs(v) * 1e-15, text, v);
    }

    // Int: the largest whole number not above the value.
    const double whole = Int(v);
    CHECK(whole <= v && (whole == v || whole + 1 > v) && std::trunc(whole) == whole, text, v);
}

void checkText(const QString& text)
{
    double v = 0;
    bool overflow = false;
    try {
        v = Val(text);
    } catch (const RuntimeError& e) {
        CHECK(e.kind() == RuntimeErrorKind::Overflow, text, 0);
        overflow = true;
    }
    const std::optional<Int16> viaInt16 = ValToInt16(text);

    // A typed answer never raises: it is Val, or an infinity where Val
    // overflows, so it can only be judged wrong.
    double answer = 0;
    try {
        answer = AnswerValue(text);
    } catch (const RuntimeError&) {
        fail("AnswerValue raised a runtime error", text, 0);
    }
    if (overflow)
        CHECK(std::isinf(answer), text, answer);
    else
        CHECK(answer == v, text, answer);

    if (overflow) {
        CHECK(!viaInt16.has_value(), text, 0);
    } else {
        CHECK(std::isfinite(v), text, v);
        const double nearest = std::nearbyint(v);
        const bool fits = nearest >= -32768.0 && nearest <= 32767.0;
        CHECK(viaInt16.has_value() == fits, text, v);
        if (fits)
            CHECK(*viaInt16 == static_cast<Int16>(nearest), text, v);
        checkConversions(v, text);
    }

    const Oracle o = decimalOracle(text);
    if (o.covered) {
        CHECK(overflow == o.overflow, text, o.value);
        if (overflow)
            CHECK(std::signbit(answer) == std::signbit(o.value), text, o.value);
        // Values below the smallest normal double are read as 0 or as the
        // subnormal; either is harmless, anything else must match exactly.
        if (!overflow && std::fabs(o.value) >= 2.2250738585072014e-308)
            CHECK(v == o.value, text, o.value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkText(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (size >= 2) {
        QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
        std::memcpy(units.data(), data, (size / 2) * 2);
        checkText(units);
    }
    // Eight bytes are also taken as a double, to reach values no text gives.
    if (size == 8) {
        double v;
        std::memcpy(&v, data, 8);
        if (std::isfinite(v))
            checkConversions(v, QStringLiteral("<raw double>"));
    }
    return 0;
}
