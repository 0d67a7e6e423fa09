// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"
#include "tasks.h"

class QLineEdit;

namespace radixon {

class PrintArea;

// The two practice windows: the caption after their heading, the radix box, a
// new task at "Задайте число", the answer check at "Проверь себя", the worked
// solution at "Показать решение" and the back button.
class PracticeForm final : public Form {
    Q_OBJECT

public:
    // `direction`: Form2 shows a decimal number to write in the radix, Form3
    // the digits in the radix to give in decimal. `taskBase`: the smallest
    // number drawn; both windows draw from 190 numbers. `backButton`: the
    // design's name for the window's "Назад" button.
    PracticeForm(FormId id, FormContext context, const WindowDesign& design, TaskDirection direction,
                 int taskBase, const char* backButton);

    void Form_Load() override;

private:
    void Ввод_числа_Click();
    void Ввод_ответа_Click();
    void Показать_решение_Click();

    TaskDirection direction_;
    int taskBase_;
    QLineEdit* Text1;
    QLineEdit* Text2;
    PrintArea* Picture1;
};

}  // namespace radixon
