// SPDX-License-Identifier: GPL-3.0-or-later
// The two practice windows: Form2 shows a decimal number to write in the
// radix, Form3 a number written in the radix to give in decimal. Cases that
// hold for both run in each; the rest name their window.
#include "design_checks.h"
#include "practice_fixture.h"

#include <QApplication>

#include <vector>

namespace radixon::testing {
namespace {

struct Window {
    const char* name;
    FormId id;
    const char* back;
};
void PrintTo(const Window& window, std::ostream* out)
{
    *out << window.name;
}
const Window Form2{"Form2", FormId::Form2, "Выход"};
const Window Form3{"Form3", FormId::Form3, "Назад"};

class PracticeWindows : public PracticeWindowFixture {};

TEST_F(PracticeWindows, FirstTaskTakesTheInitialRadixWithoutAsking)
{
    const struct {
        Window window;
        int number;
        const char* shown;
        double answer;
    } cases[] = {
        {Form2, 45, " 45", 101101},
        {Form3, 100, " 1 1 0 0 1 0 0", 1100100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window.name);
        open(c.window.id);
        EXPECT_EQ(textBox(c.window.id, "Text2")->text(), QStringLiteral(" 2"));
        EXPECT_EQ(textBox(c.window.id, "Text1")->text(), QStringLiteral(" "));
        const int reseeds = random.reseeds();
        dialogs.clear();
        setTask(c.window.id, c.number, QStringLiteral(" 2"));

        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_EQ(random.reseeds(), reseeds + 1);
        EXPECT_EQ(textBox(c.window.id, "Text2")->text(), QStringLiteral(" 2"));
        EXPECT_EQ(textBox(c.window.id, "Text1")->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(m().TaskNumber, c.number);
        EXPECT_EQ(m().Radix, 2);
        EXPECT_EQ(m().Dividend, 1);
        EXPECT_DOUBLE_EQ(m().RightAnswer, c.answer);
        // Setting a task prints nothing.
        EXPECT_TRUE(lines(c.window.id).isEmpty());
    }
    EXPECT_EQ(m().DigitTop, 6);
}

TEST_F(PracticeWindows, RadixBoxBelowTwoOrBeyondSixteenBitsBringsTheRadixDialog)
{
    const struct {
        Window window;
        const char* box;
        std::vector<QString> replies;
        Int16 radix;
        const char* shown;  // the task is 100 in Form2, 200 in Form3
    } cases[] = {
        {Form2, "", {QStringLiteral("5")}, 5, " 100"},
        {Form2, "1", {QString(), QStringLiteral("1"), QStringLiteral("3")}, 3, " 100"},
        {Form2, "0", {QStringLiteral("abc"), QStringLiteral("-5"), QStringLiteral("8")}, 8, " 100"},
        {Form2, "-3", {QStringLiteral("1.4"), QStringLiteral("1.5")}, 2, " 100"},
        {Form2, "abc", {QStringLiteral("3руб")}, 3, " 100"},
        {Form2, "99999", {QStringLiteral("70000"), QStringLiteral("16")}, 16, " 100"},
        {Form2, "1.4", {QStringLiteral("  1 0")}, 10, " 100"},
        {Form3, "", {QStringLiteral("8")}, 8, " 3 1 0"},
        {Form3, "1", {QString(), QStringLiteral("1"), QStringLiteral("3")}, 3, " 2 1 1 0 2"},
        {Form3, "0", {QStringLiteral("abc"), QStringLiteral("-5"), QStringLiteral("1.5")}, 2, " 1 1 0 0 1 0 0 0"},
        {Form3, "-3", {QStringLiteral("40000"), QStringLiteral("16")}, 16, " 12 8"},
        {Form3, "abc", {QStringLiteral("10руб")}, 10, " 2 0 0"},
        {Form3, "99999", {QStringLiteral("300")}, 300, " 200"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window.name) + " box " + c.box);
        open(c.window.id);
        dialogs.clear();
        for (const QString& reply : c.replies)
            dialogs.reply(reply);
        setTask(c.window.id, c.window.id == FormId::Form2 ? 100 : 200, QString::fromUtf8(c.box));

        ASSERT_EQ(dialogs.shown().size(), c.replies.size());
        for (const ShownDialog& shown : dialogs.shown()) {
            EXPECT_TRUE(shown.isInput());
            EXPECT_EQ(shown.prompt, radixPrompt);
            EXPECT_EQ(shown.title, radixTitle);
        }
        EXPECT_EQ(m().Radix, c.radix);
        EXPECT_EQ(textBox(c.window.id, "Text2")->text(), QStringLiteral(" %1").arg(c.radix));
        EXPECT_EQ(textBox(c.window.id, "Text1")->text(), QString::fromUtf8(c.shown));
    }
}

TEST_F(PracticeWindows, ShowTheTaskAndExpectItsAnswer)
{
    // Form2 expects the digits read as one decimal numeral, Form3 the number.
    const struct {
        Window window;
        const char* box;
        int number;
        Int16 radix;
        const char* shown;
        double rightAnswer;
    } cases[] = {
        {Form2, "16", 219, 16, " 219", 1311},   // digits 13 and 11 written as decimal numbers
        {Form2, "300", 150, 300, " 150", 150},  // a radix above the number leaves it whole
        {Form2, "2.5", 30, 2, " 30", 11110},    // halves go to the even radix
        {Form2, "3.5", 80, 4, " 80", 1100},
        {Form2, "10", 137, 10, " 137", 137},
        {Form3, "2", 269, 2, " 1 0 0 0 0 1 1 0 1", 100001101},
        {Form3, "8", 200, 8, " 3 1 0", 310},
        {Form3, "3", 80, 3, " 2 2 2 2", 2222},
        {Form3, "16", 219, 16, " 13 11", 1311},
        {Form3, "300", 150, 300, " 150", 150},
        {Form3, "2.5", 100, 2, " 1 1 0 0 1 0 0", 1100100},
        {Form3, "3.5", 100, 4, " 1 2 1 0", 1210},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window.name) + " box " + c.box);
        open(c.window.id);
        dialogs.clear();
        setTask(c.window.id, c.number, QString::fromUtf8(c.box));
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_EQ(m().Radix, c.radix);
        EXPECT_EQ(textBox(c.window.id, "Text2")->text(), QStringLiteral(" %1").arg(c.radix));
        EXPECT_EQ(textBox(c.window.id, "Text1")->text(), QString::fromUtf8(c.shown));
        EXPECT_DOUBLE_EQ(m().RightAnswer, c.rightAnswer);
        if (c.window.id == FormId::Form3) {
            expectVerdict(answer(c.window.id, QString::number(c.number)), true);
            expectVerdict(answer(c.window.id, QString::number(c.rightAnswer, 'f', 0)), c.rightAnswer == c.number);
        }
    }
}

TEST_F(PracticeWindows, JudgeTheTypedAnswerByItsValue)
{
    const struct {
        Window window;
        const char* reply;
        bool right;
    } cases[] = {
        // 45 in radix 2
        {Form2, "101101", true},
        {Form2, "1 0 1 1 0 1", true},
        {Form2, "  101101  ", true},
        {Form2, "101101abc", true},
        {Form2, "101101руб", true},
        {Form2, "1011.01", false},
        {Form2, "", false},
        {Form2, "45", false},
        {Form2, "1011010", false},
        {Form2, "1e309", false},
        {Form2, "-1e309", false},
        // 100 in radix 2
        {Form3, "100", true},
        {Form3, "1 00", true},
        {Form3, " 100 ", true},
        {Form3, "100руб", true},
        {Form3, "100abc", true},
        {Form3, "10.0", false},
        {Form3, "1.00", false},
        {Form3, "", false},
        {Form3, "1100100", false},
    };
    open(FormId::Form2);
    setTask(FormId::Form2, 45, QStringLiteral(" 2"));
    open(FormId::Form3);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window.name) + " reply " + c.reply);
        if (c.window.id == FormId::Form3 && m().TaskNumber != 100)
            setTask(FormId::Form3, 100, QStringLiteral("2"));
        expectVerdict(answer(c.window.id, QString::fromUtf8(c.reply)), c.right);
    }
    // Answering changes nothing about the task.
    EXPECT_EQ(m().TaskNumber, 100);
    EXPECT_DOUBLE_EQ(m().RightAnswer, 1100100);
}

TEST_F(PracticeWindows, AboveRadixTenTheNumberMayBeWrittenWithLetterDigits)
{
    const struct {
        Window window;
        const char* reply;
        bool right;
    } cases[] = {
        // 170 in radix 16
        {Form2, "AA", true},  {Form2, "a a", true}, {Form2, "1010", true},
        {Form2, "AB", false}, {Form3, "170", true}, {Form3, "AA", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window.name) + " reply " + c.reply);
        open(c.window.id);
        setTask(c.window.id, 170, QStringLiteral("16"));
        expectVerdict(answer(c.window.id, QString::fromUtf8(c.reply)), c.right);
    }
    // The worked solution still writes the digits in decimal.
    click(FormId::Form2, "Показать_решение");
    EXPECT_EQ(lines(FormId::Form2).last(), QStringLiteral(" 10  10 "));
}

TEST_F(PracticeWindows, BeforeAnyTaskTheExpectedAnswerIsZero)
{
    const struct {
        Window window;
        const char* reply;
        bool right;
    } cases[] = {
        {Form2, "", true}, {Form2, "0", true}, {Form2, "нет", true},  {Form2, "1", false},
        {Form3, "", true}, {Form3, "0", true}, {Form3, "ноль", true}, {Form3, "2", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window.name) + " reply " + c.reply);
        open(c.window.id);
        expectVerdict(answer(c.window.id, QString::fromUtf8(c.reply)), c.right);
    }
}

TEST_F(PracticeWindows, SolutionButtonPrintsTheWorkedSolutionOfTheTask)
{
    const struct {
        Window window;
        int number;
        const char* radix;
        const char* first;
        const char* last;
    } cases[] = {
        {Form2, 45, "2", "45  :     2  =  22 ( 1 )", " 1  0  1  1  0  1 "},
        {Form3, 200, "8", " 310  =  3 * 8 ^ 2 + 1 * 8 ^ 1 +0 *  8  ^0 = ", "ОТВЕТ: 200 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window.name);
        open(c.window.id);
        setTask(c.window.id, c.number, QString::fromUtf8(c.radix));
        const Модуль1 task = m();
        // Not read until the next task.
        textBox(c.window.id, "Text2")->setText(QStringLiteral("5"));
        dialogs.clear();
        click(c.window.id, "Показать_решение");
        EXPECT_TRUE(dialogs.shown().empty());
        const QStringList solution = lines(c.window.id);
        EXPECT_EQ(solution.value(0), QString::fromUtf8(c.first));
        EXPECT_EQ(solution.value(solution.size() - 1), QString::fromUtf8(c.last));
        EXPECT_EQ(accessibleValue(c.window.id), solution.join(u'\n'));
        EXPECT_EQ(m().TaskNumber, task.TaskNumber);
        EXPECT_EQ(m().RightAnswer, task.RightAnswer);
        EXPECT_EQ(m().Radix, task.Radix);

        // A second press clears the area first instead of appending.
        click(c.window.id, "Показать_решение");
        EXPECT_EQ(lines(c.window.id), solution);
    }
}

TEST_F(PracticeWindows, NewTaskLeavesTheOldSolutionUntilItIsAskedAgain)
{
    open(FormId::Form2);
    setTask(FormId::Form2, 45, QStringLiteral("2"));
    click(FormId::Form2, "Показать_решение");
    setTask(FormId::Form2, 219, QStringLiteral("16"));
    EXPECT_EQ(lines(FormId::Form2).value(0), QStringLiteral("45  :     2  =  22 ( 1 )"));
    click(FormId::Form2, "Показать_решение");
    EXPECT_EQ(lines(FormId::Form2).value(0), QStringLiteral("219  :     16  =  13 ( 11 )"));
}

TEST_F(PracticeWindows, SolutionBeforeAnyTask)
{
    // The division table has no radix to divide by: a warning, nothing printed.
    open(FormId::Form2);
    click(FormId::Form2, "Показать_решение");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const ShownDialog& warning = dialogs.shown().front();
    EXPECT_FALSE(warning.isInput());
    EXPECT_EQ(warning.prompt, QStringLiteral("Сначала задайте число!"));
    EXPECT_EQ(warning.style, MsgStyle::Critical);
    EXPECT_EQ(warning.title, warningTitle);
    EXPECT_TRUE(lines(FormId::Form2).isEmpty());
    EXPECT_EQ(accessibleValue(FormId::Form2), QString());
    EXPECT_EQ(m().DigitTop, 0);
    EXPECT_EQ(m().Digits[0], 0);

    // The expanded sum of zero needs no division.
    dialogs.clear();
    open(FormId::Form3);
    click(FormId::Form3, "Показать_решение");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(lines(FormId::Form3).value(3), QStringLiteral("ОТВЕТ: 0 "));
}

TEST_F(PracticeWindows, WorkOnATaskSetInTheOtherPracticeWindow)
{
    // Form3's task, 100 in radix 2, answered and solved in Form2.
    open(FormId::Form3);
    setTask(FormId::Form3, 100, QStringLiteral(" 2"));
    program.forms.Hide(FormId::Form3);
    open(FormId::Form2);
    expectVerdict(answer(FormId::Form2, QStringLiteral("1100100")), true);
    expectVerdict(answer(FormId::Form2, QStringLiteral("100")), false);
    click(FormId::Form2, "Показать_решение");
    EXPECT_EQ(lines(FormId::Form2).value(0), QStringLiteral("100  :     2  =  50 ( 0 )"));
    EXPECT_EQ(lines(FormId::Form2).last(), QStringLiteral(" 1  1  0  0  1  0  0 "));
    // This window's boxes show what it wrote itself, which is nothing yet.
    EXPECT_EQ(textBox(FormId::Form2, "Text1")->text(), QStringLiteral(" "));

    // Form2's task, 45 in radix 8, answered and solved in Form3.
    setTask(FormId::Form2, 45, QStringLiteral("8"));
    program.forms.Hide(FormId::Form2);
    open(FormId::Form3);
    expectVerdict(answer(FormId::Form3, QStringLiteral("45")), true);
    expectVerdict(answer(FormId::Form3, QStringLiteral("55")), false);
    click(FormId::Form3, "Показать_решение");
    EXPECT_EQ(lines(FormId::Form3).value(0), QStringLiteral(" 55  =  5 * 8 ^ 1 +5 *  8  ^0 = "));
    EXPECT_EQ(lines(FormId::Form3).value(1), QStringLiteral(" =  5 * 8  +  5  =  45 "));
    EXPECT_EQ(textBox(FormId::Form3, "Text1")->text(), QStringLiteral(" 1 1 0 0 1 0 0"));
    EXPECT_EQ(textBox(FormId::Form3, "Text2")->text(), QStringLiteral(" 2"));
}

// --- What both windows do alike ---------------------------------------------

class EachPracticeWindow : public PracticeWindowFixture, public ::testing::WithParamInterface<Window> {
protected:
    FormId id() const { return GetParam().id; }
};

TEST_P(EachPracticeWindow, LoadingSetsTheMainWindowCaptionOnce)
{
    const QString caption = QStringLiteral("Перевод чисел в двоичную систему счисления - самопроверка");
    open(id());
    EXPECT_EQ(form(FormId::Form1).windowTitle(), caption);
    EXPECT_EQ(form(id()).windowTitle(),
              id() == FormId::Form2 ? QStringLiteral("ОБУЧЕНИЕ: Перевод десятичных чисел  в другие  системы счисления")
                                    : QStringLiteral("ОБУЧЕНИЕ: Перевод чисел  в десятичную систему счисления"));
    EXPECT_EQ(label(id(), "Label1")->text(), form(id()).windowTitle().mid(10));

    // Form_Load does not run again on a later visit.
    program.forms.SetCaption(FormId::Form1, QStringLiteral("другой"));
    click(id(), GetParam().back);
    open(id());
    EXPECT_EQ(form(FormId::Form1).windowTitle(), QStringLiteral("другой"));
}

TEST_P(EachPracticeWindow, BackAndReturnKeepTheTask)
{
    open(id());
    setTask(id(), 219, QStringLiteral("16"));
    click(id(), "Показать_решение");
    const QStringList solution = lines(id());
    const QString shown = textBox(id(), "Text1")->text();
    click(id(), GetParam().back);
    EXPECT_FALSE(visible(id()));
    EXPECT_TRUE(visible(FormId::Form1));

    open(id());
    EXPECT_TRUE(visible(id()));
    EXPECT_EQ(textBox(id(), "Text2")->text(), QStringLiteral(" 16"));
    EXPECT_EQ(textBox(id(), "Text1")->text(), shown);
    EXPECT_EQ(lines(id()), solution);
    expectVerdict(answer(id(), id() == FormId::Form2 ? QStringLiteral("1311") : QStringLiteral("219")), true);
}

TEST_P(EachPracticeWindow, OpensWithTheFocusOnTheSolutionButtonAndTabsInDesignOrder)
{
    open(id());
    QApplication::processEvents();
    Form& window = form(id());
    EXPECT_EQ(window.focusWidget(), button(id(), "Показать_решение"));
    expectTabOrder(window, {"Показать_решение", "Ввод_числа", "Text1", "Picture1", "Ввод_ответа", GetParam().back,
                            "Command1", "Text2"});
}

TEST_P(EachPracticeWindow, PictureShowsTheSolution)
{
    open(id());
    const QString prefix = QString::fromUtf8(GetParam().name).toLower() + QStringLiteral("-solution-");
    // The longest solution the window draws, and one in radix 16.
    const int longest = id() == FormId::Form2 ? 219 : 269;
    for (const auto& [number, radix] : {std::pair{longest, 2}, std::pair{219, 16}}) {
        setTask(id(), number, QString::number(radix));
        click(id(), "Показать_решение");
        saveGrab(id(), prefix + QStringLiteral("%1-in-radix-%2.png").arg(number).arg(radix));
    }
    EXPECT_EQ(accessibleValue(id()), printArea(id())->text());
}

INSTANTIATE_TEST_SUITE_P(, EachPracticeWindow, ::testing::Values(Form2, Form3),
                         [](const ::testing::TestParamInfo<Window>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace radixon::testing
