#include "form3.h"

namespace radixon {

Form3::Form3(FormContext context) : Form(FormId::Form3, context)
{
    setObjectName(QStringLiteral("Form3"));
}

void Form3::Form_Load()
{
}

}  // namespace radixon
