#include "form4.h"

namespace radixon {

Form4::Form4(FormContext context) : Form(FormId::Form4, context)
{
    setObjectName(QStringLiteral("Form4"));
}

void Form4::Form_Load()
{
}

}  // namespace radixon
