// SPDX-License-Identifier: GPL-3.0-or-later
// The median time of every click handler of the four windows: a table of
// handlers, each clicked against the whole program with scripted dialogs and a
// fixed random sequence. Only the click is timed (manual time); setting the
// state up, checking that the click did its work and letting Qt paint happen
// outside the measured interval. Google Benchmark's own command line and
// reporters; the program fails when a click did not do its work or a median
// reaches the goal.

#include "controls.h"
#include "print_area.h"
#include "program_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace radixon::bench {
namespace {

constexpr double GoalSeconds = 0.2e-3;

const QString RadixPrompt = QStringLiteral("Введите число больше 1");
const QString AnswerPrompt = QStringLiteral("Введи ответ");
const QString Praise = QStringLiteral("МОЛОДЕЦ!!!  ПРАВИЛЬНО!!!");
const QString Surname = QStringLiteral("Иванов");

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

// The running tutor every handler is clicked in: the tests' driver, whose
// complaints (a control missing or hidden) end the handler's run as an error.
class Tutor : public testing::ProgramDriver {
public:
    Tutor() : ProgramDriver([](const std::string& why) { throw std::runtime_error(why); }) {}

    // Shows the window the way the pupil reaches it, with a typed surname.
    void open(FormId id)
    {
        if (id == FormId::Form1)
            home(Surname);
        else
            openFromMainWindow(id, Surname);
    }

    // A practice task: `number` drawn from 190 numbers starting at `base`.
    void practiceTask(FormId id, int number, int base)
    {
        textBox(id, "Text2")->setText(QStringLiteral(" 2"));
        nextNumber(number, 190, base);
        click(id, "Ввод_числа");
        dialogs.clear();
    }

    // A fresh test of `count` tasks in radix 2, its counters reset by opening
    // the window anew.
    void freshTest(const char* count, int number)
    {
        open(FormId::Form4);
        textBox(FormId::Form4, "Text3")->setText(QString::fromUtf8(count));
        click(FormId::Form4, "Command3");
        textBox(FormId::Form4, "Text2")->setText(QStringLiteral(" 2"));
        nextNumber(number, 199, 50);
        dialogs.clear();
    }

    QString rightAnswer() { return QString::number(m().RightAnswer, 'f', 0); }

    // What a text box or print area shows.
    QString content(FormId id, const char* name)
    {
        QWidget* widget = form(id).findChild<QWidget*>(QString::fromUtf8(name));
        if (auto* area = dynamic_cast<PrintArea*>(widget))
            return area->model().lines().join(u'\n');
        return textBox(id, name)->text();
    }
};

using Step = std::function<void(Tutor&)>;

// One handler: the control clicked (a button or a menu item) in its window,
// which is opened before each repetition. `setUp` runs after that, `before`
// before every click (the state the click needs, the replies it reads). What
// proves the click did its work: the prompts of the dialogs it shows, in
// order, and the window it opens in place of its own, the box or print area
// whose content it changes, or the end of the program.
struct Handler {
    FormId form;
    const char* control;
    const char* variant = nullptr;  // of the same control, in the benchmark's name
    Step setUp = nullptr;
    Step before = nullptr;
    QStringList dialogs = {};
    std::optional<FormId> opens = std::nullopt;
    const char* changes = nullptr;
    bool ends = false;
};

std::vector<Handler> handlers()
{
    using enum FormId;
    // Typing in a box; a reply for the dialog the click shows.
    const auto typed = [](FormId id, const char* box, const char* text, const char* reply = nullptr) {
        return [=](Tutor& t) {
            t.textBox(id, box)->setText(QString::fromUtf8(text));
            if (reply)
                t.dialogs.reply(QString::fromUtf8(reply));
        };
    };
    const auto cleared = [](FormId id) { return [id](Tutor& t) { t.printArea(id)->cls(); }; };
    const auto page = [](const char* item) { return [item](Tutor& t) { t.trigger(Form1, item); }; };

    // One handler a row.
    // clang-format off
    std::vector<Handler> table = {
        {.form = Form1, .control = "Далее", .opens = Form2},
        {.form = Form1, .control = "Далее", .variant = "asks_surname", .before = typed(Form1, "Text1", "", "Петров"),
         .dialogs = {QStringLiteral("Укажите вашу фамилию!")}, .opens = Form2},
        {.form = Form1, .control = "PEREVOD_V10", .opens = Form3},
        {.form = Form1, .control = "TESTIROVAN", .opens = Form4},
        {.form = Form1, .control = "Выход", .ends = true},
        // A page is opened from the main window's controls, "Регистрация" from a page.
        {.form = Form1, .control = "программа", .before = page("регистрац"), .changes = "Picture1"},
        {.form = Form1, .control = "Инструкци", .before = page("регистрац"), .changes = "Picture1"},
        {.form = Form1, .control = "регистрац", .before = page("Инструкци"), .changes = "Picture1"},
    };

    // The two practice windows share their buttons' names; each draws, as its
    // task, the largest number it can (the longest solution in radix 2).
    struct Practice {
        FormId id;
        const char* back;
        int base;
        int number;
        QString answer;  // Form2 reads the digits as a decimal numeral, Form3 the number
    };
    for (const Practice& p : {Practice{Form2, "Выход", 30, 219, QString::number(219, 2)},
                              Practice{Form3, "Назад", 80, 269, QString::number(269)}}) {
        const Step task = [p](Tutor& t) { t.practiceTask(p.id, p.number, p.base); };
        table.insert(table.end(), {
            {.form = p.id, .control = "Ввод_числа", .setUp = task, .before = typed(p.id, "Text1", ""),
             .changes = "Text1"},
            {.form = p.id, .control = "Ввод_числа", .variant = "asks_radix", .setUp = task,
             .before = typed(p.id, "Text2", "", "16"), .dialogs = {RadixPrompt}},
            {.form = p.id, .control = "Ввод_ответа", .setUp = task,
             .before = [p](Tutor& t) { t.dialogs.reply(p.answer); }, .dialogs = {AnswerPrompt, Praise}},
            // Form2 shows the table of divisions, Form3 the expanded sum.
            {.form = p.id, .control = "Показать_решение", .setUp = task, .before = cleared(p.id),
             .changes = "Picture1"},
            {.form = p.id, .control = p.back, .opens = Form1},
        });
    }

    // The test window. Task issue in each half of a two-task test (decimal
    // into the radix, then back), a new number every task.
    const Step twoTasks = [](Tutor& t) {
        t.freshTest("2", 137);
        t.random.set({testing::SequenceRandom::drawing(137, 199, 50), testing::SequenceRandom::drawing(200, 199, 50),
                      testing::SequenceRandom::drawing(99, 199, 50)});
    };
    const auto restarted = [](bool secondHalf) {
        return [secondHalf](Tutor& t) {
            t.click(Form4, "Command3");
            if (secondHalf)
                t.click(Form4, "Ввод_числа");
            t.textBox(Form4, "Text1")->setText(QString());
        };
    };
    // Every answer is the first one for a freshly issued task; a long test
    // gives room for many clicks before it is begun anew.
    const Step longTest = [](Tutor& t) { t.freshTest("32766", 137); };
    const Step answered = [longTest](Tutor& t) {
        if (t.m().TasksIssued >= t.m().TaskTotal)
            longTest(t);
        t.click(Form4, "Ввод_числа");
        t.dialogs.reply(t.rightAnswer());
    };
    // The result page of a six-task test, half of it answered right.
    const Step finished = [](Tutor& t) {
        t.freshTest("6", 137);
        for (int task = 0; task < 6; ++task) {
            t.click(Form4, "Ввод_числа");
            t.dialogs.reply(task % 2 == 0 ? t.rightAnswer() : QStringLiteral("0"));
            t.click(Form4, "Ввод_ответа");
        }
    };
    table.insert(table.end(), {
        {.form = Form4, .control = "Command1", .before = typed(Form4, "Text2", "2"), .changes = "Text2"},
        {.form = Form4, .control = "Command1", .variant = "asks_radix", .before = typed(Form4, "Text2", "", "8"),
         .dialogs = {RadixPrompt}},
        {.form = Form4, .control = "Command3", .before = typed(Form4, "Text3", "6"), .changes = "Text3"},
        {.form = Form4, .control = "Command3", .variant = "asks_even_count", .before = typed(Form4, "Text3", "5", "8"),
         .dialogs = {QStringLiteral("Введите четное количество заданий")}},
        {.form = Form4, .control = "Ввод_числа", .variant = "to_radix", .setUp = twoTasks, .before = restarted(false),
         .changes = "Text1"},
        {.form = Form4, .control = "Ввод_числа", .variant = "to_decimal", .setUp = twoTasks, .before = restarted(true),
         .changes = "Text1"},
        {.form = Form4, .control = "Ввод_ответа", .setUp = longTest, .before = answered,
         .dialogs = {AnswerPrompt, Praise}},
        {.form = Form4, .control = "Command2", .setUp = finished, .before = cleared(Form4), .changes = "Picture1"},
        {.form = Form4, .control = "Выход", .opens = Form1},
    });
    // clang-format on
    return table;
}

// Times the clicks of one handler; a click that did not do its work makes
// the run an error, so a broken benchmark cannot pass as a fast one.
void clickRepeatedly(benchmark::State& state, Tutor& t, const Handler& h)
{
    try {
        t.open(h.form);
        if (h.setUp)
            h.setUp(t);
        QApplication::processEvents();
        auto* button = t.form(h.form).findChild<QAbstractButton*>(QString::fromUtf8(h.control));
        QAction* item = button ? nullptr : t.action(h.form, h.control);
        for (auto _ : state) {
            t.dialogs.clear();
            if (h.before)
                h.before(t);
            QApplication::processEvents();
            if (button ? !button->isVisible() || !button->isEnabled() : !item->isVisible() || !item->isEnabled())
                throw std::runtime_error(std::string(h.control) + " cannot be clicked");
            const auto seen = static_cast<qsizetype>(t.dialogs.shown().size());
            const QString content = h.changes ? t.content(h.form, h.changes) : QString();
            const int ends = t.ends;

            const auto start = std::chrono::steady_clock::now();
            button ? button->click() : item->trigger();
            state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());

            const QStringList shown = t.dialogs.prompts().mid(seen);
            if (shown != h.dialogs)
                throw std::runtime_error("dialogs shown: [" + shown.join(u'|').toStdString() + "], expected [" +
                                         h.dialogs.join(u'|').toStdString() + "]");
            if (h.opens && (!t.visible(*h.opens) || t.visible(h.form)))
                throw std::runtime_error("the window it opens is not on show");
            if (h.changes && t.content(h.form, h.changes) == content)
                throw std::runtime_error(std::string(h.changes) + " did not change");
            if (h.ends && (t.ends != ends + 1 || t.visible(h.form)))
                throw std::runtime_error("the program did not end");
            if (h.ends)
                t.program.start();
            if (h.opens || h.ends)
                t.open(h.form);
            QApplication::processEvents();
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// The first opening of a working window creates it (controls, Form_Load, the
// platform window); every handler's clicks come later, so each window is
// opened once before them. That one-off cost is shown, not judged.
void openEveryWindowOnce(Tutor& t)
{
    for (FormId id : {FormId::Form2, FormId::Form3, FormId::Form4}) {
        t.open(FormId::Form1);
        const auto start = std::chrono::steady_clock::now();
        t.open(id);
        std::fprintf(stderr, "first opening of %s (creating and painting it): %.1f ms, once\n",
                     qPrintable(t.form(id).objectName()),
                     std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
}

// The reporter the command line chose, which also judges every handler's
// median (its one run's time without repetitions) against the goal.
class GoalReporter final : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override { return shown_->ReportContext(context); }
    void Finalize() override { shown_->Finalize(); }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        shown_->ReportRuns(runs);
        for (const Run& run : runs) {
            failed_ = failed_ || run.error_occurred;
            if (run.error_occurred ||
                !(run.repetitions > 1 ? run.aggregate_name == "median" : run.run_type == Run::RT_Iteration))
                continue;
            ++medians_;
            if (run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) >= GoalSeconds)
                slow_ += "\n  " + run.run_name.function_name;
        }
    }

    // On standard error, so as not to spoil JSON or CSV on standard output.
    int verdict() const
    {
        if (!slow_.empty())
            std::fprintf(stderr, "medians at or above the goal of %g ms:%s\n", GoalSeconds * 1e3, slow_.c_str());
        else if (medians_ > 0)
            std::fprintf(stderr, "all %d medians below the goal of %g ms\n", medians_, GoalSeconds * 1e3);
        return failed_ || !slow_.empty() ? 1 : 0;
    }

private:
    benchmark::BenchmarkReporter* shown_ = benchmark::CreateDefaultDisplayReporter();
    int medians_ = 0;
    std::string slow_;
    bool failed_ = false;
};

}  // namespace
}  // namespace radixon::bench

int main(int argc, char* argv[])
{
    using namespace radixon::bench;

    // Windows are drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    qtMessages = qInstallMessageHandler(quietOffscreenWarnings);
    QApplication app(argc, argv);
    radixon::setupApplication(app);
    app.setQuitOnLastWindowClosed(false);

    Tutor tutor;
    openEveryWindowOnce(tutor);
    const std::vector<Handler> table = handlers();
    for (const Handler& h : table) {
        const std::string name = tutor.form(h.form).objectName().toStdString() + '/' + h.control +
                                 (h.variant ? std::string("_") + h.variant : std::string());
        benchmark::RegisterBenchmark(name.c_str(), [&](benchmark::State& state) { clickRepeatedly(state, tutor, h); })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }

    GoalReporter reporter;
    const std::size_t matched = benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return matched == 0 ? 1 : reporter.verdict();
}
