// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "practice_form.h"
#include "print_area.h"
#include "screen_reader.h"
#include "solutions.h"

namespace radixon {

class Form2 final : public PracticeForm {
public:
    explicit Form2(FormContext context) : PracticeForm(FormId::Form2, context, TaskDirection::DecimalToRadix) {}

protected:
    // The table of successive divisions of the current task.
    void Показать_решение_Click() override;
};

void Form2::Показать_решение_Click()
{
    // Before the first task of the run there is no radix to divide by.
    if (m().Radix < 2) {
        warn(dialogs(), QStringLiteral("Сначала задайте число!"));
        return;
    }
    Picture1->setPage(ExpandIntoDivisionTable(m()));
    focusForScreenReader(Picture1);
}

std::unique_ptr<Form> createForm2(FormContext context)
{
    return std::make_unique<Form2>(context);
}

}  // namespace radixon
