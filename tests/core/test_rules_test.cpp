// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace radixon {
namespace {

TEST(ResultPage, VerdictFollowsTheRoundedPercentage)
{
    const char* below = "    Вам следует подготовиться лучше!";
    const char* average = "     У Вас средний результат!";
    const char* good = "     У Вас хороший результат!";
    const char* excellent = "     У Вас отличный результат!!!";
    const struct {
        Int16 total;
        Int16 correct;
        const char* percentage;
        const char* verdict;
    } table[] = {
        {6, 0, "0", below},        {6, 3, "50", below},       {6, 4, "66.7", average},     {6, 5, "83.3", good},
        {6, 6, "100", excellent},  {10, 5, "50", below},      {10, 6, "60", average},      {10, 7, "70", good},
        {10, 8, "80", good},       {10, 9, "90", excellent},  {16, 1, "6.2", below},       {16, 10, "62.5", average},
        {16, 11, "68.8", average}, {16, 12, "75", good},      {16, 15, "93.8", excellent}, {20, 11, "55", below},
        {20, 12, "60", average},   {20, 13, "65", average},   {20, 14, "70", good},        {20, 17, "85", good},
        {20, 18, "90", excellent}, {1000, 899, "89.9", good}, {3000, 1799, "60", average}, {2, 3, "150", excellent},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::to_string(row.correct) + " of " + std::to_string(row.total));
        Модуль1 m;
        m.TaskTotal = row.total;
        m.CorrectCount = row.correct;
        const QStringList lines = ResultPage(m).lines();
        ASSERT_EQ(lines.size(), 9);
        EXPECT_EQ(lines[6], QStringLiteral("    Ваш результат:   %1 % ").arg(QString::fromUtf8(row.percentage)));
        EXPECT_EQ(lines[8], QString::fromUtf8(row.verdict));
    }
}

TEST(ResultPage, GreetsByTheSurnameAsStoredAndCountsEveryTaskAsAPossiblePoint)
{
    Модуль1 m;
    m.StudentName = QStringLiteral(" Иванов ");
    m.TaskTotal = 10;
    m.TasksIssued = 2;
    m.CorrectCount = 1;
    const QStringList lines = ResultPage(m).lines();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[1], QStringLiteral("           Уважаемый   Иванов !"));
    EXPECT_EQ(lines[3], QStringLiteral("   Из  10 возможных баллов Вы набрали"));
    EXPECT_EQ(lines[6], QStringLiteral("    Ваш результат:   10 % "));
    m.TaskTotal = 0;
    EXPECT_THROW(ResultPage(m), RuntimeError);
}

TEST(ResultPage, NeedsANumberOfTasksFirst)
{
    Модуль1 m;
    EXPECT_EQ(NoResultPageYet(m), QStringLiteral("Сначала введите количество заданий!"));
    for (const Int16 total : {6, -2}) {
        m.TaskTotal = total;
        EXPECT_EQ(NoResultPageYet(m), std::nullopt) << total;
    }
}

TEST(OpenTest, StartsAFreshCountAndKeepsRadixAndNumberOfTasks)
{
    Модуль1 m;
    m.TasksIssued = 7;
    m.CorrectCount = 5;
    m.LastAnswered = 7;
    m.TaskTotal = 6;
    m.Radix = 8;
    OpenTest(m);
    EXPECT_EQ(m.TasksIssued, 0);
    EXPECT_EQ(m.CorrectCount, 0);
    EXPECT_EQ(m.LastAnswered, 0);
    EXPECT_EQ(m.TaskTotal, 6);
    EXPECT_EQ(m.Radix, 8);
}

// Each row: the counters when the answer is typed, the reply, and what the
// answer comes to. The expected answer of the task is 1001.
TEST(TestAnswers, EachTaskIsScoredAtMostOnce)
{
    const struct {
        const char* name;
        Int16 tasksIssued;
        Int16 lastAnswered;
        Int16 correctCount;
        const char* reply;
        TestAnswer answer;
        Int16 correctAfter;
    } table[] = {
        {"first answer to the task, right", 3, 2, 1, "1001", TestAnswer::Right, 2},
        {"blanks and a point are read past", 3, 2, 1, " 1 0 0 1.0", TestAnswer::Right, 2},
        {"first answer to the task, wrong", 3, 2, 1, "1000", TestAnswer::Wrong, 1},
        {"a second answer to the same task", 3, 3, 1, "1001", TestAnswer::NotCounted, 1},
        {"an answer after a skipped task", 3, 1, 1, "1001", TestAnswer::NotCounted, 1},
        {"an answer before any task", 0, 0, 0, "1001", TestAnswer::NotCounted, 0},
        {"after the count was entered anew", 0, 4, 2, "1001", TestAnswer::NotCounted, 2},
        {"the score stops at 32767", 3, 2, 32767, "1001", TestAnswer::Right, 32767},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        Модуль1 m;
        m.TaskTotal = 6;
        m.TasksIssued = row.tasksIssued;
        m.LastAnswered = row.lastAnswered;
        m.CorrectCount = row.correctCount;
        m.RightAnswer = 1001;
        const TestAnswer answer = TakeTestAnswer(m, QString::fromUtf8(row.reply));
        EXPECT_EQ(answer, row.answer);
        EXPECT_EQ(m.CorrectCount, row.correctCount) << "scored before the pupil saw the verdict";
        CommitTestAnswer(m, answer);
        EXPECT_EQ(m.LastAnswered, m.TasksIssued);
        EXPECT_EQ(m.CorrectCount, row.correctAfter);
    }
}

TEST(TestAnswers, LetterDigitsCountInTheFirstHalfOnly)
{
    const struct {
        Int16 task;
        const char* reply;
        TestAnswer answer;
    } table[] = {
        {1, "AA", TestAnswer::Right}, {1, "aa", TestAnswer::Right}, {1, "1010", TestAnswer::Right},
        {1, "AB", TestAnswer::Wrong}, {2, "AA", TestAnswer::Wrong}, {2, "170", TestAnswer::Right},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::to_string(row.task) + ": " + row.reply);
        // A test of two tasks in radix 16, each drawing 170 (AA).
        Модуль1 m;
        m.TaskTotal = 2;
        m.TasksIssued = row.task;
        m.LastAnswered = row.task - 1;
        m.Radix = 16;
        m.TaskNumber = 170;
        ExpandDigits(m);
        if (row.task == 1)
            DigitsAnswer(m);
        else
            m.RightAnswer = m.TaskNumber;
        EXPECT_EQ(TakeTestAnswer(m, QString::fromUtf8(row.reply)), row.answer);
    }
}

TEST(TestAnswers, LastAnsweredAtTheTopIsAnOverflowThatScoresNothing)
{
    Модуль1 m;
    m.TaskTotal = 6;
    m.TasksIssued = 3;
    m.LastAnswered = 32767;
    EXPECT_THROW(TakeTestAnswer(m, QStringLiteral("5")), RuntimeError);
    EXPECT_EQ(m.LastAnswered, 32767);
    EXPECT_EQ(m.CorrectCount, 0);
}

}  // namespace
}  // namespace radixon
