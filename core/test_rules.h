// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion.h"
#include "dialogs.h"
#include "module1.h"
#include "print_model.h"
#include "random_source.h"
#include "tasks.h"

#include <QString>

#include <optional>

namespace radixon {

// The rules of the test window: a test of TaskTotal tasks, the first half
// decimal numbers into the radix and the second half numbers written in the
// radix back into decimal, each answer scored at most once, and the result
// page with the points, the percentage and the verdict.

// Every opening of the test window starts a fresh count of issued tasks,
// right answers and answered tasks; the radix and the number of tasks stay as
// the last visit left them.
void OpenTest(Модуль1& m);

// Shown by both test buttons once every task has been issued.
const QString& TestOverWarning();

// Counts a press for the next task (TasksIssued + 1) and tells whether there
// is a task for it; past the last task (or with no positive TaskTotal) there
// is none.
bool CountTaskRequest(Модуль1& m);

// Answers are closed once a press has gone past the last task.
bool TestIsOver(const Модуль1& m);

// What the test window shows of a task: the instruction and the number to
// convert.
struct TestTask {
    QString instruction;
    QString shownNumber;
};

// Issues task TasksIssued in the radix in Radix (at least 2): draws
// TaskNumber from 50..248 and expands it into Digits, DigitTop and Dividend;
// RightAnswer becomes the digits read as a decimal numeral in the first half
// and TaskNumber itself in the second.
TestTask IssueTestTask(Модуль1& m, RandomSource& random);

enum class TestAnswer { Right, Wrong, NotCounted };

// Takes a typed answer to the current task: its value goes to StudentAnswer,
// and LastAnswered + 1 is stored at once. The answer counts only as the first
// one since its task was issued: a second try, or an answer after a skipped
// task, would let a pupil score by guessing again. A first-half answer may
// write the number with letter digits, as in practice.
TestAnswer TakeTestAnswer(Модуль1& m, const QString& reply);
// The message box for a taken answer.
void ShowTestAnswer(Dialogs& dialogs, TestAnswer answer);
// After the box: an answer not counted leaves LastAnswered at the current
// task, and a right one is scored.
void CommitTestAnswer(Модуль1& m, TestAnswer answer);

// Why there is no result page to show yet: without a number of tasks there
// are no possible points to measure the result against. Nothing once there is
// one.
std::optional<QString> NoResultPageYet(const Модуль1& m);

// The whole result page for the surname, the points and the percentage the
// shared state holds now, blanks as the teacher expects to see them: right
// answers out of the possible points (one per task, issued or not), in per
// cent rounded to one decimal with halves to the even digit, and the verdict.
// It reads the state only; TaskTotal must not be 0.
PrintModel ResultPage(const Модуль1& m);

}  // namespace radixon
