// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks.h"
#include "form.h"

class QLineEdit;

namespace radixon {

class PrintArea;

// What the two practice windows share: the radix box, a new task at
// "Задайте число", the answer check at "Проверь себя", the worked solution in
// Picture1 and the way back. The windows differ in the direction of their
// tasks (and so in the number shown and the answer expected) and in their
// worked solution.
class PracticeForm : public Form {
    Q_OBJECT

public:
    void Form_Load() override;

protected:
    // `direction`: Form2 shows a decimal number to write in the radix, Form3
    // the digits in the radix to give in decimal.
    PracticeForm(FormId id, FormContext context, TaskDirection direction);

    // Prints the worked solution of the current task in Picture1.
    virtual void Показать_решение_Click() = 0;

    PrintArea* Picture1;

private:
    void Ввод_числа_Click();
    void Ввод_ответа_Click();

    TaskDirection direction_;
    QLineEdit* Text1;
    QLineEdit* Text2;
};

}  // namespace radixon
