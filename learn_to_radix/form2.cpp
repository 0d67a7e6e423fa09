#include "form2.h"

namespace radixon {

Form2::Form2(FormContext context) : Form(FormId::Form2, context)
{
    setObjectName(QStringLiteral("Form2"));
}

void Form2::Form_Load()
{
}

}  // namespace radixon
