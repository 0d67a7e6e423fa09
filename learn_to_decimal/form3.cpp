#include "form3.h"

#include "controls.h"
#include "conversion.h"
#include "print_area.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <cmath>

namespace radixon {

namespace {

const QColor windowGrey(224, 224, 224);

// The number in the radix at the head of the sum. Up to radix 10 every digit
// is one character and the digits run together as one numeral; above it they
// stay apart, as Text1 shows them, or 13 and 11 would read as 1311.
QString numberInRadix(const std::vector<Int16>& digits, Int16 radix)
{
    QStringList written;
    for (Int16 digit : digits)
        written << QString::number(digit);
    return u' ' + written.join(radix > 10 ? QStringLiteral(" ") : QString()) + u' ';
}

}  // namespace

Form3::Form3(FormContext context) : Form(FormId::Form3, context)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("ОБУЧЕНИЕ: Перевод чисел  в десятичную систему счисления"));
    setBackgroundColour(windowGrey);
    setClientSizeTwips(15240, 11010);

    const QFont font = timesBoldItalic(24);
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Перевод чисел  в десятичную систему счисления"),
                       windowGrey, QColor(128, 0, 0), font);
    placeTwips(Label1, 240, 240, 12735, 735);
    Command1 = makeWrappingButton(this, QStringLiteral("Command1"), QStringLiteral("Основание системы счисления"),
                          windowGrey, font);
    placeTwips(Command1, 600, 1320, 8055, 810);
    Text2 = makeTextBox(this, QStringLiteral("Text2"), QStringLiteral(" 2"), windowGrey, QColor(192, 0, 0), font);
    placeTwips(Text2, 9600, 1320, 2535, 765);
    Ввод_числа = makeWrappingButton(this, QStringLiteral("Ввод_числа"), QStringLiteral("Задайте число"),
                            QColor(192, 192, 255), font);
    placeTwips(Ввод_числа, 1200, 2760, 2655, 1050);
    Text1 = makeTextBox(this, QStringLiteral("Text1"), QStringLiteral(" "), windowGrey, QColor(0, 0, 192), font);
    placeTwips(Text1, 5640, 2880, 6495, 765);
    Ввод_ответа = makeWrappingButton(this, QStringLiteral("Ввод_ответа"), QStringLiteral("Проверь себя:  Введи ответ "),
                             QColor(128, 255, 128), font);
    placeTwips(Ввод_ответа, 960, 4920, 3255, 1050);
    Показать_решение = makeWrappingButton(this, QStringLiteral("Показать_решение"), QStringLiteral("Показать решение"),
                                  QColor(255, 128, 128), font);
    placeTwips(Показать_решение, 5640, 5880, 4215, 1050);
    Picture1 = makePrintArea(this, QStringLiteral("Picture1"), windowGrey, QColor(0, 0, 128),
                             designFont(QStringLiteral("Times New Roman"), 15.75, true, false));
    Picture1->setFocusPolicy(Qt::TabFocus);
    placeTwips(Picture1, 120, 7080, 18975, 1815);
    // Screen readers name each box after the control that labels it.
    Text2->setAccessibleName(Command1->text());
    Text1->setAccessibleName(Ввод_числа->text());
    Picture1->setAccessibleName(QStringLiteral("Решение"));
    Назад = makeWrappingButton(this, QStringLiteral("Назад"), QStringLiteral("Назад"), QColor(255, 192, 255), font);
    placeTwips(Назад, 9240, 9480, 2895, 570);

    setFocusOrder({Показать_решение, Ввод_числа, Text1, Picture1, Ввод_ответа, Назад, Command1, Text2});
    // The first control of the tab order has the focus when the window opens.
    Показать_решение->setFocus();

    onClick(Ввод_числа, [this] { Ввод_числа_Click(); });
    onClick(Ввод_ответа, [this] { Ввод_ответа_Click(); });
    onClick(Показать_решение, [this] { Показать_решение_Click(); });
    onClick(Назад, [this] { Назад_Click(); });
}

void Form3::Form_Load()
{
    windows().SetCaption(FormId::Form1, QStringLiteral("Перевод чисел в двоичную систему счисления - самопроверка"));
}

void Form3::Ввод_числа_Click()
{
    random().Randomize();
    // A radix box beyond 16 bits is no radix: AskRadix asks for one instead.
    m().Radix = ValToInt16(Text2->text()).value_or(0);
    RandomTaskNumber(m(), random(), 190, 8 * 10);
    AskRadix(m(), dialogs());
    Text2->setText(Str(m().Radix));
    ExpandDigits(m());
    Text1->setText(DigitsText(m()));
    DigitsAnswer(m());
}

void Form3::Ввод_ответа_Click()
{
    m().StudentAnswer = askAnswer(dialogs());
    // Here the answer is the decimal number itself.
    showAnswerVerdict(dialogs(), static_cast<double>(m().TaskNumber) == m().StudentAnswer);
}

void Form3::Показать_решение_Click()
{
    // The digits are worked out afresh from the task's number rather than read
    // back from RightAnswer: that would split a digit above 9 into two, and
    // after a test task RightAnswer holds the decimal number itself.
    const std::vector<Int16> digits = RadixDigits(m().TaskNumber, m().Radix);
    Picture1->cls();
    printPowersWrittenOut(digits);
    printPowersEvaluated(digits);
    Picture1->print({});
    Picture1->print({PrintItem::text(QStringLiteral("ОТВЕТ:")), PrintItem::number(m().TaskNumber)});
}

void Form3::printPowersWrittenOut(const std::vector<Int16>& digits)
{
    const Int16 radix = m().Radix;
    const int topPower = static_cast<int>(digits.size()) - 1;
    Picture1->print({PrintItem::text(numberInRadix(digits, radix)), PrintItem::text(QStringLiteral(" = "))},
                    LineEnd::Continue);
    for (int k = 0; k < topPower; ++k)
        Picture1->print({PrintItem::number(digits[k]), PrintItem::text(QStringLiteral("*")), PrintItem::number(radix),
                         PrintItem::text(QStringLiteral("^")), PrintItem::number(topPower - k),
                         PrintItem::text(QStringLiteral("+"))},
                        LineEnd::Continue);
    Picture1->print({PrintItem::text(QString::number(digits.back())), PrintItem::text(QStringLiteral(" * ")),
                     PrintItem::number(radix), PrintItem::text(QStringLiteral(" ^0")),
                     PrintItem::text(QStringLiteral(" = "))});
}

void Form3::printPowersEvaluated(const std::vector<Int16>& digits)
{
    const double radix = m().Radix;
    const int topPower = static_cast<int>(digits.size()) - 1;
    Picture1->print({PrintItem::text(QStringLiteral(" = "))}, LineEnd::Continue);
    for (int k = 0; k < topPower; ++k)
        Picture1->print({PrintItem::number(digits[k]), PrintItem::text(QStringLiteral("*")),
                         PrintItem::number(std::pow(radix, topPower - k)), PrintItem::text(QStringLiteral(" + "))},
                        LineEnd::Continue);
    // Radix to the power 0 is 1 for every radix, 0 included.
    Picture1->print({PrintItem::number(digits.back() * std::pow(radix, 0)), PrintItem::text(QStringLiteral(" = ")),
                     PrintItem::number(m().TaskNumber)});
}

void Form3::Назад_Click()
{
    backToMainWindow();
}

}  // namespace radixon
