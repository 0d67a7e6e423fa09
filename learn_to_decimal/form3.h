#pragma once

#include "form.h"

namespace radixon {

class Form3 final : public Form {
    Q_OBJECT

public:
    explicit Form3(FormContext context);
    void Form_Load() override;
};

}  // namespace radixon
