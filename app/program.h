// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms.h"

namespace radixon {

// One run of the tutor: the shared state and the four windows behind the
// window services. The program, its snapshot tool and the whole-program tests
// all start it the same way.
class Program {
public:
    Program(Dialogs& dialogs, RandomSource& random, std::function<void()> onEnd);

    // Creates the main window, runs its Form_Load and shows it.
    void start();

    Модуль1 state;
    Forms forms;
};

}  // namespace radixon
