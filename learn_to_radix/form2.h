// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <memory>

namespace radixon {

// Practice in converting a decimal number into another radix, with the table
// of successive divisions as the worked solution.
std::unique_ptr<Form> createForm2(FormContext context);

}  // namespace radixon
