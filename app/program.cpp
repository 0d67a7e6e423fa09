// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"

namespace radixon {

Program::Program(Dialogs& dialogs, RandomSource& random, std::function<void()> onEnd)
    : forms(state, dialogs, random, std::move(onEnd))
{
    forms.registerForm(FormId::Form1, [](FormContext context) { return std::make_unique<Form1>(context); });
    forms.registerForm(FormId::Form2, createForm2);
    forms.registerForm(FormId::Form3, createForm3);
    forms.registerForm(FormId::Form4, [](FormContext context) { return std::make_unique<Form4>(context); });
}

void Program::start()
{
    forms.Show(FormId::Form1);
}

}  // namespace radixon
