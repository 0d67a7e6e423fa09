// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_form.h"

#include "conversion.h"
#include "print_area.h"
#include "screen_reader.h"
#include "test_rules.h"

#include <QLineEdit>
#include <QPushButton>

namespace radixon {

namespace {

struct Practice {
    const char* heading;
    int taskBase;  // the smallest number drawn; every window draws from 190
    const char* back;
    WindowDesign design;
};

// Both practice windows have the same controls with the same captions and
// lettering; they differ in where most of them stand, in two colours, in the
// heading and in the name of the back button.
Practice practiceOf(TaskDirection direction)
{
    const bool toRadix = direction == TaskDirection::DecimalToRadix;
    const auto pick = [toRadix](auto form2, auto form3) { return toRadix ? form2 : form3; };
    const char* heading =
        pick("Перевод десятичных чисел  в другие  системы счисления", "Перевод чисел  в десятичную систему счисления");
    const char* back = pick("Выход", "Назад");
    const QColor grey(224, 224, 224);
    const Lettering lettering{"Times New Roman", 24, true, true};
    const Lettering printing{"Times New Roman", 15.75, true, false};
    const ControlKind button = ControlKind::WrappingButton;
    return {
        heading,
        pick(3 * 10, 8 * 10),
        back,
        {
            pick("Form2", "Form3"),
            // Form2's answer and back buttons stand to the right of its print
            // area, so its client area is wider than the rest needs; Form3's
            // print area reaches beyond its right edge.
            pick(QSize(17655, 10935), QSize(15240, 11010)),
            grey,
            {
                {"Label1", ControlKind::Label, heading, pick(QRect(120, 240, 12735, 735), QRect(240, 240, 12735, 735)),
                 grey, QColor(128, 0, 0), lettering},
                {"Command1", button, "Основание системы счисления", QRect(600, 1320, 8055, 810), grey, QColor(),
                 lettering},
                {"Text2", ControlKind::TextBox, " 2", QRect(9600, 1320, 2535, 765), grey, QColor(192, 0, 0), lettering,
                 "Command1"},
                {"Ввод_числа", button, "Задайте число",
                 pick(QRect(6000, 2520, 2655, 1050), QRect(1200, 2760, 2655, 1050)), QColor(192, 192, 255), QColor(),
                 lettering},
                {"Text1", ControlKind::TextBox, " ", pick(QRect(9600, 2640, 2535, 765), QRect(5640, 2880, 6495, 765)),
                 grey, QColor(0, 0, 192), lettering, "Ввод_числа"},
                {"Показать_решение", button, "Показать решение",
                 pick(QRect(3240, 3960, 4815, 810), QRect(5640, 5880, 4215, 1050)), QColor(255, 128, 128), QColor(),
                 lettering},
                {"Picture1", ControlKind::PrintArea, "",
                 pick(QRect(600, 4920, 12375, 5655), QRect(120, 7080, 18975, 1815)), grey,
                 pick(QColor(0, 64, 0), QColor(0, 0, 128)), printing, nullptr, "Решение"},
                {"Ввод_ответа", button, "Проверь себя:  Введи ответ ",
                 pick(QRect(13440, 6000, 3855, 1650), QRect(960, 4920, 3255, 1050)),
                 pick(QColor(192, 255, 192), QColor(128, 255, 128)), QColor(), lettering},
                {back, button, "Назад", pick(QRect(14160, 9240, 2895, 570), QRect(9240, 9480, 2895, 570)),
                 QColor(255, 192, 255), QColor(), lettering},
            },
            {"Показать_решение", "Ввод_числа", "Text1", "Picture1", "Ввод_ответа", back, "Command1", "Text2"},
        },
    };
}

const Practice& practice(TaskDirection direction)
{
    static const Practice toRadix = practiceOf(TaskDirection::DecimalToRadix);
    static const Practice toDecimal = practiceOf(TaskDirection::RadixToDecimal);
    return direction == TaskDirection::DecimalToRadix ? toRadix : toDecimal;
}

}  // namespace

PracticeForm::PracticeForm(FormId id, FormContext context, TaskDirection direction)
    : Form(id, context, practice(direction).design), direction_(direction)
{
    setWindowTitle(QStringLiteral("ОБУЧЕНИЕ: ") + QString::fromUtf8(practice(direction).heading));
    buildDesign(this);
    Text1 = control<QLineEdit>("Text1");
    Text2 = control<QLineEdit>("Text2");
    Picture1 = control<PrintArea>("Picture1");

    onClick(control<QPushButton>("Ввод_числа"), [this] { Ввод_числа_Click(); });
    onClick(control<QPushButton>("Ввод_ответа"), [this] { Ввод_ответа_Click(); });
    onClick(control<QPushButton>("Показать_решение"), [this] { Показать_решение_Click(); });
    onClick(control<QPushButton>(practice(direction).back), [this] { backToMainWindow(); });
}

void PracticeForm::Form_Load()
{
    windows().SetCaption(FormId::Form1, QStringLiteral("Перевод чисел в двоичную систему счисления - самопроверка"));
}

// The number is drawn before the radix is checked, and the radix box is read
// anew for every task, so a radix typed in another window never carries over.
void PracticeForm::Ввод_числа_Click()
{
    random().Randomize();
    m().Radix = TypedRadix(Text2->text());
    RandomTaskNumber(m(), random(), 190, practice(direction_).taskBase);
    AskRadix(m(), dialogs());
    Text2->setText(Str(m().Radix));
    ExpandDigits(m());
    announceTask(Text1, direction_ == TaskDirection::DecimalToRadix ? DecimalToRadixInstruction(m().Radix)
                                                                     : RadixToDecimalInstruction());
    Text1->setText(TaskAsShown(m(), direction_));
    DigitsAnswer(m());
}

// Any number of tries: nothing is counted here.
void PracticeForm::Ввод_ответа_Click()
{
    const QString reply = askAnswer(dialogs());
    m().StudentAnswer = AnswerValue(reply);
    showAnswerVerdict(dialogs(), IsRightPracticeAnswer(m(), direction_, reply));
}

}  // namespace radixon
