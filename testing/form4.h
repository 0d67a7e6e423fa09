#pragma once

#include "form.h"

class QLabel;
class QLineEdit;
class QPushButton;

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
    void Выход_Click();
    void Ввод_числа_Click();
    void Ввод_ответа_Click();
    void Command2_Click();

    void takeRadixFromText2();
    void issueDecimalToRadix();
    void issueRadixToDecimal();
    void printLine(const QString& text = QString());

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Ввод_числа = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Ввод_ответа = nullptr;
    QPushButton* Выход = nullptr;
    PrintArea* Picture1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label2 = nullptr;
};

}  // namespace radixon
