#include "form2.h"

#include "controls.h"
#include "conversion.h"
#include "print_area.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace radixon {

namespace {
const QColor windowGrey(224, 224, 224);
}  // namespace

Form2::Form2(FormContext context) : Form(FormId::Form2, context)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ОБУЧЕНИЕ: Перевод десятичных чисел  в другие  системы счисления"));
    setBackgroundColour(windowGrey);
    // The answer and back buttons stand to the right of the print area, so the
    // client area is wider than the rest of the design needs.
    setClientSizeTwips(17655, 10935);

    const QFont font = timesBoldItalic(24);
    Label1 = makeLabel(this, QStringLiteral("Label1"),
                       QStringLiteral("Перевод десятичных чисел  в другие  системы счисления"), windowGrey,
                       QColor(128, 0, 0), font);
    placeTwips(Label1, 120, 240, 12735, 735);
    Command1 = makeWrappingButton(this, QStringLiteral("Command1"), QStringLiteral("Основание системы счисления"),
                          windowGrey, font);
    placeTwips(Command1, 600, 1320, 8055, 810);
    Text2 = makeTextBox(this, QStringLiteral("Text2"), QStringLiteral(" 2"), windowGrey, QColor(192, 0, 0), font);
    placeTwips(Text2, 9600, 1320, 2535, 765);
    Ввод_числа = makeWrappingButton(this, QStringLiteral("Ввод_числа"), QStringLiteral("Задайте число"),
                            QColor(192, 192, 255), font);
    placeTwips(Ввод_числа, 6000, 2520, 2655, 1050);
    Text1 = makeTextBox(this, QStringLiteral("Text1"), QStringLiteral(" "), windowGrey, QColor(0, 0, 192), font);
    placeTwips(Text1, 9600, 2640, 2535, 765);
    Показать_решение = makeWrappingButton(this, QStringLiteral("Показать_решение"), QStringLiteral("Показать решение"),
                                  QColor(255, 128, 128), font);
    placeTwips(Показать_решение, 3240, 3960, 4815, 810);
    Picture1 = makePrintArea(this, QStringLiteral("Picture1"), windowGrey, QColor(0, 64, 0),
                             designFont(QStringLiteral("Times New Roman"), 15.75, true, false));
    Picture1->setFocusPolicy(Qt::TabFocus);
    placeTwips(Picture1, 600, 4920, 12375, 5655);
    // Screen readers name each box after the control that labels it.
    Text2->setAccessibleName(Command1->text());
    Text1->setAccessibleName(Ввод_числа->text());
    Picture1->setAccessibleName(QStringLiteral("Решение"));
    Ввод_ответа = makeWrappingButton(this, QStringLiteral("Ввод_ответа"), QStringLiteral("Проверь себя:  Введи ответ "),
                             QColor(192, 255, 192), font);
    placeTwips(Ввод_ответа, 13440, 6000, 3855, 1650);
    Выход = makeWrappingButton(this, QStringLiteral("Выход"), QStringLiteral("Назад"), QColor(255, 192, 255), font);
    placeTwips(Выход, 14160, 9240, 2895, 570);

    setFocusOrder({Показать_решение, Ввод_числа, Text1, Picture1, Ввод_ответа, Выход, Command1, Text2});
    // The first control of the tab order has the focus when the window opens.
    Показать_решение->setFocus();

    onClick(Ввод_числа, [this] { Ввод_числа_Click(); });
    onClick(Ввод_ответа, [this] { Ввод_ответа_Click(); });
    onClick(Показать_решение, [this] { Показать_решение_Click(); });
    onClick(Выход, [this] { Выход_Click(); });
}

void Form2::Form_Load()
{
    windows().SetCaption(FormId::Form1, QStringLiteral("Перевод чисел в двоичную систему счисления - самопроверка"));
}

void Form2::Ввод_числа_Click()
{
    random().Randomize();
    // A radix box beyond 16 bits is no radix: AskRadix asks for one instead.
    m().Radix = ValToInt16(Text2->text()).value_or(0);
    m().DigitTop = 0;
    RandomTaskNumber(m(), random(), 190, 3 * 10);
    m().Dividend = m().TaskNumber;
    AskRadix(m(), dialogs());
    Text2->setText(Str(m().Radix));
    Text1->setText(Str(m().Dividend));
    ExpandDigits(m());
    DigitsAnswer(m());
}

void Form2::Ввод_ответа_Click()
{
    m().StudentAnswer = askAnswer(dialogs());
    showAnswerVerdict(dialogs(), m().RightAnswer == m().StudentAnswer);
}

void Form2::Показать_решение_Click()
{
    // Before the first task of the run there is no radix to divide by.
    if (m().Radix < 2) {
        warn(dialogs(), QStringLiteral("Сначала задайте число!"));
        return;
    }
    m().DigitTop = 0;
    Picture1->cls();
    ExpandDigits(m(), [this](Int16 dividend, Int16 radix, double quotient, Int16 remainder) {
        printDivisionRow(dividend, radix, quotient, remainder);
    });
    // The last quotient is the top digit: with it Digits holds the whole answer.
    m().digit(m().DigitTop) = m().Dividend;

    Picture1->print({});
    Picture1->print(
        {PrintItem::text(QStringLiteral(" К посдеднему частному припишем последовательно остатки, начиная с последнего"))});
    Picture1->print({});
    Picture1->print({PrintItem::text(QStringLiteral("ОТВЕТ:"))});
    Picture1->print({});
    for (int i = m().DigitTop; i >= 0; --i)
        Picture1->print({PrintItem::number(m().digit(i))}, LineEnd::Continue);
}

void Form2::printDivisionRow(Int16 dividend, Int16 radix, double quotient, Int16 remainder)
{
    Picture1->print({PrintItem::text(FormatDigits(dividend)), PrintItem::text(QStringLiteral("  :    ")),
                     PrintItem::number(radix), PrintItem::text(QStringLiteral(" = ")), PrintItem::number(quotient),
                     PrintItem::text(QStringLiteral("(")), PrintItem::number(remainder),
                     PrintItem::text(QStringLiteral(")"))});
}

void Form2::Выход_Click()
{
    backToMainWindow();
}

}  // namespace radixon
