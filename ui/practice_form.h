// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"
#include "tasks.h"

class QLineEdit;

namespace radixon {

class PrintArea;

// What the two practice windows share: the caption after their heading, the
// radix box, a new task at "Задайте число", the answer check at "Проверь
// себя" and the print area of the worked solution.
class PracticeForm : public Form {
    Q_OBJECT

public:
    void Form_Load() override;

protected:
    // `direction`: Form2 shows a decimal number to write in the radix, Form3
    // the digits in the radix to give in decimal. `taskBase`: the smallest
    // number drawn; both windows draw from 190 numbers.
    PracticeForm(FormId id, FormContext context, const WindowDesign& design, TaskDirection direction, int taskBase);

    // Prints the worked solution of the current task in Picture1.
    virtual void Показать_решение_Click() = 0;

    PrintArea* Picture1;

private:
    void Ввод_числа_Click();
    void Ввод_ответа_Click();

    TaskDirection direction_;
    int taskBase_;
    QLineEdit* Text1;
    QLineEdit* Text2;
};

}  // namespace radixon
