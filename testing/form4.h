#pragma once

#include "form.h"

namespace radixon {

class Form4 final : public Form {
    Q_OBJECT

public:
    explicit Form4(FormContext context);
    void Form_Load() override;
};

}  // namespace radixon
