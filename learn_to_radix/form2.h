#pragma once

#include "form.h"

namespace radixon {

class Form2 final : public Form {
    Q_OBJECT

public:
    explicit Form2(FormContext context);
    void Form_Load() override;
};

}  // namespace radixon
