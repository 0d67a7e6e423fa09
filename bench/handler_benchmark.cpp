// SPDX-License-Identifier: GPL-3.0-or-later
// The median time of every click handler of the four windows, each click run
// against the whole program with scripted dialogs and a fixed random sequence.
// Only the click itself is timed (manual time): setting the state up, queueing
// the scripted replies, checking that the click did its work and letting Qt
// paint afterwards all happen outside the measured interval. After the run the
// program fails if any median reaches the goal.

#include "controls.h"
#include "information_pages.h"
#include "print_area.h"
#include "program_driver.h"
#include "tasks.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace radixon::bench {
namespace {

using testing::ScriptedDialogs;
using testing::SequenceRandom;

constexpr double GoalMilliseconds = 0.2;
constexpr int DefaultRepetitions = 10;

const QString RadixPrompt = QStringLiteral("Введите число больше 1");
const QString AnswerPrompt = QStringLiteral("Введи ответ");
const QString Praise = QStringLiteral("МОЛОДЕЦ!!!  ПРАВИЛЬНО!!!");
const QString SurnamePrompt = QStringLiteral("Укажите вашу фамилию!");
const QString EvenCountPrompt = QStringLiteral("Введите четное количество заданий");
const QString Surname = QStringLiteral("Иванов");

// A benchmark that measures nothing must not pass for a fast one, so every
// broken expectation ends the run at once. _Exit: the QApplication and the
// windows are still alive on main's stack.
[[noreturn]] void fail(const std::string& benchmark, const std::string& what)
{
    std::fflush(stdout);
    std::fprintf(stderr, "handler benchmark %s: %s\n", benchmark.c_str(), what.c_str());
    std::fflush(stderr);
    std::_Exit(2);
}

std::string text(const QString& s)
{
    return '"' + s.toStdString() + '"';
}

// Digits with the blanks the print area and the boxes put between them removed.
QString withoutBlanks(QString s)
{
    s.remove(u' ');
    return s;
}

// The offscreen platform cannot raise a window and says so on every Show; on a
// desktop the call is silent. Printing the line inside the timed click would
// time the terminal, not the tutor.
QtMessageHandler qtMessages = nullptr;
void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qtMessages(type, context, message);
}

// Lets Qt deliver what a click left behind (paints, expose and activation
// events), as the event loop does between two clicks of a pupil.
void settle()
{
    QApplication::processEvents();
}

// The running tutor every benchmark clicks in: the tests' driver, whose
// complaints end the run.
class Tutor : public testing::ProgramDriver {
public:
    Tutor() : ProgramDriver([this](const std::string& why) { fail(current, why); }) {}

    void home() { ProgramDriver::home(Surname); }
    // Opens a working window the way the pupil does, with a typed surname;
    // the test window comes up with fresh counters.
    void open(FormId id) { openFromMainWindow(id, Surname); }

    // A practice task: `number` drawn (from 190 numbers starting at `base`)
    // with `radixBox` typed as the radix.
    void practiceTask(FormId id, int number, int base, const QString& radixBox)
    {
        textBox(id, "Text2")->setText(radixBox);
        nextNumber(number, 190, base);
        click(id, "Ввод_числа");
        if (m().TaskNumber != number)
            fail(current, "set-up: the task was not set");
        dialogs.clear();
    }

    // Test window: a fresh count of tasks, every task drawing `number`.
    void testTasks(const char* count, int number)
    {
        textBox(FormId::Form4, "Text3")->setText(QString::fromUtf8(count));
        click(FormId::Form4, "Command3");
        textBox(FormId::Form4, "Text2")->setText(QStringLiteral(" 2"));
        nextNumber(number, 199, 50);
        dialogs.clear();
    }

    QString rightAnswer() { return QString::number(m().RightAnswer, 'f', 0); }

    std::string current;  // the benchmark running, for failure messages
};

Tutor* tutor = nullptr;

// The first opening of a working window creates it (controls, Form_Load, the
// platform window); every benchmark times later clicks, so each window is
// opened once before them. That one-off cost is shown, not judged.
void openEveryWindowOnce(Tutor& t, std::ostream& out)
{
    t.current = "warm-up";
    for (FormId id : {FormId::Form2, FormId::Form3, FormId::Form4}) {
        t.home();
        const auto start = std::chrono::steady_clock::now();
        t.open(id);
        const auto stop = std::chrono::steady_clock::now();
        char figure[32];
        std::snprintf(figure, sizeof figure, "%.1f ms",
                      std::chrono::duration<double, std::milli>(stop - start).count());
        out << "first opening of " << t.form(id).objectName().toStdString() << " (creating and painting it): "
            << figure << ", once\n";
    }
    t.home();
}

// One click handler to time. The control is a button or, with `menu`, a menu
// item of the form. `setUp` runs once per repetition; `before` runs before
// every click and queues the replies the click asks for; the dialogs the click
// shows must be exactly `shown`; `check` proves the click did its work; `after`
// undoes it where the next click needs that (navigation). All but the click
// itself are untimed.
struct Case {
    std::string name = {};
    FormId form = FormId::Form1;
    const char* control = nullptr;
    bool menu = false;
    std::function<void(Tutor&)> setUp = {};
    std::function<void(Tutor&)> before = {};
    QStringList shown = {};
    std::function<void(Tutor&, const std::string& why)> check = {};
    std::function<void(Tutor&)> after = {};
};

// Most checks compare one value; this keeps them to one line each.
void expect(bool ok, const std::string& name, const std::string& what)
{
    if (!ok)
        fail(name, "the click did not do its work: " + what);
}

void runCase(benchmark::State& state, const Case& c)
{
    Tutor& t = *tutor;
    t.current = c.name;
    t.dialogs.clear();
    if (c.setUp)
        c.setUp(t);
    settle();

    QAbstractButton* button = c.menu ? nullptr : t.button(c.form, c.control);
    QAction* action = c.menu ? t.action(c.form, c.control) : nullptr;
    bool clicked = false;

    for (auto _ : state) {
        if (c.before) {
            c.before(t);
            settle();
        }
        if (button ? !button->isVisible() || !button->isEnabled() : !action->isVisible() || !action->isEnabled())
            fail(c.name, std::string(c.control) + " cannot be clicked");

        const auto start = std::chrono::steady_clock::now();
        if (button)
            button->click();
        else
            action->trigger();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());

        if (t.dialogs.prompts() != c.shown)
            fail(c.name, "dialogs shown: [" + t.dialogs.prompts().join(u'|').toStdString() + "], expected [" +
                             c.shown.join(u'|').toStdString() + "]");
        if (t.dialogs.unusedReplies() != 0)
            fail(c.name, "the click left scripted replies unused");
        c.check(t, c.name);
        clicked = true;
        if (c.after)
            c.after(t);
        t.dialogs.clear();
        settle();
    }
    if (!clicked)
        fail(c.name, "no click was run");
}

// A navigation button: from `from` to `to`. `toFrom` is the untimed click that
// brings the pupil back for the next one.
Case navigation(std::string name, FormId from, const char* control, FormId to, std::function<void(Tutor&)> toFrom,
                std::function<void(Tutor&)> setUp)
{
    Case c;
    c.name = std::move(name);
    c.form = from;
    c.control = control;
    c.setUp = std::move(setUp);
    c.check = [from, to](Tutor& t, const std::string& why) {
        expect(t.visible(to) && !t.visible(from), why, "the window did not change");
    };
    c.after = std::move(toFrom);
    return c;
}

std::vector<Case> cases()
{
    std::vector<Case> list;
    const auto home = [](Tutor& t) { t.home(); };
    const auto openIn = [](FormId id) { return [id](Tutor& t) { t.open(id); }; };

    // Main window: navigation. The surname box holds a typed surname unless
    // the case empties it on purpose.
    list.push_back(navigation("Form1/Далее", FormId::Form1, "Далее", FormId::Form2,
                              [](Tutor& t) { t.click(FormId::Form2, "Выход"); }, home));
    {
        Case c = navigation("Form1/Далее_asks_surname", FormId::Form1, "Далее", FormId::Form2,
                            [](Tutor& t) { t.click(FormId::Form2, "Выход"); }, home);
        c.before = [](Tutor& t) {
            t.textBox(FormId::Form1, "Text1")->setText(QString());
            t.m().StudentName.clear();
            t.dialogs.reply(Surname);
        };
        c.shown = {SurnamePrompt};
        c.check = [](Tutor& t, const std::string& why) {
            expect(t.visible(FormId::Form2) && t.m().StudentName == Surname, why, "surname not taken");
        };
        list.push_back(c);
    }
    list.push_back(navigation("Form1/PEREVOD_V10", FormId::Form1, "PEREVOD_V10", FormId::Form3,
                              [](Tutor& t) { t.click(FormId::Form3, "Назад"); }, home));
    {
        Case c = navigation("Form1/TESTIROVAN", FormId::Form1, "TESTIROVAN", FormId::Form4,
                            [](Tutor& t) { t.click(FormId::Form4, "Выход"); }, home);
        // The test's counters are reset by the click.
        c.before = [](Tutor& t) { t.m().TasksIssued = t.m().CorrectCount = t.m().LastAnswered = 5; };
        c.check = [](Tutor& t, const std::string& why) {
            expect(t.visible(FormId::Form4) && t.m().TasksIssued == 0 && t.m().CorrectCount == 0 &&
                       t.m().LastAnswered == 0,
                   why, "the test did not open with fresh counters");
        };
        list.push_back(c);
    }
    list.push_back({
        .name = "Form1/Выход",
        .form = FormId::Form1,
        .control = "Выход",
        .setUp = home,
        .before = [](Tutor& t) { t.ends = 0; },
        .check = [](Tutor& t, const std::string& why) {
            expect(t.ends == 1 && !t.visible(FormId::Form1), why, "the program did not end");
        },
        .after = [](Tutor& t) { t.program.start(); },
    });

    // Main window: the menu. A page is timed from the main window's controls,
    // "Регистрация" from a page, as the pupil meets them.
    struct MenuPage {
        const char* item;
        const QStringList& (*page)();
    };
    for (const MenuPage menuPage : {MenuPage{"программа", &aboutPage}, MenuPage{"Инструкци", &instructionPage}}) {
        const char* item = menuPage.item;
        const auto page = menuPage.page;
        list.push_back({
            .name = std::string("Form1/") + item,
            .form = FormId::Form1,
            .control = item,
            .menu = true,
            .setUp = home,
            .before = [](Tutor& t) { t.trigger(FormId::Form1, "регистрац"); },
            .check = [page](Tutor& t, const std::string& why) {
                expect(t.lines(FormId::Form1) == page() && !t.textBox(FormId::Form1, "Text1")->isVisible(), why,
                       "the page was not printed in place of the controls");
            },
        });
    }
    list.push_back({
        .name = "Form1/регистрац",
        .form = FormId::Form1,
        .control = "регистрац",
        .menu = true,
        .setUp = home,
        .before = [](Tutor& t) { t.trigger(FormId::Form1, "Инструкци"); },
        .check = [](Tutor& t, const std::string& why) {
            expect(t.lines(FormId::Form1).isEmpty() && t.textBox(FormId::Form1, "Text1")->isVisible(), why,
                   "the controls did not come back");
        },
    });

    // The two practice windows share their buttons' names and behaviour.
    struct Practice {
        FormId id;
        const char* window;
        const char* back;
        int base;    // smallest number the window draws
        int number;  // the largest it draws: the longest solution in radix 2
    };
    for (const Practice& p : {Practice{FormId::Form2, "Form2", "Выход", 30, 219},
                              Practice{FormId::Form3, "Form3", "Назад", 80, 269}}) {
        const std::string prefix = std::string(p.window) + '/';
        const QString binary = QString::number(p.number, 2);
        const auto withTask = [p](Tutor& t) {
            t.open(p.id);
            t.practiceTask(p.id, p.number, p.base, QStringLiteral(" 2"));
        };
        // The number shown as the task: decimal in Form2, the digits in Form3.
        const QString shownNumber = p.id == FormId::Form2 ? QString::number(p.number) : binary;
        list.push_back({
            .name = prefix + "Ввод_числа",
            .form = p.id,
            .control = "Ввод_числа",
            .setUp = withTask,
            .before = [p](Tutor& t) { t.textBox(p.id, "Text1")->setText(QString()); },
            .check = [p, shownNumber](Tutor& t, const std::string& why) {
                expect(withoutBlanks(t.textBox(p.id, "Text1")->text()) == shownNumber && t.m().Radix == 2, why,
                       "task not shown: " + text(t.textBox(p.id, "Text1")->text()));
            },
        });
        list.push_back({
            .name = prefix + "Ввод_числа_asks_radix",
            .form = p.id,
            .control = "Ввод_числа",
            .setUp = withTask,
            .before = [p](Tutor& t) {
                t.textBox(p.id, "Text2")->setText(QString());
                t.dialogs.reply(QStringLiteral("16"));
            },
            .shown = {RadixPrompt},
            .check = [p](Tutor& t, const std::string& why) {
                expect(t.m().Radix == 16 && t.textBox(p.id, "Text2")->text() == QStringLiteral(" 16"), why,
                       "the asked radix was not taken");
            },
        });
        list.push_back({
            .name = prefix + "Ввод_ответа",
            .form = p.id,
            .control = "Ввод_ответа",
            .setUp = withTask,
            // Form2 expects the digits read as a decimal numeral, Form3 the number.
            .before = [p, binary](Tutor& t) {
                t.dialogs.reply(p.id == FormId::Form2 ? binary : QString::number(p.number));
                t.m().StudentAnswer = -1;
            },
            .shown = {AnswerPrompt, Praise},
            .check = [](Tutor& t, const std::string& why) {
                expect(t.m().StudentAnswer != -1, why, "the answer was not taken");
            },
        });
        {
            // Form2: the table of divisions; Form3: the expanded sum.
            list.push_back({
                .name = prefix + "Показать_решение",
                .form = p.id,
                .control = "Показать_решение",
                .setUp = [p, withTask](Tutor& t) {
                    withTask(t);
                    t.printArea(p.id)->cls();
                },
                .check = [p, binary](Tutor& t, const std::string& why) {
                    const QStringList lines = t.lines(p.id);
                    if (p.id == FormId::Form2) {
                        // One division row a digit but the top one, then the digits.
                        expect(lines.size() >= binary.size() - 1 + 5 && lines.contains(QStringLiteral("ОТВЕТ:")) &&
                                   withoutBlanks(lines.last()) == binary,
                               why, "no division table: " + text(lines.join(u'\n')));
                    } else {
                        expect(lines.size() == 4 && withoutBlanks(lines.first()).startsWith(binary + u'=') &&
                                   withoutBlanks(lines.last()) == QStringLiteral("ОТВЕТ:") + QString::number(p.number),
                               why, "no expanded sum: " + text(lines.join(u'\n')));
                    }
                },
            });
        }
        list.push_back(navigation(prefix + p.back, p.id, p.back, FormId::Form1,
                                  [p](Tutor& t) {
                                      t.click(FormId::Form1, p.id == FormId::Form2 ? "Далее" : "PEREVOD_V10");
                                  },
                                  openIn(p.id)));
    }

    // The test window.
    const QString ToBinary = TaskInstruction(TaskDirection::DecimalToRadix, 2);
    list.push_back({
        .name = "Form4/Command1",
        .form = FormId::Form4,
        .control = "Command1",
        .setUp = openIn(FormId::Form4),
        // The handler writes the radix back in its own format.
        .before = [](Tutor& t) { t.textBox(FormId::Form4, "Text2")->setText(QStringLiteral("2")); },
        .check = [](Tutor& t, const std::string& why) {
            expect(t.m().Radix == 2 && t.textBox(FormId::Form4, "Text2")->text() == QStringLiteral(" 2"), why,
                   "the radix was not taken");
        },
    });
    list.push_back({
        .name = "Form4/Command1_asks_radix",
        .form = FormId::Form4,
        .control = "Command1",
        .setUp = openIn(FormId::Form4),
        .before = [](Tutor& t) {
            t.textBox(FormId::Form4, "Text2")->setText(QString());
            t.dialogs.reply(QStringLiteral("8"));
        },
        .shown = {RadixPrompt},
        .check = [](Tutor& t, const std::string& why) {
            expect(t.m().Radix == 8 && t.textBox(FormId::Form4, "Text2")->text() == QStringLiteral(" 8"), why,
                   "the asked radix was not taken");
        },
    });
    list.push_back({
        .name = "Form4/Command3",
        .form = FormId::Form4,
        .control = "Command3",
        .setUp = openIn(FormId::Form4),
        .before = [](Tutor& t) {
            t.textBox(FormId::Form4, "Text3")->setText(QStringLiteral("6"));
            t.m().TasksIssued = 3;
        },
        .check = [](Tutor& t, const std::string& why) {
            expect(t.m().TaskTotal == 6 && t.m().TasksIssued == 0 &&
                       t.textBox(FormId::Form4, "Text3")->text() == QStringLiteral(" 6"),
                   why, "the number of tasks was not taken");
        },
    });
    list.push_back({
        .name = "Form4/Command3_asks_even_count",
        .form = FormId::Form4,
        .control = "Command3",
        .setUp = openIn(FormId::Form4),
        .before = [](Tutor& t) {
            t.textBox(FormId::Form4, "Text3")->setText(QStringLiteral("5"));
            t.dialogs.reply(QStringLiteral("8"));
        },
        .shown = {EvenCountPrompt},
        .check = [](Tutor& t, const std::string& why) {
            expect(t.m().TaskTotal == 8 && t.textBox(FormId::Form4, "Text3")->text() == QStringLiteral(" 8"), why,
                   "the asked number of tasks was not taken");
        },
    });
    // Task issue in each half of a two-task test: the first task goes from
    // decimal into the radix, the second back into decimal.
    for (const bool secondHalf : {false, true}) {
        list.push_back({
            .name = secondHalf ? "Form4/Ввод_числа_to_decimal" : "Form4/Ввод_числа_to_radix",
            .form = FormId::Form4,
            .control = "Ввод_числа",
            .setUp = [](Tutor& t) {
                t.open(FormId::Form4);
                t.testTasks("2", 137);
                // A new number every task, so the boxes change as in a real test.
                t.random.set({SequenceRandom::drawing(137, 199, 50), SequenceRandom::drawing(200, 199, 50),
                              SequenceRandom::drawing(99, 199, 50)});
            },
            .before = [secondHalf](Tutor& t) {
                t.click(FormId::Form4, "Command3");
                if (secondHalf)
                    t.click(FormId::Form4, "Ввод_числа");
                t.dialogs.clear();
            },
            .check = [secondHalf, ToBinary](Tutor& t, const std::string& why) {
                const QString label = t.label(FormId::Form4, "Label2")->text();
                const QString shown = withoutBlanks(t.textBox(FormId::Form4, "Text1")->text());
                const int number = t.m().TaskNumber;
                const QString binary = QString::number(number, 2);
                if (secondHalf)
                    expect(t.m().TasksIssued == 2 && label == TaskInstruction(TaskDirection::RadixToDecimal, 2) &&
                               shown == binary && t.m().RightAnswer == number,
                           why, "second-half task not issued: " + text(label) + ' ' + text(shown));
                else
                    expect(t.m().TasksIssued == 1 && label == ToBinary && shown == QString::number(number) &&
                               t.m().RightAnswer == binary.toDouble(),
                           why, "first-half task not issued: " + text(label) + ' ' + text(shown));
            },
        });
    }
    {
        // Every answer is the first one for a freshly issued task, so it is
        // scored; a long test gives room for many clicks before it is opened anew.
        Case c;
        c.name = "Form4/Ввод_ответа";
        c.form = FormId::Form4;
        c.control = "Ввод_ответа";
        const auto fresh = [](Tutor& t) {
            t.open(FormId::Form4);
            t.testTasks("32766", 137);
        };
        c.setUp = fresh;
        c.before = [fresh](Tutor& t) {
            if (t.m().TasksIssued >= t.m().TaskTotal)
                fresh(t);
            t.click(FormId::Form4, "Ввод_числа");
            t.dialogs.clear();
            t.dialogs.reply(t.rightAnswer());
            t.m().StudentAnswer = -1;
        };
        c.shown = {AnswerPrompt, Praise};
        c.check = [](Tutor& t, const std::string& why) {
            expect(t.m().LastAnswered == t.m().TasksIssued && t.m().CorrectCount == t.m().TasksIssued &&
                       t.m().StudentAnswer != -1,
                   why, "the answer was not scored");
        };
        list.push_back(c);
    }
    {
        // The result page after a six-task test with three right answers.
        list.push_back({
            .name = "Form4/Command2",
            .form = FormId::Form4,
            .control = "Command2",
            .setUp = [](Tutor& t) {
                t.open(FormId::Form4);
                t.testTasks("6", 137);
                for (int task = 0; task < 6; ++task) {
                    t.click(FormId::Form4, "Ввод_числа");
                    t.dialogs.reply(task % 2 == 0 ? t.rightAnswer() : QStringLiteral("0"));
                    t.click(FormId::Form4, "Ввод_ответа");
                }
                if (t.m().CorrectCount != 3 || t.m().TasksIssued != 6)
                    fail(t.current, "set-up: the test was not scored");
                t.dialogs.clear();
                t.printArea(FormId::Form4)->cls();
            },
            .check = [](Tutor& t, const std::string& why) {
                const QStringList lines = t.lines(FormId::Form4);
                expect(lines.size() == 9 && lines.contains(QStringLiteral("           Уважаемый  Иванов!")) &&
                           lines.contains(QStringLiteral("   Из  6 возможных баллов Вы набрали")) &&
                           lines.contains(QStringLiteral("    Ваш результат:   50 % ")),
                       why, "no result page: " + text(lines.join(u'\n')));
            },
        });
    }
    list.push_back(navigation("Form4/Выход", FormId::Form4, "Выход", FormId::Form1,
                              [](Tutor& t) { t.click(FormId::Form1, "TESTIROVAN"); }, openIn(FormId::Form4)));
    return list;
}

// Shows the runs through the reporter the command line asked for and keeps
// the medians for the goal check.
class GoalReporter final : public benchmark::BenchmarkReporter {
public:
    struct Median {
        std::string name;
        double milliseconds;
    };

    explicit GoalReporter(std::unique_ptr<benchmark::BenchmarkReporter> shown) : shown_(std::move(shown)) {}

    bool ReportContext(const Context& context) override { return shown_->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        shown_->ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                errors.push_back(run.benchmark_name() + ": " + run.error_message);
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" &&
                     run.aggregate_unit == benchmark::kTime)
                medians.push_back({run.run_name.function_name,
                                   run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3});
        }
    }
    void Finalize() override { shown_->Finalize(); }

    std::vector<Median> medians;
    std::vector<std::string> errors;

private:
    std::unique_ptr<benchmark::BenchmarkReporter> shown_;
};

// The value of --name=value on the command line, if given.
const char* flag(int argc, char** argv, const char* name)
{
    const std::size_t length = std::strlen(name);
    const char* value = nullptr;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=')
            value = argv[i] + length + 1;
    return value;
}

std::unique_ptr<benchmark::BenchmarkReporter> reporterFor(const std::string& format, const char* color)
{
    if (format == "json")
        return std::make_unique<benchmark::JSONReporter>();
    if (format == "csv") {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        return std::make_unique<benchmark::CSVReporter>();
#pragma GCC diagnostic pop
    }
    const char* term = std::getenv("TERM");
    const bool colour = color ? std::strcmp(color, "true") == 0 || std::strcmp(color, "yes") == 0 ||
                                    (std::strcmp(color, "auto") == 0 && isatty(STDOUT_FILENO))
                              : isatty(STDOUT_FILENO) && term && std::strcmp(term, "dumb") != 0;
    return std::make_unique<benchmark::ConsoleReporter>(
        colour ? benchmark::ConsoleReporter::OO_ColorTabular : benchmark::ConsoleReporter::OO_Tabular);
}

}  // namespace
}  // namespace radixon::bench

int main(int argc, char* argv[])
{
    using namespace radixon::bench;

    // Windows are drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Repetitions set on a benchmark win over the flag, so the flag is read
    // here; a median needs at least three.
    int repetitions = DefaultRepetitions;
    if (const char* value = flag(argc, argv, "--benchmark_repetitions"))
        repetitions = std::max(3, std::atoi(value));
    const char* format = flag(argc, argv, "--benchmark_format");
    const std::string shownFormat = format ? format : "console";
    if (shownFormat != "console" && shownFormat != "json" && shownFormat != "csv") {
        std::fprintf(stderr, "unknown --benchmark_format=%s\n", format);
        return 2;
    }
    const char* color = flag(argc, argv, "--benchmark_color");
    const char* list = flag(argc, argv, "--benchmark_list_tests");
    bool listing = list && (std::strcmp(list, "true") == 0 || std::strcmp(list, "1") == 0);
    for (int i = 1; i < argc; ++i)
        listing = listing || std::strcmp(argv[i], "--benchmark_list_tests") == 0;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    qtMessages = qInstallMessageHandler(quietOffscreenWarnings);
    QApplication app(argc, argv);
    radixon::setupApplication(app);
    app.setQuitOnLastWindowClosed(false);

    Tutor program;
    tutor = &program;
    if (!listing)
        openEveryWindowOnce(program, shownFormat == "console" ? std::cout : std::cerr);

    const std::vector<Case> table = cases();
    for (const Case& c : table) {
        benchmark::RegisterBenchmark(c.name.c_str(), [&c](benchmark::State& state) { runCase(state, c); })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(true);
    }

    GoalReporter reporter(reporterFor(shownFormat, color));
    const std::size_t run = benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (listing)
        return 0;

    // The verdict goes where it does not spoil JSON or CSV on standard output.
    std::ostream& out = shownFormat == "console" ? std::cout : std::cerr;
    out << '\n';
    int status = 0;
    for (const std::string& error : reporter.errors) {
        out << "ERROR " << error << '\n';
        status = 1;
    }
    if (run == 0) {
        out << "no benchmark matched the filter\n";
        return 1;
    }
    if (reporter.medians.size() != run) {
        out << "only " << reporter.medians.size() << " of " << run << " benchmarks reported a median\n";
        status = 1;
    }
    int slow = 0;
    out << "Median time of each click handler (goal: below " << GoalMilliseconds << " ms)\n";
    for (const GoalReporter::Median& median : reporter.medians) {
        const bool missed = median.milliseconds >= GoalMilliseconds;
        char figure[32];
        std::snprintf(figure, sizeof figure, "%9.1f us", median.milliseconds * 1e3);
        out << (missed ? "  SLOW " : "  ok   ") << figure << "  " << median.name << '\n';
        if (missed)
            ++slow;
    }
    if (slow > 0) {
        out << slow << " handler(s) at or above the goal\n";
        status = 1;
    }
    else if (status == 0)
        out << "all " << reporter.medians.size() << " handlers: median below " << GoalMilliseconds << " ms\n";
    std::cout.flush();
    return status;
}
