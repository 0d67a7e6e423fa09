#pragma once

#include "form.h"

namespace radixon {

class Form1 final : public Form {
    Q_OBJECT

public:
    explicit Form1(FormContext context);
    void Form_Load() override;
};

}  // namespace radixon
