#include "form1.h"

namespace radixon {

Form1::Form1(FormContext context) : Form(FormId::Form1, context)
{
    setObjectName(QStringLiteral("Form1"));
}

void Form1::Form_Load()
{
}

}  // namespace radixon
