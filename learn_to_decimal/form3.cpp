// SPDX-License-Identifier: GPL-3.0-or-later
#include "form3.h"

#include "practice_form.h"
#include "print_area.h"
#include "screen_reader.h"
#include "solutions.h"

namespace radixon {

class Form3 final : public PracticeForm {
public:
    explicit Form3(FormContext context) : PracticeForm(FormId::Form3, context, TaskDirection::RadixToDecimal) {}

protected:
    // The number expanded into powers of the radix, then worked out.
    void Показать_решение_Click() override
    {
        Picture1->setPage(ExpandedSum(m()));
        focusForScreenReader(Picture1);
    }
};

std::unique_ptr<Form> createForm3(FormContext context)
{
    return std::make_unique<Form3>(context);
}

}  // namespace radixon
