#include "design_checks.h"
#include "practice_fixture.h"

#include <QApplication>

#include <vector>

namespace radixon::testing {
namespace {

class Form2Test : public PracticeWindowFixture {
protected:
    Form2Test() : PracticeWindowFixture(FormId::Form2, 30) {}
};

TEST_F(Form2Test, FirstTaskTakesTheInitialRadixWithoutAsking)
{
    EXPECT_EQ(textBox(FormId::Form2, "Text2")->text(), QStringLiteral(" 2"));
    EXPECT_EQ(textBox(FormId::Form2, "Text1")->text(), QStringLiteral(" "));
    nextNumber(45, 190, 30);
    click(FormId::Form2, "Ввод_числа");

    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(random.reseeds(), 1);
    EXPECT_EQ(textBox(FormId::Form2, "Text2")->text(), QStringLiteral(" 2"));
    EXPECT_EQ(textBox(FormId::Form2, "Text1")->text(), QStringLiteral(" 45"));
    EXPECT_EQ(m().TaskNumber, 45);
    EXPECT_EQ(m().Radix, 2);
    EXPECT_DOUBLE_EQ(m().RightAnswer, 101101);
    // Setting a task prints nothing.
    EXPECT_TRUE(solutionLines().isEmpty());
}

TEST_F(Form2Test, RadixBoxBelowTwoOrBeyondSixteenBitsBringsTheRadixDialog)
{
    struct Case {
        const char* box;
        std::vector<QString> replies;
        Int16 radix;
    };
    const Case cases[] = {
        {"", {QStringLiteral("5")}, 5},
        {"1", {QString(), QStringLiteral("1"), QStringLiteral("3")}, 3},
        {"0", {QStringLiteral("abc"), QStringLiteral("-5"), QStringLiteral("8")}, 8},
        {"-3", {QStringLiteral("1.4"), QStringLiteral("1.5")}, 2},
        {"abc", {QStringLiteral("3руб")}, 3},
        {"99999", {QStringLiteral("70000"), QStringLiteral("16")}, 16},
        {"1.4", {QStringLiteral("  1 0")}, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        dialogs.clear();
        for (const QString& reply : c.replies)
            dialogs.reply(reply);
        setTask(100, QString::fromUtf8(c.box));

        ASSERT_EQ(dialogs.shown().size(), c.replies.size());
        for (const ShownDialog& shown : dialogs.shown()) {
            EXPECT_TRUE(shown.isInput());
            EXPECT_EQ(shown.prompt, radixPrompt);
            EXPECT_EQ(shown.title, radixTitle);
        }
        EXPECT_EQ(m().Radix, c.radix);
        EXPECT_EQ(textBox(FormId::Form2, "Text2")->text(), QStringLiteral(" %1").arg(c.radix));
        EXPECT_EQ(textBox(FormId::Form2, "Text1")->text(), QStringLiteral(" 100"));
    }
}

TEST_F(Form2Test, AcceptedRadixBoxGivesTheDigitsReadAsADecimalNumeral)
{
    struct Case {
        const char* box;
        int number;
        Int16 radix;
        double answer;
    };
    const Case cases[] = {
        {"16", 219, 16, 1311},  // digits 13 and 11 written as decimal numbers
        {"300", 150, 300, 150}, // a radix above the number leaves it whole
        {"2.5", 30, 2, 11110},  // halves go to the even radix
        {"3.5", 80, 4, 1100},
        {"10", 137, 10, 137},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        dialogs.clear();
        setTask(c.number, QString::fromUtf8(c.box));
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_EQ(m().Radix, c.radix);
        EXPECT_EQ(textBox(FormId::Form2, "Text2")->text(), QStringLiteral(" %1").arg(c.radix));
        EXPECT_EQ(textBox(FormId::Form2, "Text1")->text(), QStringLiteral(" %1").arg(c.number));
        EXPECT_DOUBLE_EQ(m().RightAnswer, c.answer);
    }
}

TEST_F(Form2Test, JudgesTheTypedAnswerByItsValue)
{
    struct Case {
        const char* reply;
        bool right;
    };
    const Case cases[] = {
        {"101101", true},       {"1 0 1 1 0 1", true},  {"  101101  ", true}, {"101101abc", true},
        {"101101руб", true},    {"1011.01", false},     {"", false},          {"45", false},
        {"1011010", false},     {"1e309", false},       {"-1e309", false},
    };
    setTask(45, QStringLiteral(" 2"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        const ShownDialog verdict = answer(QString::fromUtf8(c.reply));
        c.right ? expectRight(verdict) : expectWrong(verdict);
    }
    // Answering changes nothing about the task.
    EXPECT_EQ(m().TaskNumber, 45);
    EXPECT_DOUBLE_EQ(m().RightAnswer, 101101);
}

TEST_F(Form2Test, BeforeAnyTaskTheExpectedAnswerIsZero)
{
    struct Case {
        const char* reply;
        bool right;
    };
    const Case cases[] = {{"", true}, {"0", true}, {"нет", true}, {"1", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        const ShownDialog verdict = answer(QString::fromUtf8(c.reply));
        c.right ? expectRight(verdict) : expectWrong(verdict);
    }
}

TEST_F(Form2Test, SolutionPrintsOneRowPerDivisionAndTheDigits)
{
    struct Case {
        const char* name;
        int number;
        const char* radixBox;
        QStringList rows;
        QString answerLine;
    };
    const Case cases[] = {
        {"45 in radix 2",
         45,
         "2",
         {QStringLiteral("45  :     2  =  22 ( 1 )"), QStringLiteral("22  :     2  =  11 ( 0 )"),
          QStringLiteral("11  :     2  =  5 ( 1 )"), QStringLiteral("5  :     2  =  2 ( 1 )"),
          QStringLiteral("2  :     2  =  1 ( 0 )")},
         QStringLiteral(" 1  0  1  1  0  1 ")},
        {"219 in radix 16", 219, "16", {QStringLiteral("219  :     16  =  13 ( 11 )")}, QStringLiteral(" 13  11 ")},
        {"radix above the number", 150, "300", {}, QStringLiteral(" 150 ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setTask(c.number, QString::fromUtf8(c.radixBox));
        QStringList expected = c.rows;
        expected << QString() << QStringLiteral(" К посдеднему частному припишем последовательно остатки, начиная с последнего")
                 << QString() << QStringLiteral("ОТВЕТ:") << QString() << c.answerLine;

        click(FormId::Form2, "Показать_решение");
        EXPECT_EQ(solutionLines(), expected);
        EXPECT_EQ(accessibleValue(FormId::Form2), expected.join(u'\n'));
        // The last quotient joins the remainders: Digits holds every digit.
        EXPECT_EQ(m().DigitTop, c.rows.size());
        EXPECT_EQ(m().Digits[m().DigitTop], m().Dividend);

        // A second press clears the area first instead of appending.
        click(FormId::Form2, "Показать_решение");
        EXPECT_EQ(solutionLines(), expected);
    }
}

TEST_F(Form2Test, SolutionUsesTheRadixOfTheDrawnTask)
{
    setTask(45, QStringLiteral("2"));
    textBox(FormId::Form2, "Text2")->setText(QStringLiteral("16"));
    click(FormId::Form2, "Показать_решение");
    EXPECT_EQ(solutionLines().value(0), QStringLiteral("45  :     2  =  22 ( 1 )"));

    // A new task replaces the old table only when the solution is asked again.
    setTask(219, QStringLiteral("16"));
    EXPECT_EQ(solutionLines().value(0), QStringLiteral("45  :     2  =  22 ( 1 )"));
    click(FormId::Form2, "Показать_решение");
    EXPECT_EQ(solutionLines().value(0), QStringLiteral("219  :     16  =  13 ( 11 )"));
}

TEST_F(Form2Test, SolutionBeforeAnyTaskWarnsInsteadOfDividingByZero)
{
    click(FormId::Form2, "Показать_решение");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const ShownDialog& warning = dialogs.shown().front();
    EXPECT_FALSE(warning.isInput());
    EXPECT_EQ(warning.prompt, QStringLiteral("Сначала задайте число!"));
    EXPECT_EQ(warning.style, MsgStyle::Critical);
    EXPECT_EQ(warning.title, warningTitle);
    EXPECT_TRUE(solutionLines().isEmpty());
    EXPECT_EQ(accessibleValue(FormId::Form2), QString());
    EXPECT_EQ(m().DigitTop, 0);
    EXPECT_EQ(m().Digits[0], 0);
}

TEST_F(Form2Test, WorksOnATaskSetInTheOtherPracticeWindow)
{
    program.forms.Hide(FormId::Form2);
    open(FormId::Form3);
    nextNumber(100, 190, 80);
    click(FormId::Form3, "Ввод_числа");
    program.forms.Hide(FormId::Form3);
    open(FormId::Form2);

    // The expected answer is the one Form3's task left: 100 in radix 2.
    expectRight(answer(QStringLiteral("1100100")));
    expectWrong(answer(QStringLiteral("100")));
    click(FormId::Form2, "Показать_решение");
    EXPECT_EQ(solutionLines().value(0), QStringLiteral("100  :     2  =  50 ( 0 )"));
    EXPECT_EQ(solutionLines().last(), QStringLiteral(" 1  1  0  0  1  0  0 "));
    // This window's boxes show what it wrote itself, which is nothing yet.
    EXPECT_EQ(textBox(FormId::Form2, "Text1")->text(), QStringLiteral(" "));
}

TEST_F(Form2Test, LoadingSetsTheMainWindowCaptionOnce)
{
    const QString caption = QStringLiteral("Перевод чисел в двоичную систему счисления - самопроверка");
    EXPECT_EQ(form(FormId::Form1).windowTitle(), caption);
    EXPECT_EQ(form(FormId::Form2).windowTitle(),
              QStringLiteral("ОБУЧЕНИЕ: Перевод десятичных чисел  в другие  системы счисления"));

    // Form_Load does not run again on a later visit.
    program.forms.SetCaption(FormId::Form1, QStringLiteral("другой"));
    click(FormId::Form2, "Выход");
    open(FormId::Form2);
    EXPECT_EQ(form(FormId::Form1).windowTitle(), QStringLiteral("другой"));
}

TEST_F(Form2Test, BackAndReturnKeepTheTask)
{
    setTask(45, QStringLiteral("2"));
    click(FormId::Form2, "Показать_решение");
    const QStringList solution = solutionLines();
    click(FormId::Form2, "Выход");
    EXPECT_FALSE(visible(FormId::Form2));
    EXPECT_TRUE(visible(FormId::Form1));

    open(FormId::Form2);
    EXPECT_TRUE(visible(FormId::Form2));
    EXPECT_EQ(textBox(FormId::Form2, "Text2")->text(), QStringLiteral(" 2"));
    EXPECT_EQ(textBox(FormId::Form2, "Text1")->text(), QStringLiteral(" 45"));
    EXPECT_EQ(solutionLines(), solution);
    expectRight(answer(QStringLiteral("101101")));
}

TEST_F(Form2Test, ControlsStandWhereTheDesignPutsThem)
{
    const QColor grey(224, 224, 224);
    const DesignFont lettering{"Times New Roman", 24, true, true};
    const DesignFont printing{"Times New Roman", 15.75, true, false};
    const DesignedControl design[] = {
        {"Label1", "Перевод десятичных чисел  в другие  системы счисления", {120, 240, 12735, 735}, grey,
         {128, 0, 0}, lettering},
        {"Command1", "Основание системы счисления", {600, 1320, 8055, 810}, grey, {}, lettering},
        {"Text2", " 2", {9600, 1320, 2535, 765}, grey, {192, 0, 0}, lettering},
        {"Ввод_числа", "Задайте число", {6000, 2520, 2655, 1050}, {192, 192, 255}, {}, lettering},
        {"Text1", " ", {9600, 2640, 2535, 765}, grey, {0, 0, 192}, lettering},
        {"Показать_решение", "Показать решение", {3240, 3960, 4815, 810}, {255, 128, 128}, {}, lettering},
        {"Picture1", "", {600, 4920, 12375, 5655}, grey, {0, 64, 0}, printing},
        {"Ввод_ответа", "Проверь себя:  Введи ответ ", {13440, 6000, 3855, 1650}, {192, 255, 192}, {}, lettering},
        {"Выход", "Назад", {14160, 9240, 2895, 570}, {255, 192, 255}, {}, lettering},
    };
    Form& window = form(FormId::Form2);
    expectDesign(window, design);
    EXPECT_EQ(window.palette().color(QPalette::Window), grey);
    for (const DesignedControl& control : design) {
        SCOPED_TRACE(control.name);
        const QWidget* widget = window.findChild<QWidget*>(QString::fromUtf8(control.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(window.rect().contains(widget->geometry())) << "outside the client area";
    }
}

TEST_F(Form2Test, OpensWithTheFocusOnTheSolutionButtonAndTabsInDesignOrder)
{
    QApplication::processEvents();
    Form& window = form(FormId::Form2);
    EXPECT_EQ(window.focusWidget(), button(FormId::Form2, "Показать_решение"));
    expectTabOrder(window, {"Показать_решение", "Ввод_числа", "Text1", "Picture1", "Ввод_ответа", "Выход",
                            "Command1", "Text2"});
}

TEST_F(Form2Test, PictureShowsTheSolution)
{
    setTask(45, QStringLiteral("2"));
    click(FormId::Form2, "Показать_решение");
    saveGrab(FormId::Form2, QStringLiteral("form2-solution-45.png"));
    setTask(219, QStringLiteral("16"));
    click(FormId::Form2, "Показать_решение");
    saveGrab(FormId::Form2, QStringLiteral("form2-solution-219.png"));
    EXPECT_EQ(accessibleValue(FormId::Form2), printArea(FormId::Form2)->text());
}

}  // namespace
}  // namespace radixon::testing
