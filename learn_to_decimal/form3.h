// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <memory>

namespace radixon {

// Practice in converting a number written in another radix into decimal,
// with the expanded sum of digit times radix to a power as the worked
// solution.
std::unique_ptr<Form> createForm3(FormContext context);

}  // namespace radixon
