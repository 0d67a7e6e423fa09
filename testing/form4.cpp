#include "form4.h"

#include "controls.h"
#include "conversion.h"
#include "print_area.h"
#include "result_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace radixon {

namespace {

const QColor LightGrey(224, 224, 224);
const QColor PaleGreen(192, 255, 192);
const QColor PaleBlue(192, 192, 255);
const QColor DarkRed(192, 0, 0);

// A typed radix that does not fit in 16 bits is no radix either; it counts as
// 0, which the radix dialog refuses.
Int16 typedRadix(const QLineEdit* box)
{
    return ValToInt16(box->text()).value_or(0);
}

}  // namespace

Form4::Form4(FormContext context) : Form(FormId::Form4, context)
{
    setObjectName(QStringLiteral("Form4"));
    setClientSizeTwips(15315, 10410);
    setBackgroundColour(LightGrey);

    const QFont font = timesBoldItalic(24);

    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Тестирование"), LightGrey,
                       QColor(128, 0, 0), font);
    placeTwips(Label1, 1320, 0, 12735, 735);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Введите основание системы счисления"),
                          PaleGreen, font);
    placeTwips(Command1, 720, 960, 9375, 810);
    Text2 = makeTextBox(this, QStringLiteral("Text2"), QStringLiteral(" 2"), LightGrey, DarkRed, font);
    placeTwips(Text2, 10440, 960, 2535, 765);
    Ввод_числа = makeButton(this, QStringLiteral("Ввод_числа"), QStringLiteral("Задайте число"), PaleBlue, font);
    placeTwips(Ввод_числа, 840, 3000, 4335, 1050);
    Text1 = makeTextBox(this, QStringLiteral("Text1"), QStringLiteral(" "), LightGrey, QColor(0, 0, 192), font);
    placeTwips(Text1, 5880, 3120, 6135, 765);
    // Narrow for its caption at this size: the caption goes onto two lines.
    Ввод_ответа = makeWrappingButton(this, QStringLiteral("Ввод_ответа"), QStringLiteral("Введите ответ "),
                                     PaleGreen, font);
    placeTwips(Ввод_ответа, 10440, 6000, 2655, 1050);
    Выход = makeButton(this, QStringLiteral("Выход"), QStringLiteral("Назад"), QColor(255, 192, 255), font);
    placeTwips(Выход, 11400, 9000, 2895, 570);
    Picture1 = makePrintArea(this, QStringLiteral("Picture1"), LightGrey, QColor(), timesBoldItalic(18));
    placeTwips(Picture1, 1080, 6000, 6375, 3975);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Показать результат"), PaleBlue, font);
    placeTwips(Command2, 1680, 4920, 5175, 570);
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("Введите количество заданий"), PaleGreen,
                          font);
    placeTwips(Command3, 720, 1920, 9375, 810);
    Text3 = makeTextBox(this, QStringLiteral("Text3"), QStringLiteral("6"), LightGrey, DarkRed, font);
    placeTwips(Text3, 10440, 1920, 2535, 765);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral(" "), QColor(255, 224, 192), DarkRed,
                       timesBoldItalic(21.75));
    placeTwips(Label2, 8280, 4200, 6255, 1455);
    // Screen readers name each box after the control that labels it.
    Text2->setAccessibleName(Command1->text());
    Text1->setAccessibleName(Ввод_числа->text());
    Text3->setAccessibleName(Command3->text());
    Picture1->setAccessibleName(QStringLiteral("Результат тестирования"));

    // Screen readers read the result page in Picture1, one Tab after Command2.
    Picture1->setFocusPolicy(Qt::TabFocus);
    setFocusOrder({Command1, Text2, Ввод_числа, Text1, Ввод_ответа, Выход, Command2, Picture1, Command3, Text3});
    Command1->setFocus();

    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command3, [this] { Command3_Click(); });
    onClick(Выход, [this] { Выход_Click(); });
    onClick(Ввод_числа, [this] { Ввод_числа_Click(); });
    onClick(Ввод_ответа, [this] { Ввод_ответа_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
}

void Form4::Form_Load()
{
    setWindowTitle(QStringLiteral("Тестирование"));
}

void Form4::Command1_Click()
{
    m().Radix = typedRadix(Text2);
    AskRadix(m(), dialogs());
    Text2->setText(Str(m().Radix));
    m().Radix = CInt(Val(Text2->text()));
}

void Form4::Command3_Click()
{
    // Only an even count is taken, so the test splits into two equal halves; a
    // count too large for 16 bits is asked for again like an odd one.
    std::optional<Int16> count = ValToInt16(Text3->text());
    while (!count || *count % 2 != 0) {
        count = ValToInt16(dialogs().inputBox(QStringLiteral("Введите четное количество заданий"),
                                              QStringLiteral("Ввод количества заданий")));
    }
    m().TaskTotal = *count;
    Text3->setText(Str(m().TaskTotal));
    m().TasksIssued = 0;
}

void Form4::Выход_Click()
{
    backToMainWindow();
}

void Form4::Ввод_числа_Click()
{
    random().Randomize();
    m().TasksIssued = NextCount(m().TasksIssued);
    if (m().TasksIssued > m().TaskTotal) {
        warn(dialogs(), QStringLiteral("Узнайте результат!!!"));
        return;
    }
    takeRadixFromText2();
    m().DigitTop = 0;
    RandomTaskNumber(m(), random(), 199, 50);
    m().Dividend = m().TaskNumber;
    if (DirectionOf(m().TasksIssued, m().TaskTotal) == TaskDirection::DecimalToRadix)
        issueDecimalToRadix();
    else
        issueRadixToDecimal();
}

void Form4::takeRadixFromText2()
{
    // The radix box is read anew for every task and may have been edited since
    // Command1; the repeated division needs a radix of at least 2, so a smaller
    // one is asked for exactly as Command1 asks, and shown where it was typed.
    m().Radix = typedRadix(Text2);
    if (m().Radix < 2) {
        AskRadix(m(), dialogs());
        Text2->setText(Str(m().Radix));
    }
}

void Form4::issueDecimalToRadix()
{
    Label2->setText(DecimalToRadixInstruction(m().Radix));
    Text1->setText(Str(m().TaskNumber));
    ExpandDigits(m());
    DigitsAnswer(m());
}

void Form4::issueRadixToDecimal()
{
    ExpandDigits(m());
    Text1->setText(DigitsText(m()));
    m().RightAnswer = m().TaskNumber;
    Label2->setText(RadixToDecimalInstruction());
}

void Form4::Ввод_ответа_Click()
{
    if (m().TasksIssued > m().TaskTotal) {
        warn(dialogs(), QStringLiteral("Узнайте результат!!!"));
        return;
    }
    m().StudentAnswer = askAnswer(dialogs());
    // An answer counts only as the first one since its task was issued: a
    // second try, or an answer after a task was skipped, would let a pupil
    // score by guessing again.
    m().LastAnswered = Add16(m().LastAnswered, 1);
    if (m().LastAnswered != m().TasksIssued) {
        warn(dialogs(), QStringLiteral("Ответ не засчитывается!!!"));
        m().LastAnswered = m().TasksIssued;
        return;
    }
    const bool right = m().StudentAnswer == m().RightAnswer;
    showAnswerVerdict(dialogs(), right);
    // Counted only once the pupil has closed the praise.
    if (right)
        m().CorrectCount = NextCount(m().CorrectCount);
}

void Form4::Command2_Click()
{
    // Without a number of tasks there are no possible points to measure the
    // result against; the page would be meaningless.
    if (m().TaskTotal == 0) {
        warn(dialogs(), QStringLiteral("Сначала введите количество заданий!"));
        return;
    }
    Picture1->cls();
    printLine();
    const double percentage = TestPercentage(m().CorrectCount, m().TaskTotal);
    printLine(GreetingLine(m().StudentName));
    printLine();
    printLine(PossiblePointsLine(m().TaskTotal));
    printLine(ScoredPointsLine(m().CorrectCount));
    printLine();
    printLine(PercentageLine(percentage));
    printLine();
    printLine(VerdictLine(percentage));
}

void Form4::printLine(const QString& text)
{
    if (text.isEmpty())
        Picture1->print({});
    else
        Picture1->print({PrintItem::text(text)});
}

}  // namespace radixon
