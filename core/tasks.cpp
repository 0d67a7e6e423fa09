#include "tasks.h"

#include "conversion.h"

namespace radixon {

QString TaskAsShown(const Модуль1& m, TaskDirection direction)
{
    return direction == TaskDirection::DecimalToRadix ? Str(m.TaskNumber) : DigitsText(m);
}

bool IsRightPracticeAnswer(const Модуль1& m, TaskDirection direction, const QString&)
{
    if (direction == TaskDirection::DecimalToRadix)
        return m.StudentAnswer == m.RightAnswer;
    return m.StudentAnswer == m.TaskNumber;
}

}  // namespace radixon
