// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "practice_form.h"
#include "print_area.h"
#include "screen_reader.h"
#include "solutions.h"

#include <QPushButton>

namespace radixon {

namespace {

// The answer and back buttons stand to the right of the print area, so the
// client area is wider than the rest needs.
const WindowDesign& form2Design()
{
    static const WindowDesign form2 = [] {
        const QColor grey(224, 224, 224);
        const Lettering lettering{"Times New Roman", 24, true, true};
        const ControlKind button = ControlKind::WrappingButton;
        // One control a row, as the design lists them.
        // clang-format off
        return WindowDesign{
            "Form2",
            QSize(17655, 10935),
            grey,
            {
                {"Label1", ControlKind::Label, "Перевод десятичных чисел  в другие  системы счисления",
                 QRect(120, 240, 12735, 735), grey, QColor(128, 0, 0), lettering},
                {"Command1", button, "Основание системы счисления", QRect(600, 1320, 8055, 810), grey, QColor(),
                 lettering},
                {"Text2", ControlKind::TextBox, " 2", QRect(9600, 1320, 2535, 765), grey, QColor(192, 0, 0), lettering,
                 "Command1"},
                {"Ввод_числа", button, "Задайте число", QRect(6000, 2520, 2655, 1050), QColor(192, 192, 255), QColor(),
                 lettering},
                {"Text1", ControlKind::TextBox, " ", QRect(9600, 2640, 2535, 765), grey, QColor(0, 0, 192), lettering,
                 "Ввод_числа"},
                {"Показать_решение", button, "Показать решение", QRect(3240, 3960, 4815, 810), QColor(255, 128, 128),
                 QColor(), lettering},
                {"Picture1", ControlKind::PrintArea, "", QRect(600, 4920, 12375, 5655), grey, QColor(0, 64, 0),
                 {"Times New Roman", 15.75, true, false}, nullptr, "Решение"},
                {"Ввод_ответа", button, "Проверь себя:  Введи ответ ", QRect(13440, 6000, 3855, 1650),
                 QColor(192, 255, 192), QColor(), lettering},
                {"Выход", button, "Назад", QRect(14160, 9240, 2895, 570), QColor(255, 192, 255), QColor(), lettering},
            },
            {"Показать_решение", "Ввод_числа", "Text1", "Picture1", "Ввод_ответа", "Выход", "Command1", "Text2"},
        };
        // clang-format on
    }();
    return form2;
}

// Practice in writing a decimal number in the radix: the number is drawn
// from 30..219, and the worked solution is the table of successive divisions.
class Form2 final : public PracticeForm {
public:
    explicit Form2(FormContext context)
        : PracticeForm(FormId::Form2, context, form2Design(), TaskDirection::DecimalToRadix, 3 * 10)
    {
        onClick(control<QPushButton>("Выход"), [this] { backToMainWindow(); });
    }

protected:
    void Показать_решение_Click() override
    {
        if (const std::optional<QString> why = NoDivisionTableYet(m())) {
            warn(dialogs(), *why);
            return;
        }
        presentPage(Picture1, ExpandIntoDivisionTable(m()));
    }
};

}  // namespace

std::unique_ptr<Form> createForm2(FormContext context)
{
    return std::make_unique<Form2>(context);
}

}  // namespace radixon
