// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_checks.h"
#include "test_window.h"

namespace radixon::testing {
namespace {

class Form4SetUp : public TestWindowFixture {
protected:
    void SetUp() override { openTest(); }
};

TEST_F(Form4SetUp, CaptionAndWrappingLabels)
{
    EXPECT_EQ(form(FormId::Form4).windowTitle(), QStringLiteral("Тестирование"));
    // Both labels wrap a long text onto more lines.
    for (const char* name : {"Label1", "Label2"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(label(FormId::Form4, name)->wordWrap());
    }
}

TEST_F(Form4SetUp, OpensWithFocusOnTheRadixButtonAndTabsInDesignOrder)
{
    Form& window = form(FormId::Form4);
    QWidget* focused = window.focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->objectName(), QStringLiteral("Command1"));
    expectTabOrder(window, {"Command1", "Text2", "Ввод_числа", "Text1", "Ввод_ответа", "Выход", "Picture1", "Command2",
                            "Command3", "Text3"});
}

struct RadixEntry {
    const char* name;
    QString typed;
    std::vector<QString> replies;  // empty text: Cancel
    Int16 radix;
    QString shown;
};

TEST_F(Form4SetUp, RadixButtonAsksUntilTheRadixIsAtLeastTwo)
{
    const RadixEntry entries[] = {
        {"typed 8", "8", {}, 8, " 8"},
        {"typed 1.5 rounds to 2", "1.5", {}, 2, " 2"},
        {"typed 16", "16", {}, 16, " 16"},
        {"typed 0.5 rounds to 0", "0.5", {"1.5"}, 2, " 2"},
        {"cancel asks again", "1", {"", "7"}, 7, " 7"},
        {"letters", "abc", {"xyz", "-5", "3"}, 3, " 3"},
        {"empty box", "", {"12"}, 12, " 12"},
        {"beyond 16 bits typed", "70000", {"5"}, 5, " 5"},
        {"beyond 16 bits replied", "0", {"99999", "2.5"}, 2, " 2"},
    };
    for (const RadixEntry& entry : entries) {
        SCOPED_TRACE(entry.name);
        dialogs.clear();
        for (const QString& reply : entry.replies)
            dialogs.reply(reply);
        textBox(FormId::Form4, "Text2")->setText(entry.typed);
        click(FormId::Form4, "Command1");
        EXPECT_EQ(m().Radix, entry.radix);
        EXPECT_EQ(textBox(FormId::Form4, "Text2")->text(), entry.shown);
        ASSERT_EQ(dialogs.shown().size(), entry.replies.size());
        for (const ShownDialog& shown : dialogs.shown()) {
            EXPECT_TRUE(shown.isInput());
            EXPECT_EQ(shown.prompt, QStringLiteral("Введите число больше 1"));
            EXPECT_EQ(shown.title, QStringLiteral("Ввод основания системы счисления"));
        }
    }
}

struct CountEntry {
    const char* name;
    QString typed;
    std::vector<QString> replies;
    Int16 total;
    QString shown;
};

TEST_F(Form4SetUp, CountButtonAsksUntilTheCountIsEven)
{
    const CountEntry entries[] = {
        {"typed 6", "6", {}, 6, " 6"},
        {"typed 5.5 rounds to 6", "5.5", {}, 6, " 6"},
        {"typed 6.5 rounds to 6", "6.5", {}, 6, " 6"},
        {"typed 0", "0", {}, 0, " 0"},
        {"negative even", "-4", {}, -4, "-4"},
        {"typed 7", "7", {"1.5"}, 2, " 2"},
        {"negative odd", "-3", {"-4"}, -4, "-4"},
        {"cancel gives 0", "7", {""}, 0, " 0"},
        {"reply 0.5 rounds to 0", "3", {"0.5"}, 0, " 0"},
        {"odd replies", "1", {"7", "5", "10"}, 10, " 10"},
        {"beyond 16 bits typed", "40000", {"8"}, 8, " 8"},
        {"beyond 16 bits replied", "9", {"1e6", "-40000", "4"}, 4, " 4"},
    };
    for (const CountEntry& entry : entries) {
        SCOPED_TRACE(entry.name);
        dialogs.clear();
        m().TasksIssued = 3;
        for (const QString& reply : entry.replies)
            dialogs.reply(reply);
        textBox(FormId::Form4, "Text3")->setText(entry.typed);
        click(FormId::Form4, "Command3");
        EXPECT_EQ(m().TaskTotal, entry.total);
        EXPECT_EQ(m().TasksIssued, 0);
        EXPECT_EQ(textBox(FormId::Form4, "Text3")->text(), entry.shown);
        ASSERT_EQ(dialogs.shown().size(), entry.replies.size());
        for (const ShownDialog& shown : dialogs.shown()) {
            EXPECT_TRUE(shown.isInput());
            EXPECT_EQ(shown.prompt, QStringLiteral("Введите четное количество заданий"));
            EXPECT_EQ(shown.title, QStringLiteral("Ввод количества заданий"));
        }
    }
}

TEST_F(Form4SetUp, CountButtonKeepsTheScoreOfTheTestSoFar)
{
    m().CorrectCount = 2;
    m().LastAnswered = 3;
    m().TasksIssued = 3;
    setTaskTotal(QStringLiteral("4"));
    EXPECT_EQ(m().TasksIssued, 0);
    EXPECT_EQ(m().CorrectCount, 2);
    EXPECT_EQ(m().LastAnswered, 3);
}

TEST_F(Form4SetUp, BackShowsTheMainWindowAndKeepsTheTestWindowAsItWas)
{
    textBox(FormId::Form4, "Text3")->setText(QStringLiteral("4"));
    click(FormId::Form4, "Command3");
    drawNext({100});
    issue();
    const QString task = shownNumber();
    click(FormId::Form4, "Выход");
    EXPECT_FALSE(visible(FormId::Form4));
    EXPECT_TRUE(visible(FormId::Form1));

    click(FormId::Form1, "TESTIROVAN");
    EXPECT_TRUE(visible(FormId::Form4));
    EXPECT_EQ(form(FormId::Form4).windowTitle(), QStringLiteral("Тестирование"));
    EXPECT_EQ(textBox(FormId::Form4, "Text3")->text(), QStringLiteral(" 4"));
    EXPECT_EQ(shownNumber(), task);
}

TEST_F(Form4SetUp, MainWindowResetsTheCountersButKeepsCountAndRadix)
{
    setTaskTotal(QStringLiteral("2"));
    textBox(FormId::Form4, "Text2")->setText(QStringLiteral("5"));
    click(FormId::Form4, "Command1");
    drawNext({60});
    issue();
    answer(QStringLiteral("220"));  // 60 in radix 5
    ASSERT_EQ(m().CorrectCount, 1);
    click(FormId::Form4, "Выход");

    click(FormId::Form1, "TESTIROVAN");
    EXPECT_EQ(m().TasksIssued, 0);
    EXPECT_EQ(m().CorrectCount, 0);
    EXPECT_EQ(m().LastAnswered, 0);
    EXPECT_EQ(m().TaskTotal, 2);
    EXPECT_EQ(m().Radix, 5);
}

}  // namespace
}  // namespace radixon::testing
