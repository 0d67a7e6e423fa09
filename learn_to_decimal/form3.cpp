// SPDX-License-Identifier: GPL-3.0-or-later
#include "form3.h"

#include "practice_form.h"
#include "print_area.h"
#include "screen_reader.h"
#include "solutions.h"

#include <QPushButton>

namespace radixon {

namespace {

// The print area reaches beyond the right edge of the client area: the long
// sum of a small radix is seen by enlarging the window.
const WindowDesign& form3Design()
{
    static const WindowDesign form3 = [] {
        const QColor grey(224, 224, 224);
        const Lettering lettering{"Times New Roman", 24, true, true};
        const ControlKind button = ControlKind::WrappingButton;
        // One control a row, as the design lists them.
        // clang-format off
        return WindowDesign{
            "Form3",
            QSize(15240, 11010),
            grey,
            {
                {"Label1", ControlKind::Label, "Перевод чисел  в десятичную систему счисления",
                 QRect(240, 240, 12735, 735), grey, QColor(128, 0, 0), lettering},
                {"Command1", button, "Основание системы счисления", QRect(600, 1320, 8055, 810), grey, QColor(),
                 lettering},
                {"Text2", ControlKind::TextBox, " 2", QRect(9600, 1320, 2535, 765), grey, QColor(192, 0, 0), lettering,
                 "Command1"},
                {"Ввод_числа", button, "Задайте число", QRect(1200, 2760, 2655, 1050), QColor(192, 192, 255), QColor(),
                 lettering},
                {"Text1", ControlKind::TextBox, " ", QRect(5640, 2880, 6495, 765), grey, QColor(0, 0, 192), lettering,
                 "Ввод_числа"},
                {"Показать_решение", button, "Показать решение", QRect(5640, 5880, 4215, 1050), QColor(255, 128, 128),
                 QColor(), lettering},
                {"Picture1", ControlKind::PrintArea, "", QRect(120, 7080, 18975, 1815), grey, QColor(0, 0, 128),
                 {"Times New Roman", 15.75, true, false}, nullptr, "Решение"},
                {"Ввод_ответа", button, "Проверь себя:  Введи ответ ", QRect(960, 4920, 3255, 1050),
                 QColor(128, 255, 128), QColor(), lettering},
                {"Назад", button, "Назад", QRect(9240, 9480, 2895, 570), QColor(255, 192, 255), QColor(), lettering},
            },
            {"Показать_решение", "Ввод_числа", "Text1", "Picture1", "Ввод_ответа", "Назад", "Command1", "Text2"},
        };
        // clang-format on
    }();
    return form3;
}

// Practice in giving a number written in the radix in decimal: the number is
// drawn from 80..269, and the worked solution is the number expanded into
// powers of the radix, then worked out.
class Form3 final : public PracticeForm {
public:
    explicit Form3(FormContext context)
        : PracticeForm(FormId::Form3, context, form3Design(), TaskDirection::RadixToDecimal, 8 * 10)
    {
        onClick(control<QPushButton>("Назад"), [this] { backToMainWindow(); });
    }

protected:
    // The number expanded into powers of the radix, then worked out.
    void Показать_решение_Click() override { presentPage(Picture1, ExpandedSum(m())); }
};

}  // namespace

std::unique_ptr<Form> createForm3(FormContext context)
{
    return std::make_unique<Form3>(context);
}

}  // namespace radixon
