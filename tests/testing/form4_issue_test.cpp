// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_window.h"

namespace radixon::testing {
namespace {

const QString ToBinary = QStringLiteral("Переведите из 10-й с.с. в  2-ую с.с.");
const QString ToDecimal = QStringLiteral("Переведите в 10-ую с.с. ");

class Form4Issue : public TestWindowFixture {
protected:
    void SetUp() override { openTest(); }
};

struct IssuedTask {
    int number;
    QString instruction;
    QString shown;
    double expected;
};

TEST_F(Form4Issue, SixTasksInRadixTwoGoFromDecimalThenBackToDecimal)
{
    setTaskTotal(QStringLiteral("6"));
    const IssuedTask tasks[] = {
        {137, ToBinary, " 137", 10001001},     {50, ToBinary, " 50", 110010},
        {248, ToBinary, " 248", 11111000},     {200, ToDecimal, " 1 1 0 0 1 0 0 0", 200},
        {99, ToDecimal, " 1 1 0 0 0 1 1", 99}, {64, ToDecimal, " 1 0 0 0 0 0 0", 64},
    };
    int press = 0;
    for (const IssuedTask& task : tasks) {
        SCOPED_TRACE(task.number);
        drawNext({task.number});
        issue();
        EXPECT_EQ(m().TasksIssued, ++press);
        EXPECT_EQ(m().TaskNumber, task.number);
        EXPECT_EQ(m().Radix, 2);
        EXPECT_EQ(instruction(), task.instruction);
        EXPECT_EQ(shownNumber(), task.shown);
        EXPECT_EQ(m().RightAnswer, task.expected);
        if (press == 1)
            saveGrab(FormId::Form4, QStringLiteral("form4-task.png"));
    }
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(random.reseeds(), 6);
}

TEST_F(Form4Issue, TwoTasksSplitOneAndOne)
{
    setTaskTotal(QStringLiteral("2"));
    drawNext({137, 137});
    issue();
    EXPECT_EQ(instruction(), ToBinary);
    issue();
    EXPECT_EQ(instruction(), ToDecimal);
    EXPECT_EQ(shownNumber(), QStringLiteral(" 1 0 0 0 1 0 0 1"));
    issue();
    EXPECT_EQ(lastMessage(), warning("Узнайте результат!!!"));
}

TEST_F(Form4Issue, NoTasksSetWarnsAtTheFirstPress)
{
    ASSERT_EQ(m().TaskTotal, 0);
    issue();
    EXPECT_EQ(lastMessage(), warning("Узнайте результат!!!"));
    EXPECT_EQ(m().TasksIssued, 1);
    EXPECT_EQ(instruction(), QStringLiteral(" "));
    EXPECT_EQ(shownNumber(), QStringLiteral(" "));
}

TEST_F(Form4Issue, PressesPastTheEndKeepTheLastTaskOnScreen)
{
    setTaskTotal(QStringLiteral("2"));
    drawNext({90, 77});
    issue();
    issue();
    const QString lastShown = shownNumber();
    const double lastAnswer = m().RightAnswer;
    dialogs.clear();
    issue();
    issue();
    EXPECT_EQ(m().TasksIssued, 4);
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(lastMessage(), warning("Узнайте результат!!!"));
    EXPECT_EQ(shownNumber(), lastShown);
    EXPECT_EQ(instruction(), ToDecimal);
    EXPECT_EQ(m().RightAnswer, lastAnswer);
    EXPECT_EQ(m().TaskNumber, 77);
}

TEST_F(Form4Issue, IssueCountStopsAt32767InsteadOfOverflowing)
{
    setTaskTotal(QStringLiteral("6"));
    m().TasksIssued = 32766;
    issue();
    issue();
    EXPECT_EQ(m().TasksIssued, 32767);
    ASSERT_EQ(dialogs.messages().size(), 2u);
    for (const ShownDialog& message : dialogs.messages())
        EXPECT_EQ(message.prompt, QStringLiteral("Узнайте результат!!!"));
}

struct RadixCase {
    const char* name;
    QString typed;
    int number;
    QString instruction;
    QString firstHalfShown;
    double firstHalfExpected;
    QString secondHalfShown;
};

// The radix box is read for every task, as typed, without Command1.
TEST_F(Form4Issue, RadixTypedInTheBoxIsUsedForEveryTask)
{
    const RadixCase cases[] = {
        {"radix 8", "8", 137, "Переведите из 10-й с.с. в  8-ую с.с.", " 137", 211, " 2 1 1"},
        {"radix 5.5 rounds to 6", "5.5", 50, "Переведите из 10-й с.с. в  6-ую с.с.", " 50", 122, " 1 2 2"},
        {"radix 10", "10", 219, "Переведите из 10-й с.с. в  10-ую с.с.", " 219", 219, " 2 1 9"},
        {"radix 16", "16", 200, "Переведите из 10-й с.с. в  16-ую с.с.", " 200", 128, " 12 8"},
        {"radix 249", "249", 248, "Переведите из 10-й с.с. в  249-ую с.с.", " 248", 248, " 248"},
        {"radix 300", "300", 50, "Переведите из 10-й с.с. в  300-ую с.с.", " 50", 50, " 50"},
    };
    for (const RadixCase& c : cases) {
        SCOPED_TRACE(c.name);
        setTaskTotal(QStringLiteral("2"));
        textBox(FormId::Form4, "Text2")->setText(c.typed);
        drawNext({c.number, c.number});
        issue();
        EXPECT_EQ(instruction(), c.instruction);
        EXPECT_EQ(shownNumber(), c.firstHalfShown);
        EXPECT_EQ(m().RightAnswer, c.firstHalfExpected);
        issue();
        EXPECT_EQ(instruction(), ToDecimal);
        EXPECT_EQ(shownNumber(), c.secondHalfShown);
        EXPECT_EQ(m().RightAnswer, c.number);
        EXPECT_EQ(textBox(FormId::Form4, "Text2")->text(), c.typed);
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

struct UnusableRadix {
    const char* name;
    QString typed;
};

// A radix below 2 would make the repeated division divide by zero or never
// end; the task asks for one with Command1's dialog instead.
TEST_F(Form4Issue, RadixBelowTwoInTheBoxIsAskedForBeforeTheTask)
{
    const UnusableRadix cases[] = {
        {"one", "1"},
        {"zero", "0"},
        {"negative", "-5"},
        {"letters", "abc"},
        {"empty", ""},
        {"half rounds to 0", "0.5"},
        {"beyond 16 bits", "70000"},
    };
    for (const UnusableRadix& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        setTaskTotal(QStringLiteral("2"));
        textBox(FormId::Form4, "Text2")->setText(c.typed);
        dialogs.replies({QString(), QStringLiteral("1"), QStringLiteral("3")});
        drawNext({100});
        issue();
        ASSERT_EQ(dialogs.shown().size(), 3u);
        for (const ShownDialog& shown : dialogs.shown()) {
            EXPECT_TRUE(shown.isInput());
            EXPECT_EQ(shown.prompt, QStringLiteral("Введите число больше 1"));
            EXPECT_EQ(shown.title, QStringLiteral("Ввод основания системы счисления"));
        }
        EXPECT_EQ(m().Radix, 3);
        EXPECT_EQ(textBox(FormId::Form4, "Text2")->text(), QStringLiteral(" 3"));
        EXPECT_EQ(instruction(), QStringLiteral("Переведите из 10-й с.с. в  3-ую с.с."));
        EXPECT_EQ(m().RightAnswer, 10201);  // 100 in radix 3
    }
}

TEST_F(Form4Issue, RadixIsNotAskedForPastTheEnd)
{
    textBox(FormId::Form4, "Text2")->setText(QStringLiteral("0"));
    issue();  // no tasks set: only the warning
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(lastMessage(), warning("Узнайте результат!!!"));
}

}  // namespace
}  // namespace radixon::testing
