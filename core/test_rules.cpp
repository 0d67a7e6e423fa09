// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_rules.h"

namespace radixon {

namespace {

// The half task `tasksIssued` of a test of `taskTotal` tasks belongs to. The
// boundary Int(taskTotal / 2) + 1 is taken in floating point, so an odd or
// negative total still splits somewhere instead of failing.
TaskDirection DirectionOf(Int16 tasksIssued, Int16 taskTotal)
{
    const double boundary = Int(static_cast<double>(taskTotal) / 2) + 1;
    return tasksIssued < boundary ? TaskDirection::DecimalToRadix : TaskDirection::RadixToDecimal;
}

// A test counter raised by one. It stops at 32767: a pupil who keeps pressing
// past the end only keeps being told to look at the result.
Int16 NextCount(Int16 counter)
{
    return counter == INT16_MAX ? counter : Add16(counter, 1);
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

}  // namespace

void OpenTest(Модуль1& m)
{
    m.TasksIssued = 0;
    m.CorrectCount = 0;
    m.LastAnswered = 0;
}

const QString& TestOverWarning()
{
    static const QString warning = QStringLiteral("Узнайте результат!!!");
    return warning;
}

bool CountTaskRequest(Модуль1& m)
{
    m.TasksIssued = NextCount(m.TasksIssued);
    return !TestIsOver(m);
}

bool TestIsOver(const Модуль1& m)
{
    return m.TasksIssued > m.TaskTotal;
}

TestTask IssueTestTask(Модуль1& m, RandomSource& random)
{
    RandomTaskNumber(m, random, 199, 50);
    ExpandDigits(m);
    const TaskDirection direction = DirectionOf(m.TasksIssued, m.TaskTotal);
    if (direction == TaskDirection::DecimalToRadix)
        DigitsAnswer(m);
    else
        m.RightAnswer = m.TaskNumber;
    return {TaskInstruction(direction, m.Radix), TaskAsShown(m, direction)};
}

TestAnswer TakeTestAnswer(Модуль1& m, const QString& reply)
{
    m.StudentAnswer = AnswerValue(reply);
    m.LastAnswered = Add16(m.LastAnswered, 1);
    if (m.LastAnswered != m.TasksIssued)
        return TestAnswer::NotCounted;
    // In the first half the number may be written with letter digits, as in
    // the practice of writing numbers into a radix.
    const bool right =
        m.StudentAnswer == m.RightAnswer || (DirectionOf(m.TasksIssued, m.TaskTotal) == TaskDirection::DecimalToRadix &&
                                             WritesTaskInLetterDigits(m, reply));
    return right ? TestAnswer::Right : TestAnswer::Wrong;
}

void ShowTestAnswer(Dialogs& dialogs, TestAnswer answer)
{
    if (answer == TestAnswer::NotCounted)
        warn(dialogs, QStringLiteral("Ответ не засчитывается!!!"));
    else
        showAnswerVerdict(dialogs, answer == TestAnswer::Right);
}

void CommitTestAnswer(Модуль1& m, TestAnswer answer)
{
    if (answer == TestAnswer::NotCounted)
        m.LastAnswered = m.TasksIssued;
    else if (answer == TestAnswer::Right)
        m.CorrectCount = NextCount(m.CorrectCount);
}

std::optional<QString> NoResultPageYet(const Модуль1& m)
{
    if (m.TaskTotal != 0)
        return std::nullopt;
    return QStringLiteral("Сначала введите количество заданий!");
}

PrintModel ResultPage(const Модуль1& m)
{
    if (m.TaskTotal == 0)
        throw RuntimeError(RuntimeErrorKind::DivisionByZero);
    const double percentage = Round(static_cast<double>(m.CorrectCount) / static_cast<double>(m.TaskTotal) * 100, 1);
    return PrintModel::ofLines({
        QString(),
        QStringLiteral("           Уважаемый  ") + m.StudentName + QStringLiteral("!"),
        QString(),
        QStringLiteral("   Из ") + Str(m.TaskTotal) + QStringLiteral(" возможных баллов Вы набрали"),
        QStringLiteral("        ") + Str(m.CorrectCount) + QStringLiteral("   бал.  "),
        QString(),
        QStringLiteral("    Ваш результат:  ") + Str(percentage) + QStringLiteral(" % "),
        QString(),
        VerdictLine(percentage),
    });
}

}  // namespace radixon
