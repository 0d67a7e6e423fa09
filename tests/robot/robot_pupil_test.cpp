// SPDX-License-Identifier: GPL-3.0-or-later
// The robot pupil: the whole program driven by a seeded random sequence of
// clicks, text edits, title-bar closes and hostile dialog replies, with the
// invariants of the shared state checked after every action. A failure names
// the seed (RADIXON_ROBOT_SEED replays it) and the last actions taken.
#include "program.h"
#include "runtime.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace radixon::testing {
namespace {

// What a classroom types: nothing, blanks and control characters, words in
// two alphabets, numbers no 16-bit variable or double can hold, other
// scripts' digits, and one reply far longer than any box.
const std::vector<QString>& hostileCorpus()
{
    static const std::vector<QString> corpus = [] {
        std::vector<QString> texts = {
            QString(),
            QStringLiteral(" "),
            QStringLiteral("   \t  "),
            QStringLiteral("\n"),
            QStringLiteral("\t1\n0\t1"),
            QStringLiteral("abc"),
            QStringLiteral("Z"),
            QStringLiteral("Иванов"),
            QStringLiteral("сорок пять"),
            QStringLiteral("100руб"),
            QStringLiteral("1e309"),
            QStringLiteral("-1e309"),
            QStringLiteral("0.5e309"),
            QStringLiteral("1e-400"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QStringLiteral("-inf"),
            QStringLiteral("&H7FFF"),
            QStringLiteral("&H8000"),
            QStringLiteral("&HFFFFFFFFF"),
            QStringLiteral("&O17"),
            QStringLiteral("32767.5"),
            QStringLiteral("-32768.5"),
            QStringLiteral("32768"),
            QStringLiteral("-32769"),
            QStringLiteral("99999999999999999999"),
            QStringLiteral("1,5"),
            QStringLiteral("1.5"),
            QStringLiteral("-2"),
            QStringLiteral("0"),
            QStringLiteral("1"),
            QStringLiteral("3"),
            QStringLiteral("-0"),
            QStringLiteral("０１２３４５６７８９"),  // full-width digits
            QStringLiteral("٤٥"),                    // Arabic-Indic digits
            QStringLiteral("۱۲۳"),                   // extended Arabic-Indic digits
            QStringLiteral("😀"),
            QStringLiteral("12😀34"),
            QString::fromUtf16(u"1\u00002"),  // an embedded NUL
            QString::fromUtf16(u"\u0007\u0008\u001b\u007f"),
            QString::fromUtf16(u"\u200b5\u00a0"),  // zero-width space, no-break space
            QString::fromUtf16(u"\xd800"),         // a lone surrogate
            QString(100000, u'9'),
        };
        QString mixed;
        for (int i = 0; i < 2000; ++i)
            mixed += QStringLiteral("1 a\t");
        texts.push_back(mixed);
        return texts;
    }();
    return corpus;
}

// Rnd from the robot's own seeded generator: 24 random bits, so a float
// strictly below 1.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::mt19937& engine) : engine_(engine) {}
    void Randomize() override {}
    float Rnd() override { return static_cast<float>(engine_() >> 8) / 16777216.0f; }

private:
    std::mt19937& engine_;
};

struct Message {
    QString prompt;
    QString title;
};

// Answers input boxes mostly from the hostile corpus, now and then with a
// valid reply, and always with a valid one after a few invalid ones in the
// same action, so a handler that asks again until the reply is acceptable
// has to stop. A handler that keeps asking after that is a hang.
class RobotDialogs final : public Dialogs {
public:
    static constexpr int HangLimit = 200;

    RobotDialogs(std::mt19937& engine, std::function<const Модуль1*()> state)
        : engine_(engine), state_(std::move(state))
    {}

    void startAction()
    {
        inputsThisAction = 0;
        invalidStreak_ = 0;
        invalidLimit_ = static_cast<int>(engine_() % 5);
        inputTitles.clear();
        replies.clear();
        messages.clear();
        hung = false;
    }

    QString inputBox(const QString& prompt, const QString& title) override
    {
        ++inputsThisAction;
        if (inputsThisAction > HangLimit) {
            hung = true;
            hungPrompt = prompt;
            throw std::runtime_error("the robot stopped answering an endless input loop");
        }
        inputTitles.push_back(title);
        const QString reply = answer(title);
        replies.push_back(reply);
        return reply;
    }

    QString answer(const QString& title)
    {
        if (!hostile || invalidStreak_ >= invalidLimit_ || engine_() % 4 == 0) {
            invalidStreak_ = 0;
            return validReply(title);
        }
        ++invalidStreak_;
        return pick(hostileCorpus());
    }

    void msgBox(const QString& prompt, MsgStyle, const QString& title) override
    {
        messages.push_back({prompt, title});
        if (messages.size() > static_cast<std::size_t>(HangLimit)) {
            hung = true;
            hungPrompt = prompt;
            throw std::runtime_error("the robot stopped confirming an endless run of message boxes");
        }
    }

    // A reply every prompt takes: a small even number is a radix above 1, an
    // even task count and a surname alike; for an answer, often the right one.
    QString validReply(const QString& title)
    {
        const Модуль1* m = state_();
        if (m && title == QStringLiteral("Ввод ответа") && (!hostile || engine_() % 2 == 0)) {
            QString right = Str(m->RightAnswer);
            return engine_() % 2 ? right : right.trimmed();
        }
        const int even = 2 * static_cast<int>(2 + engine_() % 7);
        return engine_() % 2 ? QString::number(even) : QStringLiteral(" ") + QString::number(even);
    }

    QString pick(const std::vector<QString>& texts) { return texts[engine_() % texts.size()]; }

    bool hostile = true;
    int inputsThisAction = 0;
    std::vector<QString> inputTitles;
    std::vector<QString> replies;
    std::vector<Message> messages;
    bool hung = false;
    QString hungPrompt;

private:
    std::mt19937& engine_;
    std::function<const Модуль1*()> state_;
    int invalidStreak_ = 0;
    int invalidLimit_ = 0;
};

// What the pupil can reach in the one visible window: its visible, enabled
// buttons, menu items and editable text boxes.
struct Reachable {
    std::vector<QAbstractButton*> buttons;
    std::vector<QAction*> actions;
    std::vector<QLineEdit*> boxes;
};

void collectMenu(const QList<QAction*>& items, std::vector<QAction*>& out)
{
    for (QAction* item : items) {
        if (item->isSeparator() || !item->isVisible() || !item->isEnabled())
            continue;
        if (QMenu* sub = item->menu())
            collectMenu(sub->actions(), out);
        else
            out.push_back(item);
    }
}

Reachable reachable(Form& window)
{
    Reachable r;
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && !b->objectName().isEmpty())
            r.buttons.push_back(b);
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        if (bar->isVisible() && bar->isEnabled())
            collectMenu(bar->actions(), r.actions);
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
        if (box->isVisible() && box->isEnabled() && !box->isReadOnly() && !box->objectName().isEmpty())
            r.boxes.push_back(box);
    return r;
}

const char* formName(FormId id)
{
    switch (id) {
    case FormId::Form1:
        return "Form1";
    case FormId::Form2:
        return "Form2";
    case FormId::Form3:
        return "Form3";
    case FormId::Form4:
        return "Form4";
    }
    return "?";
}

constexpr FormId allForms[] = {FormId::Form1, FormId::Form2, FormId::Form3, FormId::Form4};

// A short description of a reply for the action log.
std::string shortText(const QString& text)
{
    QString shown = text.left(24);
    shown.replace(u'\n', QStringLiteral("\\n")).replace(u'\t', QStringLiteral("\\t"));
    std::ostringstream out;
    out << '"' << shown.toStdString() << '"';
    if (text.size() > 24)
        out << "...(" << text.size() << " chars)";
    return out.str();
}

// The digits of the last expansion rebuild the task's number in its radix:
// TaskNumber = Dividend*Radix^DigitTop + sum of Digits(i)*Radix^i.
bool digitsRebuildTask(const Модуль1& m, int radix)
{
    __int128 value = m.Dividend;
    for (int i = m.DigitTop - 1; i >= 0; --i) {
        value = value * radix + m.Digits[static_cast<std::size_t>(i)];
        if (value > 1'000'000'000'000LL || value < -1'000'000'000'000LL)
            return false;
    }
    return value == m.TaskNumber;
}

struct TaskSnapshot {
    std::array<Int16, Модуль1::DigitSlots> digits;
    Int16 top, dividend, number;
    bool operator==(const TaskSnapshot&) const = default;
};

TaskSnapshot taskOf(const Модуль1& m)
{
    return {m.Digits, m.DigitTop, m.Dividend, m.TaskNumber};
}

class Robot {
public:
    explicit Robot(std::uint32_t seed)
        : engine_(seed), random_(engine_),
          dialogs_(engine_, [this]() -> const Модуль1* { return program_ ? &program_->state : nullptr; })
    {
        restart();
    }

    ~Robot()
    {
        program_.reset();
        QApplication::processEvents();
    }

    // One random action by the pupil, then the invariants. Returns false and
    // records the reason when an invariant broke.
    bool step()
    {
        FormId id = FormId::Form1;
        if (!visibleForm(id))
            return fail("no single visible window before the action");
        Form& window = program_->forms.form(id);
        const Reachable r = reachable(window);
        const std::size_t clickable = r.buttons.size() + r.actions.size();
        const unsigned roll = engine_() % 100;
        if (roll < 1 || (clickable == 0 && r.boxes.empty())) {
            ++closes;
            return act(id, "title-bar close", {}, [&] { window.close(); });
        }
        if (roll < 35 && !r.boxes.empty()) {
            QLineEdit* box = r.boxes[engine_() % r.boxes.size()];
            const QString text = engine_() % 3 == 0 ? dialogs_.validReply(QString()) : dialogs_.pick(hostileCorpus());
            ++edits;
            return act(id, "type " + shortText(text) + " into " + box->objectName().toStdString(), {}, [=] {
                box->setFocus();
                box->setText(text);
            });
        }
        std::size_t pick = engine_() % clickable;
        // Ending the program is one button among many; picked at that rate
        // the robot would restart every few dozen actions and rarely get
        // deep into a test, so four picks in five of it are drawn again.
        if (id == FormId::Form1 && pick < r.buttons.size() &&
            r.buttons[pick]->objectName() == QStringLiteral("Выход") && engine_() % 5 != 0)
            pick = engine_() % clickable;
        if (pick < r.buttons.size()) {
            QAbstractButton* b = r.buttons[pick];
            ++clicks;
            return act(id, "click " + b->objectName().toStdString(), b->objectName(), [=] { b->click(); });
        }
        QAction* a = r.actions[pick - r.buttons.size()];
        ++menus;
        return act(id, "menu " + a->objectName().toStdString(), a->objectName(), [=] { a->trigger(); });
    }

    // A named step of a scripted session, answered with valid replies only.
    bool perform(FormId id, const char* name, const QString& text = {})
    {
        FormId visible = FormId::Form1;
        if (!visibleForm(visible) || visible != id)
            return fail(std::string(formName(id)) + " is not the one visible window for " + name);
        Form& window = program_->forms.form(id);
        const QString objectName = QString::fromUtf8(name);
        dialogs_.hostile = false;
        bool ok = false;
        if (auto* box = window.findChild<QLineEdit*>(objectName))
            ok = act(id, std::string("type into ") + name, {}, [=] { box->setText(text); });
        else if (auto* b = window.findChild<QAbstractButton*>(objectName))
            ok = act(id, std::string("click ") + name, objectName, [=] { b->click(); });
        else if (auto* a = window.findChild<QAction*>(objectName))
            ok = act(id, std::string("menu ") + name, objectName, [=] { a->trigger(); });
        else
            ok = fail(std::string(formName(id)) + " has no control " + name);
        dialogs_.hostile = true;
        return ok;
    }

    bool ended() const { return ends > 0; }

    Form* visibleWindow()
    {
        FormId id = FormId::Form1;
        return visibleForm(id) ? &program_->forms.form(id) : nullptr;
    }

    void startOver()
    {
        failure.clear();
        restart();
    }

    bool visitedEveryWindow() const
    {
        for (bool v : visited_)
            if (!v)
                return false;
        return true;
    }

    std::string failure;
    std::deque<std::string> recent;
    long actions = 0;
    int clicks = 0, menus = 0, edits = 0, closes = 0, ends = 0;
    int tasksSet = 0, answersTaken = 0, answersScored = 0, answersRight = 0;

private:
    bool act(FormId id, std::string action, const QString& clicked, const std::function<void()>& doIt)
    {
        dialogs_.startAction();
        const TaskSnapshot before = taskOf(program_->state);
        action = std::string(formName(id)) + ": " + action;
        try {
            doIt();
            QApplication::processEvents();
        } catch (const std::exception& e) {
            log(action);
            return fail(std::string("an exception escaped the handler: ") + e.what());
        }
        for (std::size_t i = 0; i < dialogs_.inputTitles.size(); ++i)
            action += " | \"" + dialogs_.inputTitles[i].toStdString() + "\" <- " + shortText(dialogs_.replies[i]);
        for (const Message& msg : dialogs_.messages)
            action += " | message \"" + msg.prompt.toStdString() + "\"";
        log(action);
        visited_[static_cast<std::size_t>(id)] = true;

        if (dialogs_.hung)
            return fail("endless dialog loop at \"" + dialogs_.hungPrompt.toStdString() + "\"");
        for (const Message& msg : dialogs_.messages)
            if (msg.prompt.contains(QStringLiteral("Ошибка выполнения")))
                return fail("a runtime error reached the guard: " + msg.prompt.toStdString());

        if (program_->forms.ended()) {
            ++ends;
            restart();
            return true;
        }
        return checkInvariants(id, clicked, before);
    }

    void restart()
    {
        program_.reset();
        program_ = std::make_unique<Program>(dialogs_, random_, std::function<void()>{});
        taskRadix_.reset();
        scored_ = 0;
        right_ = 0;
        dialogs_.startAction();
        program_->start();
    }

    bool visibleForm(FormId& visible) const
    {
        int count = 0;
        for (FormId id : allForms) {
            const Form* f = program_->forms.created(id);
            if (f && f->isVisible()) {
                visible = id;
                ++count;
            }
        }
        return count == 1;
    }

    int count(const QString& prompt) const
    {
        int n = 0;
        for (const Message& msg : dialogs_.messages)
            if (msg.prompt == prompt)
                ++n;
        return n;
    }

    bool checkInvariants(FormId id, const QString& clicked, const TaskSnapshot& before)
    {
        const Модуль1& m = program_->state;
        FormId visible;
        if (!visibleForm(visible))
            return fail("not exactly one window visible");
        if (m.DigitTop < 0 || m.DigitTop > 20)
            return fail("DigitTop left the 0..20 slots: " + std::to_string(m.DigitTop));

        // A new expansion belongs to the radix it was made with; only the
        // test's radix button changes Radix without setting a task.
        const bool setsTask = clicked == QStringLiteral("Ввод_числа") || clicked == QStringLiteral("Показать_решение");
        if (!(taskOf(m) == before)) {
            if (!setsTask)
                return fail("the task changed on an action that sets none");
            if (m.Radix < 2)
                return fail("a task was expanded with radix " + std::to_string(m.Radix));
            taskRadix_ = m.Radix;
            ++tasksSet;
        }
        if (taskRadix_ && !digitsRebuildTask(m, *taskRadix_))
            return fail("the digits do not rebuild TaskNumber " + std::to_string(m.TaskNumber) + " in radix " +
                        std::to_string(*taskRadix_));

        if (id == FormId::Form1 && clicked == QStringLiteral("TESTIROVAN")) {
            if (m.TasksIssued != 0 || m.CorrectCount != 0 || m.LastAnswered != 0)
                return fail("opening the test did not reset its counters");
            scored_ = right_ = 0;
        }
        if (id == FormId::Form4 && clicked == QStringLiteral("Ввод_ответа")) {
            bool asked = false;
            for (const QString& title : dialogs_.inputTitles)
                asked |= title == QStringLiteral("Ввод ответа");
            if (asked) {
                ++answersTaken;
                if (m.LastAnswered != m.TasksIssued)
                    return fail("after an answer LastAnswered " + std::to_string(m.LastAnswered) +
                                " differs from TasksIssued " + std::to_string(m.TasksIssued));
            }
            const int right = count(QStringLiteral("МОЛОДЕЦ!!!  ПРАВИЛЬНО!!!"));
            const int wrong = count(QStringLiteral("НЕПРАВИЛЬНО!!!"));
            right_ += right;
            scored_ += right + wrong;
            answersScored += right + wrong;
            answersRight += right;
        }
        if (m.CorrectCount < 0 || m.CorrectCount > scored_)
            return fail("CorrectCount " + std::to_string(m.CorrectCount) + " exceeds the " + std::to_string(scored_) +
                        " answers scored");
        if (m.CorrectCount != right_)
            return fail("CorrectCount " + std::to_string(m.CorrectCount) + " differs from the " +
                        std::to_string(right_) + " answers praised");
        return true;
    }

    void log(const std::string& action)
    {
        ++actions;
        recent.push_back(std::to_string(actions) + ". " + action);
        if (recent.size() > 40)
            recent.pop_front();
    }

    bool fail(const std::string& why)
    {
        failure = why;
        return false;
    }

    std::mt19937 engine_;
    SeededRandom random_;
    RobotDialogs dialogs_;
    std::unique_ptr<Program> program_;
    std::optional<int> taskRadix_;
    int scored_ = 0;
    int right_ = 0;
    std::array<bool, 4> visited_{};
};

long envNumber(const char* name, long fallback)
{
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok ? value : fallback;
}

std::string report(const Robot& robot, std::uint32_t seed)
{
    std::ostringstream out;
    out << robot.failure << "\n  after action " << robot.actions << " with RADIXON_ROBOT_SEED=" << seed
        << "\n  last actions:\n";
    for (const std::string& line : robot.recent)
        out << "    " << line << "\n";
    return out.str();
}

TEST(RobotPupil, SurvivesTwentyThousandRandomActions)
{
    const auto clockSeed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const auto seed = static_cast<std::uint32_t>(envNumber("RADIXON_ROBOT_SEED", clockSeed));
    const long total = envNumber("RADIXON_ROBOT_ACTIONS", 20000);
    std::cout << "robot pupil: RADIXON_ROBOT_SEED=" << seed << ", " << total << " actions" << std::endl;
    ::testing::Test::RecordProperty("seed", std::to_string(seed));

    // RADIXON_ROBOT_KEEP_GOING=1 lists every fault of a run instead of
    // stopping at the first: the program starts afresh after each one.
    const bool keepGoing = envNumber("RADIXON_ROBOT_KEEP_GOING", 0) != 0;
    Robot robot(seed);
    while (robot.actions < total) {
        if (robot.step())
            continue;
        ADD_FAILURE() << report(robot, seed);
        if (!keepGoing)
            return;
        robot.startOver();
    }

    std::cout << "robot pupil survived " << robot.actions << " actions: " << robot.clicks << " clicks, " << robot.menus
              << " menu items, " << robot.edits << " edits, " << robot.closes << " closes, " << robot.ends
              << " program ends; " << robot.tasksSet << " tasks set, " << robot.answersTaken << " test answers taken, "
              << robot.answersScored << " scored, " << robot.answersRight << " right" << std::endl;
    // What the pupil is left looking at after the run, to be looked over.
    if (Form* last = robot.visibleWindow()) {
        QDir().mkpath(QStringLiteral(RADIXON_SCREENSHOT_DIR));
        EXPECT_TRUE(last->grab().save(QStringLiteral(RADIXON_SCREENSHOT_DIR "/robot-last-window.png")));
    }
    // A robot stuck in one window, or never sitting a test, would prove little.
    if (total >= 2000) {
        EXPECT_TRUE(robot.visitedEveryWindow());
        EXPECT_GT(robot.ends, 0);
        EXPECT_GT(robot.tasksSet, 0);
        EXPECT_GT(robot.answersScored, 0);
        EXPECT_GT(robot.answersRight, 0);
    }
}

// A whole session with valid input only: every window, both information
// pages, a worked solution in each direction, and a two-task test sat and
// scored. The leak check runs this case under valgrind.
TEST(RobotPupil, ScriptedWholeSession)
{
    struct Step {
        FormId form;
        const char* control;
        QString text;
    };
    const std::vector<Step> session = {
        {FormId::Form1, "Text1", QStringLiteral("Петров")},
        {FormId::Form1, "Инструкци", {}},
        {FormId::Form1, "программа", {}},
        {FormId::Form1, "регистрац", {}},
        {FormId::Form1, "Далее", {}},
        {FormId::Form2, "Ввод_числа", {}},
        {FormId::Form2, "Ввод_ответа", {}},
        {FormId::Form2, "Показать_решение", {}},
        {FormId::Form2, "Выход", {}},
        {FormId::Form1, "PEREVOD_V10", {}},
        {FormId::Form3, "Text2", QStringLiteral("16")},
        {FormId::Form3, "Ввод_числа", {}},
        {FormId::Form3, "Ввод_ответа", {}},
        {FormId::Form3, "Показать_решение", {}},
        {FormId::Form3, "Назад", {}},
        {FormId::Form1, "TESTIROVAN", {}},
        {FormId::Form4, "Text2", QStringLiteral("3")},
        {FormId::Form4, "Command1", {}},
        {FormId::Form4, "Text3", QStringLiteral("2")},
        {FormId::Form4, "Command3", {}},
        {FormId::Form4, "Ввод_числа", {}},
        {FormId::Form4, "Ввод_ответа", {}},
        {FormId::Form4, "Ввод_числа", {}},
        {FormId::Form4, "Ввод_ответа", {}},
        {FormId::Form4, "Command2", {}},
        {FormId::Form4, "Выход", {}},
        {FormId::Form1, "Выход", {}},
    };
    Robot robot(20261208);
    for (const Step& step : session)
        ASSERT_TRUE(robot.perform(step.form, step.control, step.text)) << report(robot, 20261208);
    EXPECT_TRUE(robot.visitedEveryWindow());
    EXPECT_EQ(robot.answersScored, 2);
    EXPECT_EQ(robot.answersRight, 2);
    EXPECT_TRUE(robot.ended());
}

}  // namespace
}  // namespace radixon::testing
