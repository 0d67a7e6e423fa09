// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace radixon {

namespace {

QString messageOf(RuntimeErrorKind kind)
{
    switch (kind) {
    case RuntimeErrorKind::Overflow:
        return QStringLiteral("Ошибка выполнения: переполнение");
    case RuntimeErrorKind::SubscriptOutOfRange:
        return QStringLiteral("Ошибка выполнения: индекс за пределами допустимого диапазона");
    case RuntimeErrorKind::DivisionByZero:
        return QStringLiteral("Ошибка выполнения: деление на ноль");
    }
    return QStringLiteral("Ошибка выполнения");
}

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// "&H7FFF" and "&O17": up to 4 hex digits (or 6 octal) are a 16-bit pattern,
// longer ones a 32-bit pattern; anything larger is an overflow.
double radixLiteral(const std::u16string& s, std::size_t pos, int base)
{
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (; pos < s.size(); ++pos) {
        const int v = DigitValue(s[pos]);
        if (v < 0 || v >= base)
            break;
        if (value == 0 && v == 0)
            continue;  // leading zeros do not widen the pattern
        value = value * base + v;
        ++digits;
        if (value > 0xFFFFFFFFull)
            throw RuntimeError(RuntimeErrorKind::Overflow);
    }
    if (value <= 0xFFFF && (base == 16 ? digits <= 4 : value <= 0177777))
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// An ASCII decimal number ("-12.5e3") as a double.
std::errc readDouble(const std::string& number, double& value)
{
#ifdef __cpp_lib_to_chars
    return std::from_chars(number.data(), number.data() + number.size(), value).ec;
#else
    // libc++ before 17 (the web build's) reads no double: the C library's
    // strtod does, and Emscripten's reads '.' whatever the locale.
    char* end = nullptr;
    errno = 0;
    value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size())
        return std::errc::invalid_argument;
    return errno == ERANGE ? std::errc::result_out_of_range : std::errc();
#endif
}

}  // namespace

bool SkippedByVal(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

int DigitValue(char16_t c)
{
    if (isAsciiDigit(c))
        return c - u'0';
    if (c >= u'A' && c <= u'Z')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 10;
    return -1;
}

RuntimeError::RuntimeError(RuntimeErrorKind kind) : std::runtime_error(messageOf(kind).toStdString()), kind_(kind)
{}

QString RuntimeError::message() const
{
    return QString::fromStdString(what());
}

double Val(const QString& text)
{
    std::u16string s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!SkippedByVal(c))
            s.push_back(c.unicode());

    std::size_t pos = 0;
    if (s.size() >= 2 && s[0] == u'&') {
        if (s[1] == u'H' || s[1] == u'h')
            return radixLiteral(s, 2, 16);
        if (s[1] == u'O' || s[1] == u'o')
            return radixLiteral(s, 2, 8);
        return 0;
    }

    // Collect the longest numeric prefix as plain ASCII for from_chars.
    std::string number;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) {
        if (s[pos] == u'-')
            number.push_back('-');
        ++pos;
    }
    bool anyDigit = false;
    long long magnitude = 0;  // decimal exponent of the leading digit, roughly
    bool significant = false;
    while (pos < s.size() && isAsciiDigit(s[pos])) {
        if (s[pos] != u'0')
            significant = true;
        if (significant)
            ++magnitude;
        number.push_back(static_cast<char>(s[pos++]));
        anyDigit = true;
    }
    if (pos < s.size() && s[pos] == u'.') {
        number.push_back('.');
        ++pos;
        while (pos < s.size() && isAsciiDigit(s[pos])) {
            // Zeros after the point and before the first significant digit
            // lower the magnitude, so "0.5e309" still counts as an overflow.
            if (s[pos] != u'0')
                significant = true;
            else if (!significant)
                --magnitude;
            number.push_back(static_cast<char>(s[pos++]));
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    if (pos < s.size() && (s[pos] == u'E' || s[pos] == u'e' || s[pos] == u'D' || s[pos] == u'd')) {
        std::size_t expPos = pos + 1;
        std::string exponent = "e";
        if (expPos < s.size() && (s[expPos] == u'+' || s[expPos] == u'-'))
            exponent.push_back(static_cast<char>(s[expPos++]));
        const std::size_t firstExpDigit = expPos;
        while (expPos < s.size() && isAsciiDigit(s[expPos]))
            exponent.push_back(static_cast<char>(s[expPos++]));
        if (expPos > firstExpDigit) {
            number += exponent;
            // Keep a rough magnitude for telling overflow from underflow.
            long long e = 0;
            for (std::size_t i = firstExpDigit; i < expPos && e < 1000000000000000LL; ++i)
                e = e * 10 + (s[i] - u'0');
            magnitude += exponent[1] == '-' ? -e : e;
        }
    }

    double value = 0;
    const std::errc ec = readDouble(number, value);
    if (ec == std::errc::result_out_of_range) {
        if (significant && magnitude > 0)
            throw RuntimeError(RuntimeErrorKind::Overflow);
        return number.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || !std::isfinite(value))
        throw RuntimeError(RuntimeErrorKind::Overflow);
    return value == 0 ? 0.0 : value;
}

double AnswerValue(const QString& text)
{
    try {
        return Val(text);
    } catch (const RuntimeError&) {
        for (QChar c : text) {
            if (!SkippedByVal(c))
                return c == u'-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
        }
        return std::numeric_limits<double>::infinity();
    }
}

QString Str(double value)
{
    if (value == 0)
        return QStringLiteral(" 0");
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text(buffer);
    // The runtime drops the zero before the decimal point: " .5", "-.25".
    if (text.rfind("0.", 0) == 0)
        text.erase(0, 1);
    else if (text.rfind("-0.", 0) == 0)
        text.erase(1, 1);
    if (text.front() != '-')
        text.insert(text.begin(), ' ');
    return QString::fromLatin1(text.c_str());
}

Int16 CInt(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeErrorKind::Overflow);
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        throw RuntimeError(RuntimeErrorKind::Overflow);
    return static_cast<Int16>(rounded);
}

std::optional<Int16> ValToInt16(const QString& text)
{
    try {
        return CInt(Val(text));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

double Int(double value)
{
    return std::floor(value);
}

double Round(double value, int places)
{
    const double scale = std::pow(10.0, places);
    return std::nearbyint(value * scale) / scale;
}

QString FormatDigits(double value)
{
    const double whole = std::round(value);
    if (whole == 0)
        return QString();
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    return QString::fromLatin1(buffer);
}

Int16 Add16(Int16 value, int delta)
{
    const long long sum = static_cast<long long>(value) + delta;
    if (sum < std::numeric_limits<Int16>::min() || sum > std::numeric_limits<Int16>::max())
        throw RuntimeError(RuntimeErrorKind::Overflow);
    return static_cast<Int16>(sum);
}

}  // namespace radixon
