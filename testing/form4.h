// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

class QLabel;
class QLineEdit;

namespace radixon {

class PrintArea;

// The test: radix and number of tasks, tasks issued in two halves, each answer
// scored at most once, and the result page to show the teacher.
class Form4 final : public Form {
    Q_OBJECT

public:
    explicit Form4(FormContext context);
    void Form_Load() override;

private:
    void Command1_Click();
    void Command3_Click();
    void Ввод_числа_Click();
    void Ввод_ответа_Click();
    void Command2_Click();

    QLineEdit* Text2 = nullptr;
    QLineEdit* Text1 = nullptr;
    PrintArea* Picture1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label2 = nullptr;
};

}  // namespace radixon
