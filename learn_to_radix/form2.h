#pragma once

#include "form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace radixon {

class PrintArea;

// Practice in converting a decimal number into another radix, with the
// table of successive divisions as the worked solution.
class Form2 final : public Form {
    Q_OBJECT

public:
    explicit Form2(FormContext context);
    void Form_Load() override;

private:
    void Ввод_числа_Click();
    void Ввод_ответа_Click();
    void Показать_решение_Click();
    void Выход_Click();

    void printDivisionRow(Int16 dividend, Int16 radix, double quotient, Int16 remainder);

    QLabel* Label1;
    QPushButton* Command1;
    QLineEdit* Text2;
    QPushButton* Ввод_числа;
    QLineEdit* Text1;
    QPushButton* Показать_решение;
    PrintArea* Picture1;
    QPushButton* Ввод_ответа;
    QPushButton* Выход;
};

}  // namespace radixon
