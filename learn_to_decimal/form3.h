#pragma once

#include "form.h"

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace radixon {

class PrintArea;

// Practice in converting a number written in another radix into decimal,
// with the expanded sum of digit times radix to a power as the worked
// solution.
class Form3 final : public Form {
    Q_OBJECT

public:
    explicit Form3(FormContext context);
    void Form_Load() override;

private:
    void Ввод_числа_Click();
    void Ввод_ответа_Click();
    void Показать_решение_Click();
    void Назад_Click();

    void printPowersWrittenOut(const std::vector<Int16>& digits);
    void printPowersEvaluated(const std::vector<Int16>& digits);

    QLabel* Label1;
    QPushButton* Command1;
    QLineEdit* Text2;
    QPushButton* Ввод_числа;
    QLineEdit* Text1;
    QPushButton* Ввод_ответа;
    QPushButton* Показать_решение;
    PrintArea* Picture1;
    QPushButton* Назад;
};

}  // namespace radixon
