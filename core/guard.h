// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs.h"

#include <functional>

namespace radixon {

// Runs one handler. A runtime error stops only this handler: it is reported in
// a message box and the program goes on.
void runGuarded(Dialogs& dialogs, const std::function<void()>& handler);

}  // namespace radixon
