#include "result_page.h"

namespace radixon {

TaskDirection DirectionOf(Int16 tasksIssued, Int16 taskTotal)
{
    const double boundary = Int(static_cast<double>(taskTotal) / 2) + 1;
    return tasksIssued < boundary ? TaskDirection::DecimalToRadix : TaskDirection::RadixToDecimal;
}

QString DecimalToRadixInstruction(Int16 radix)
{
    return QStringLiteral("Переведите из 10-й с.с. в ") + Str(radix) + QStringLiteral("-ую с.с.");
}

QString RadixToDecimalInstruction()
{
    return QStringLiteral("Переведите в 10-ую с.с. ");
}

Int16 NextCount(Int16 counter)
{
    return counter == INT16_MAX ? counter : Add16(counter, 1);
}

double TestPercentage(Int16 correctCount, Int16 taskTotal)
{
    if (taskTotal == 0)
        throw RuntimeError(RuntimeErrorKind::DivisionByZero);
    return Round(static_cast<double>(correctCount) / static_cast<double>(taskTotal) * 100, 1);
}

QString GreetingLine(const QString& studentName)
{
    return QStringLiteral("           Уважаемый  ") + studentName + QStringLiteral("!");
}

QString PossiblePointsLine(Int16 taskTotal)
{
    return QStringLiteral("   Из ") + Str(taskTotal) + QStringLiteral(" возможных баллов Вы набрали");
}

QString ScoredPointsLine(Int16 correctCount)
{
    return QStringLiteral("        ") + Str(correctCount) + QStringLiteral("   бал.  ");
}

QString PercentageLine(double percentage)
{
    return QStringLiteral("    Ваш результат:  ") + Str(percentage) + QStringLiteral(" % ");
}

QString VerdictLine(double percentage)
{
    // The bands are whole numbers compared with the rounded percentage, so
    // 59.96 is already average; checked in the order teachers wrote them.
    if (percentage < 60)
        return QStringLiteral("    Вам следует подготовиться лучше!");
    if (70 <= percentage && percentage < 90)
        return QStringLiteral("     У Вас хороший результат!");
    if (percentage >= 90)
        return QStringLiteral("     У Вас отличный результат!!!");
    return QStringLiteral("     У Вас средний результат!");
}

}  // namespace radixon
