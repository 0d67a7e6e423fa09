#pragma once

#include "runtime.h"

#include <QString>

namespace radixon {

// The two halves of a test: first decimal numbers into the radix, then numbers
// written in the radix back into decimal.
enum class TaskDirection { DecimalToRadix, RadixToDecimal };

// The half task `tasksIssued` of a test of `taskTotal` tasks belongs to. The
// boundary Int(taskTotal / 2) + 1 is taken in floating point, so an odd or
// negative total still splits somewhere instead of failing.
TaskDirection DirectionOf(Int16 tasksIssued, Int16 taskTotal);

// Label2's instruction for each half.
QString DecimalToRadixInstruction(Int16 radix);
QString RadixToDecimalInstruction();

// A test counter raised by one. It stops at 32767: a pupil who keeps pressing
// past the end only keeps being told to look at the result.
Int16 NextCount(Int16 counter);

// Right answers out of the possible points (one per task, issued or not), in
// per cent rounded to one decimal with halves to the even digit. The total
// must not be 0.
double TestPercentage(Int16 correctCount, Int16 taskTotal);

// The text lines of the result page, blanks as the teacher expects to see them.
QString GreetingLine(const QString& studentName);
QString PossiblePointsLine(Int16 taskTotal);
QString ScoredPointsLine(Int16 correctCount);
QString PercentageLine(double percentage);
QString VerdictLine(double percentage);

}  // namespace radixon
