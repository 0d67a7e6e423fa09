#include "program.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"

namespace radixon {

namespace {
template <class Window>
Forms::Factory factory()
{
    return [](FormContext context) { return std::make_unique<Window>(context); };
}
}  // namespace

Program::Program(Dialogs& dialogs, RandomSource& random, std::function<void()> onEnd)
    : forms(state, dialogs, random, std::move(onEnd))
{
    forms.registerForm(FormId::Form1, factory<Form1>());
    forms.registerForm(FormId::Form2, factory<Form2>());
    forms.registerForm(FormId::Form3, factory<Form3>());
    forms.registerForm(FormId::Form4, factory<Form4>());
}

void Program::start()
{
    forms.Show(FormId::Form1);
}

}  // namespace radixon
