// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_form.h"

#include "conversion.h"
#include "print_area.h"
#include "screen_reader.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace radixon {

PracticeForm::PracticeForm(FormId id, FormContext context, const WindowDesign& design, TaskDirection direction,
                           int taskBase)
    : Form(id, context, design), direction_(direction), taskBase_(taskBase)
{
    buildDesign(this);
    setWindowTitle(QStringLiteral("ОБУЧЕНИЕ: ") + control<QLabel>("Label1")->text());
    Text1 = control<QLineEdit>("Text1");
    Text2 = control<QLineEdit>("Text2");
    Picture1 = control<PrintArea>("Picture1");

    onClick(control<QPushButton>("Ввод_числа"), [this] { Ввод_числа_Click(); });
    onClick(control<QPushButton>("Ввод_ответа"), [this] { Ввод_ответа_Click(); });
    onClick(control<QPushButton>("Показать_решение"), [this] { Показать_решение_Click(); });
}

void PracticeForm::Form_Load()
{
    windows().SetCaption(FormId::Form1, QStringLiteral("Перевод чисел в двоичную систему счисления - самопроверка"));
}

// The radix box is read anew for every task, so a radix typed in another
// window never carries over.
void PracticeForm::Ввод_числа_Click()
{
    random().Randomize();
    RandomTaskNumber(m(), random(), 190, taskBase_);
    ReadRadixBox(m(), dialogs(), Text2->text());
    Text2->setText(Str(m().Radix));
    ExpandDigits(m());
    announceTask(Text1, TaskInstruction(direction_, m().Radix), TaskAsShown(m(), direction_));
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
