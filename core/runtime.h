// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace radixon {

using Int16 = std::int16_t;

enum class RuntimeErrorKind { Overflow, SubscriptOutOfRange, DivisionByZero };

// A fault that stops the click that met it; the guard around every handler
// reports it and the program carries on.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(RuntimeErrorKind kind);
    RuntimeErrorKind kind() const { return kind_; }
    // The Russian text the pupil sees in the message box (what() holds it in
    // UTF-8).
    QString message() const;

private:
    RuntimeErrorKind kind_;
};

// Whether Val skips the character wherever it stands: a blank, a tab or a
// line feed.
bool SkippedByVal(QChar c);

// The value of a digit character: 0-9, then the letters A-Z, in either case,
// for 10-35; -1 for any other character.
int DigitValue(char16_t c);

// The number at the start of a text. Blanks, tabs and line feeds are skipped
// anywhere, reading stops at the first character that cannot continue the
// number, and a text with no digits gives 0. "&H" and "&O" introduce hex and
// octal numbers. A number too large for a double is an overflow.
double Val(const QString& text);

// The value of a typed answer: Val, except that a number too large for a
// double reads as an infinity of its sign. No task has such an answer, so the
// pupil is simply told it is wrong instead of meeting an overflow.
double AnswerValue(const QString& text);

// The text of a number with a leading blank when it is not negative
// (" 5", "-5", " 83.3", " .5", " 1E+15").
QString Str(double value);

// Conversion to a 16-bit integer: to the nearest whole number, halves to the
// even one; outside -32768..32767 (or not a number) it is an overflow.
Int16 CInt(double value);

// Val followed by CInt, or nothing when the text's value cannot be held in
// 16 bits (including a value too large for a double).
std::optional<Int16> ValToInt16(const QString& text);

// The largest whole number not above the value.
double Int(double value);

// Rounds to the given number of decimal places, halves to the even digit.
double Round(double value, int places);

// Format(value, "########"): the whole number's digits, no padding; zero gives
// the empty text, as the pattern has no mandatory digit.
QString FormatDigits(double value);

// value + delta held in 16 bits; an overflow when it does not fit.
Int16 Add16(Int16 value, int delta);

}  // namespace radixon
