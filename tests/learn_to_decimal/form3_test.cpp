#include "design_checks.h"
#include "practice_fixture.h"

#include <QApplication>

#include <vector>

namespace radixon::testing {
namespace {

class Form3Test : public PracticeWindowFixture {
protected:
    Form3Test() : PracticeWindowFixture(FormId::Form3, 80) {}
};

TEST_F(Form3Test, FirstTaskTakesTheInitialRadixWithoutAsking)
{
    EXPECT_EQ(textBox(FormId::Form3, "Text2")->text(), QStringLiteral(" 2"));
    EXPECT_EQ(textBox(FormId::Form3, "Text1")->text(), QStringLiteral(" "));
    nextNumber(100, 190, 80);
    click(FormId::Form3, "Ввод_числа");

    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(random.reseeds(), 1);
    EXPECT_EQ(textBox(FormId::Form3, "Text2")->text(), QStringLiteral(" 2"));
    EXPECT_EQ(textBox(FormId::Form3, "Text1")->text(), QStringLiteral(" 1 1 0 0 1 0 0"));
    EXPECT_EQ(m().TaskNumber, 100);
    EXPECT_EQ(m().DigitTop, 6);
    EXPECT_EQ(m().Dividend, 1);
    EXPECT_DOUBLE_EQ(m().RightAnswer, 1100100);
    EXPECT_TRUE(solutionLines().isEmpty());
}

TEST_F(Form3Test, RadixBoxBelowTwoOrBeyondSixteenBitsBringsTheRadixDialog)
{
    struct Case {
        const char* box;
        std::vector<QString> replies;
        Int16 radix;
        const char* text1;
    };
    const Case cases[] = {
        {"", {QStringLiteral("8")}, 8, " 3 1 0"},
        {"1", {QString(), QStringLiteral("1"), QStringLiteral("3")}, 3, " 2 1 1 0 2"},
        {"0", {QStringLiteral("abc"), QStringLiteral("-5"), QStringLiteral("1.5")}, 2, " 1 1 0 0 1 0 0 0"},
        {"-3", {QStringLiteral("40000"), QStringLiteral("16")}, 16, " 12 8"},
        {"abc", {QStringLiteral("10руб")}, 10, " 2 0 0"},
        {"99999", {QStringLiteral("300")}, 300, " 200"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        dialogs.clear();
        for (const QString& reply : c.replies)
            dialogs.reply(reply);
        setTask(200, QString::fromUtf8(c.box));

        ASSERT_EQ(dialogs.shown().size(), c.replies.size());
        for (const ShownDialog& shown : dialogs.shown()) {
            EXPECT_TRUE(shown.isInput());
            EXPECT_EQ(shown.prompt, radixPrompt);
            EXPECT_EQ(shown.title, radixTitle);
        }
        EXPECT_EQ(m().Radix, c.radix);
        EXPECT_EQ(textBox(FormId::Form3, "Text2")->text(), QStringLiteral(" %1").arg(c.radix));
        EXPECT_EQ(textBox(FormId::Form3, "Text1")->text(), QString::fromUtf8(c.text1));
    }
}

TEST_F(Form3Test, ShowsTheNumberInTheRadixAndExpectsItsDecimalValue)
{
    struct Case {
        const char* box;
        int number;
        const char* text1;
        double rightAnswer;
    };
    const Case cases[] = {
        {"2", 269, " 1 0 0 0 0 1 1 0 1", 100001101},
        {"8", 200, " 3 1 0", 310},
        {"3", 80, " 2 2 2 2", 2222},
        {"16", 219, " 13 11", 1311},
        {"300", 150, " 150", 150},
        {"2.5", 100, " 1 1 0 0 1 0 0", 1100100},
        {"3.5", 100, " 1 2 1 0", 1210},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        dialogs.clear();
        setTask(c.number, QString::fromUtf8(c.box));
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_EQ(textBox(FormId::Form3, "Text1")->text(), QString::fromUtf8(c.text1));
        EXPECT_DOUBLE_EQ(m().RightAnswer, c.rightAnswer);
        expectVerdict(answer(QString::number(c.number)), true);
        expectVerdict(answer(QString::number(c.rightAnswer, 'f', 0)), c.rightAnswer == c.number);
    }
}

TEST_F(Form3Test, JudgesTheTypedAnswerByItsValue)
{
    struct Case {
        const char* reply;
        bool right;
    };
    const Case cases[] = {
        {"100", true},     {"1 00", true},   {" 100 ", true},  {"100руб", true}, {"100abc", true},
        {"10.0", false},   {"1.00", false},  {"", false},      {"1100100", false},
    };
    setTask(100, QStringLiteral("2"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        expectVerdict(answer(QString::fromUtf8(c.reply)), c.right);
    }
    EXPECT_EQ(m().TaskNumber, 100);
}

TEST_F(Form3Test, BeforeAnyTaskTheExpectedAnswerIsZero)
{
    struct Case {
        const char* reply;
        bool right;
    };
    const Case cases[] = {{"", true}, {"0", true}, {"ноль", true}, {"2", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        expectVerdict(answer(QString::fromUtf8(c.reply)), c.right);
    }
}

struct ExpansionCase {
    const char* name;
    int number;
    const char* radixBox;
    QStringList lines;
};

TEST_F(Form3Test, SolutionExpandsTheNumberIntoPowersOfTheRadix)
{
    const ExpansionCase cases[] = {
        {"100 in radix 2",
         100,
         "2",
         {QStringLiteral(" 1100100  =  1 * 2 ^ 6 + 1 * 2 ^ 5 + 0 * 2 ^ 4 + 0 * 2 ^ 3 + 1 * 2 ^ 2 + 0 * 2 ^ 1 +0 *  2  "
                         "^0 = "),
          QStringLiteral(" =  1 * 64  +  1 * 32  +  0 * 16  +  0 * 8  +  1 * 4  +  0 * 2  +  0  =  100 "), QString(),
          QStringLiteral("ОТВЕТ: 100 ")}},
        {"200 in radix 8",
         200,
         "8",
         {QStringLiteral(" 310  =  3 * 8 ^ 2 + 1 * 8 ^ 1 +0 *  8  ^0 = "),
          QStringLiteral(" =  3 * 64  +  1 * 8  +  0  =  200 "), QString(), QStringLiteral("ОТВЕТ: 200 ")}},
        {"80 in radix 3",
         80,
         "3",
         {QStringLiteral(" 2222  =  2 * 3 ^ 3 + 2 * 3 ^ 2 + 2 * 3 ^ 1 +2 *  3  ^0 = "),
          QStringLiteral(" =  2 * 27  +  2 * 9  +  2 * 3  +  2  =  80 "), QString(), QStringLiteral("ОТВЕТ: 80 ")}},
        // Above radix 10 a digit of two characters stays one term, and the
        // number at the head is written as Text1 shows it, digits apart.
        {"219 in radix 16",
         219,
         "16",
         {QStringLiteral(" 13 11  =  13 * 16 ^ 1 +11 *  16  ^0 = "), QStringLiteral(" =  13 * 16  +  11  =  219 "),
          QString(), QStringLiteral("ОТВЕТ: 219 ")}},
        {"radix above the number",
         150,
         "300",
         {QStringLiteral(" 150  = 150 *  300  ^0 = "), QStringLiteral(" =  150  =  150 "), QString(),
          QStringLiteral("ОТВЕТ: 150 ")}},
    };
    for (const ExpansionCase& c : cases) {
        SCOPED_TRACE(c.name);
        setTask(c.number, QString::fromUtf8(c.radixBox));
        const Модуль1 before = m();
        click(FormId::Form3, "Показать_решение");
        EXPECT_EQ(solutionLines(), c.lines);
        EXPECT_EQ(accessibleValue(FormId::Form3), c.lines.join(u'\n'));
        // The digits are worked out on the side: the task is left as it was.
        EXPECT_EQ(m().Digits, before.Digits);
        EXPECT_EQ(m().DigitTop, before.DigitTop);
        EXPECT_EQ(m().Dividend, before.Dividend);
        EXPECT_EQ(m().RightAnswer, before.RightAnswer);

        click(FormId::Form3, "Показать_решение");
        EXPECT_EQ(solutionLines(), c.lines) << "a second press must replace, not append";
    }
}

TEST_F(Form3Test, SolutionBeforeAnyTaskExpandsZero)
{
    click(FormId::Form3, "Показать_решение");
    EXPECT_TRUE(dialogs.shown().empty());
    const QStringList expected = {QStringLiteral(" 0  = 0 *  0  ^0 = "), QStringLiteral(" =  0  =  0 "), QString(),
                                  QStringLiteral("ОТВЕТ: 0 ")};
    EXPECT_EQ(solutionLines(), expected);
    EXPECT_EQ(accessibleValue(FormId::Form3), expected.join(u'\n'));
}

TEST_F(Form3Test, SolutionUsesTheTaskNumberEvenWhenTheExpectedAnswerIsDecimal)
{
    // A radix-to-decimal task of the test leaves the decimal number itself as
    // the expected answer; the expansion must still show the radix digits.
    setTask(200, QStringLiteral("8"));
    m().RightAnswer = m().TaskNumber;
    textBox(FormId::Form3, "Text2")->setText(QStringLiteral("5"));  // not read until a new task
    click(FormId::Form3, "Показать_решение");
    EXPECT_EQ(solutionLines().value(0), QStringLiteral(" 310  =  3 * 8 ^ 2 + 1 * 8 ^ 1 +0 *  8  ^0 = "));
    EXPECT_EQ(solutionLines().value(3), QStringLiteral("ОТВЕТ: 200 "));
}

TEST_F(Form3Test, WorksOnATaskSetInTheOtherPracticeWindow)
{
    program.forms.Hide(FormId::Form3);
    open(FormId::Form2);
    textBox(FormId::Form2, "Text2")->setText(QStringLiteral("8"));
    nextNumber(45, 190, 30);
    click(FormId::Form2, "Ввод_числа");
    program.forms.Hide(FormId::Form2);
    open(FormId::Form3);

    expectVerdict(answer(QStringLiteral("45")), true);
    expectVerdict(answer(QStringLiteral("55")), false);
    click(FormId::Form3, "Показать_решение");
    EXPECT_EQ(solutionLines().value(0), QStringLiteral(" 55  =  5 * 8 ^ 1 +5 *  8  ^0 = "));
    EXPECT_EQ(solutionLines().value(1), QStringLiteral(" =  5 * 8  +  5  =  45 "));
    // This window's boxes keep what it wrote itself.
    EXPECT_EQ(textBox(FormId::Form3, "Text1")->text(), QStringLiteral(" "));
    EXPECT_EQ(textBox(FormId::Form3, "Text2")->text(), QStringLiteral(" 2"));
}

TEST_F(Form3Test, LoadingSetsTheMainWindowCaptionOnce)
{
    EXPECT_EQ(form(FormId::Form1).windowTitle(),
              QStringLiteral("Перевод чисел в двоичную систему счисления - самопроверка"));
    EXPECT_EQ(form(FormId::Form3).windowTitle(),
              QStringLiteral("ОБУЧЕНИЕ: Перевод чисел  в десятичную систему счисления"));
    program.forms.SetCaption(FormId::Form1, QStringLiteral("другой"));
    click(FormId::Form3, "Назад");
    open(FormId::Form3);
    EXPECT_EQ(form(FormId::Form1).windowTitle(), QStringLiteral("другой"));
}

TEST_F(Form3Test, BackAndReturnKeepTheTask)
{
    setTask(219, QStringLiteral("16"));
    click(FormId::Form3, "Показать_решение");
    const QStringList solution = solutionLines();
    click(FormId::Form3, "Назад");
    EXPECT_FALSE(visible(FormId::Form3));
    EXPECT_TRUE(visible(FormId::Form1));

    open(FormId::Form3);
    EXPECT_EQ(textBox(FormId::Form3, "Text2")->text(), QStringLiteral(" 16"));
    EXPECT_EQ(textBox(FormId::Form3, "Text1")->text(), QStringLiteral(" 13 11"));
    EXPECT_EQ(solutionLines(), solution);
    expectVerdict(answer(QStringLiteral("219")), true);
}

TEST_F(Form3Test, ControlsStandWhereTheDesignPutsThem)
{
    const QColor grey(224, 224, 224);
    const DesignFont lettering{"Times New Roman", 24, true, true};
    const DesignFont printing{"Times New Roman", 15.75, true, false};
    const DesignedControl design[] = {
        {"Label1", "Перевод чисел  в десятичную систему счисления", {240, 240, 12735, 735}, grey, {128, 0, 0},
         lettering},
        {"Command1", "Основание системы счисления", {600, 1320, 8055, 810}, grey, {}, lettering},
        {"Text2", " 2", {9600, 1320, 2535, 765}, grey, {192, 0, 0}, lettering},
        {"Ввод_числа", "Задайте число", {1200, 2760, 2655, 1050}, {192, 192, 255}, {}, lettering},
        {"Text1", " ", {5640, 2880, 6495, 765}, grey, {0, 0, 192}, lettering},
        {"Ввод_ответа", "Проверь себя:  Введи ответ ", {960, 4920, 3255, 1050}, {128, 255, 128}, {}, lettering},
        {"Показать_решение", "Показать решение", {5640, 5880, 4215, 1050}, {255, 128, 128}, {}, lettering},
        {"Picture1", "", {120, 7080, 18975, 1815}, grey, {0, 0, 128}, printing},
        {"Назад", "Назад", {9240, 9480, 2895, 570}, {255, 192, 255}, {}, lettering},
    };
    Form& window = form(FormId::Form3);
    EXPECT_EQ(window.size(), QSize(window.twips(15240), window.twips(11010)));
    expectDesign(window, design);
    EXPECT_EQ(window.palette().color(QPalette::Window), grey);
}

TEST_F(Form3Test, OpensWithTheFocusOnTheSolutionButtonAndTabsInDesignOrder)
{
    QApplication::processEvents();
    Form& window = form(FormId::Form3);
    EXPECT_EQ(window.focusWidget(), button(FormId::Form3, "Показать_решение"));
    expectTabOrder(window, {"Показать_решение", "Ввод_числа", "Text1", "Picture1", "Ввод_ответа", "Назад",
                            "Command1", "Text2"});
}

TEST_F(Form3Test, PictureShowsTheSolution)
{
    setTask(100, QStringLiteral("2"));
    click(FormId::Form3, "Показать_решение");
    saveGrab(FormId::Form3, QStringLiteral("form3-solution-100.png"));
    setTask(269, QStringLiteral("2"));  // the longest line of the window
    click(FormId::Form3, "Показать_решение");
    saveGrab(FormId::Form3, QStringLiteral("form3-solution-269.png"));
    setTask(219, QStringLiteral("16"));
    click(FormId::Form3, "Показать_решение");
    saveGrab(FormId::Form3, QStringLiteral("form3-solution-219.png"));
    EXPECT_EQ(accessibleValue(FormId::Form3), printArea(FormId::Form3)->text());
}

}  // namespace
}  // namespace radixon::testing
