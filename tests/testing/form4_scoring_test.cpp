// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_window.h"

namespace radixon::testing {
namespace {

const std::string Right = "МОЛОДЕЦ!!!  ПРАВИЛЬНО!!!|48|Cообщение";
const std::string Wrong = warning("НЕПРАВИЛЬНО!!!");
const std::string NotCounted = warning("Ответ не засчитывается!!!");
const std::string SeeResult = warning("Узнайте результат!!!");

class Form4Scoring : public TestWindowFixture {
protected:
    void SetUp() override { openTest(); }

    // A test of `total` tasks with every task drawing 137 (10001001 in radix 2
    // for the first half, 137 for the second).
    void startTest(int total)
    {
        setTaskTotal(QString::number(total));
        drawNext({137});
    }
    QString rightReply() { return m().RightAnswer == 137 ? QStringLiteral("137") : QStringLiteral("10001001"); }

    // Back to the main window and into the test again: a fresh score.
    void reopenTest()
    {
        click(FormId::Form4, "Выход");
        click(FormId::Form1, "TESTIROVAN");
    }

    void printResult() { click(FormId::Form4, "Command2"); }
};

TEST_F(Form4Scoring, TheLatinCTitleOfPraiseIsKept)
{
    startTest(2);
    issue();
    answer(rightReply());
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title.at(0), QChar(u'C'));
    EXPECT_EQ(messages[0].title.mid(1), QStringLiteral("ообщение"));
}

struct Reply {
    const char* name;
    QString typed;
    bool right;
};

TEST_F(Form4Scoring, RepliesAreComparedAsNumbers)
{
    const Reply replies[] = {
        {"digits", "10001001", true},
        {"blanks between digits", "1 0 0 0 1 0 0 1", true},
        {"a decimal point", "10001001.0", true},
        {"the decimal number itself", "137", false},
        {"letters", "abc", false},
        {"cancel", "", false},
    };
    for (const Reply& reply : replies) {
        SCOPED_TRACE(reply.name);
        reopenTest();
        dialogs.clear();
        startTest(2);
        issue();
        answer(reply.typed);
        EXPECT_EQ(lastMessage(), reply.right ? Right : Wrong);
        EXPECT_EQ(m().CorrectCount, reply.right ? 1 : 0);
        EXPECT_EQ(m().LastAnswered, 1);
        ASSERT_FALSE(dialogs.shown().empty());
        EXPECT_EQ(dialogs.shown()[0].prompt, QStringLiteral("Введи ответ"));
        EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Ввод ответа"));
    }
}

TEST_F(Form4Scoring, ScoresEachTaskAtMostOnce)
{
    startTest(2);
    issue();
    answer(rightReply());
    answer(rightReply());
    EXPECT_EQ(lastMessage(), NotCounted);
    EXPECT_EQ(m().CorrectCount, 1);
    EXPECT_EQ(m().LastAnswered, 1);
    // the second try was still asked for before it was refused
    EXPECT_EQ(dialogs.prompts().count(QStringLiteral("Введи ответ")), 2);
}

TEST_F(Form4Scoring, SkippedTaskCostsTheNextOne)
{
    startTest(6);
    issue();
    issue();
    answer(rightReply());
    EXPECT_EQ(lastMessage(), NotCounted);
    EXPECT_EQ(m().LastAnswered, 2);
    answer(rightReply());
    EXPECT_EQ(lastMessage(), NotCounted);
    EXPECT_EQ(m().CorrectCount, 0);
    issue();
    answer(rightReply());
    EXPECT_EQ(lastMessage(), Right);
    EXPECT_EQ(m().CorrectCount, 1);
}

TEST_F(Form4Scoring, AnswerBeforeAnyTaskIsAskedThenRefused)
{
    answer(QStringLiteral("5"));
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_TRUE(dialogs.shown()[0].isInput());
    EXPECT_EQ(lastMessage(), NotCounted);
    EXPECT_EQ(m().LastAnswered, 0);
    EXPECT_EQ(m().CorrectCount, 0);
}

TEST_F(Form4Scoring, LastTaskIsAnswerableUntilAPressPastTheEnd)
{
    startTest(2);
    issue();
    answer(rightReply());
    issue();
    answer(QStringLiteral("137"));
    EXPECT_EQ(lastMessage(), Right);
    issue();
    dialogs.clear();
    click(FormId::Form4, "Ввод_ответа");  // no reply scripted: no input box may come
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(lastMessage(), SeeResult);
    EXPECT_EQ(m().LastAnswered, 2);
}

TEST_F(Form4Scoring, CorrectCountStopsAt32767InsteadOfOverflowing)
{
    startTest(2);
    m().CorrectCount = 32767;
    issue();
    answer(rightReply());
    EXPECT_EQ(lastMessage(), Right);
    EXPECT_EQ(m().CorrectCount, 32767);
}

TEST_F(Form4Scoring, RecountingMidTestKeepsRightAnswersAndMayPassAHundredPercent)
{
    startTest(2);
    issue();
    answer(rightReply());
    issue();
    answer(rightReply());
    ASSERT_EQ(m().CorrectCount, 2);

    setTaskTotal(QStringLiteral("2"));
    EXPECT_EQ(m().TasksIssued, 0);
    EXPECT_EQ(m().CorrectCount, 2);
    EXPECT_EQ(m().LastAnswered, 2);
    issue();
    answer(rightReply());
    EXPECT_EQ(lastMessage(), NotCounted);
    issue();
    answer(rightReply());
    EXPECT_EQ(lastMessage(), Right);

    printResult();
    const QStringList lines = page();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[3], QStringLiteral("   Из  2 возможных баллов Вы набрали"));
    EXPECT_EQ(lines[4], QStringLiteral("         3   бал.  "));
    EXPECT_EQ(lines[6], QStringLiteral("    Ваш результат:   150 % "));
    EXPECT_EQ(lines[8], QStringLiteral("     У Вас отличный результат!!!"));
}

TEST_F(Form4Scoring, PageMidTestCountsEveryTaskAsPossiblePoints)
{
    startTest(10);
    issue();
    answer(rightReply());
    printResult();
    const QStringList lines = page();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[3], QStringLiteral("   Из  10 возможных баллов Вы набрали"));
    EXPECT_EQ(lines[6], QStringLiteral("    Ваш результат:   10 % "));
}

TEST_F(Form4Scoring, PageWithoutTasksWarnsInsteadOfDividingByZero)
{
    ASSERT_EQ(m().TaskTotal, 0);
    printResult();
    EXPECT_EQ(lastMessage(), warning("Сначала введите количество заданий!"));
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(page().isEmpty());

    setTaskTotal(QStringLiteral("0"));
    printResult();
    EXPECT_EQ(lastMessage(), warning("Сначала введите количество заданий!"));
    EXPECT_TRUE(page().isEmpty());
}

TEST_F(Form4Scoring, ReprintingStartsAFreshPage)
{
    m().TaskTotal = 6;
    m().CorrectCount = 5;
    printResult();
    m().CorrectCount = 6;
    printResult();
    const QStringList lines = page();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[4], QStringLiteral("         6   бал.  "));
    EXPECT_EQ(accessibleValue(FormId::Form4), lines.join(u'\n'));
}

// The worked example sat through the real windows: surname S, six tasks in
// radix 2, the fifth answer wrong.
TEST_F(Form4Scoring, WholeTestGivesTheWorkedExamplePage)
{
    setTaskTotal(QStringLiteral("6"));
    drawNext({137, 50, 248, 200, 99, 64});
    const char* replies[] = {"10001001", "110010", "11111000", "200", "98", "64"};
    for (const char* reply : replies) {
        issue();
        answer(QString::fromUtf8(reply));
    }
    EXPECT_EQ(m().CorrectCount, 5);
    issue();
    EXPECT_EQ(lastMessage(), SeeResult);

    printResult();
    const QStringList expected{
        "", "           Уважаемый  S!",     "", "   Из  6 возможных баллов Вы набрали", "         5   бал.  ",
        "", "    Ваш результат:   83.3 % ", "", "     У Вас хороший результат!",
    };
    EXPECT_EQ(page(), expected);
    EXPECT_EQ(accessibleValue(FormId::Form4), expected.join(u'\n'));
    saveGrab(FormId::Form4, QStringLiteral("form4-result.png"));
}

TEST_F(Form4Scoring, GreetingShowsTheSurnameAsStored)
{
    click(FormId::Form4, "Выход");
    textBox(FormId::Form1, "Text1")->clear();
    dialogs.reply(QStringLiteral("Иванов"));
    click(FormId::Form1, "TESTIROVAN");
    m().TaskTotal = 2;
    printResult();
    ASSERT_FALSE(page().isEmpty());
    EXPECT_EQ(page()[1], QStringLiteral("           Уважаемый  Иванов!"));
}

}  // namespace
}  // namespace radixon::testing
