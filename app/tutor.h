// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace radixon {

// Starts the tutor as the installed program does: the command line answered
// (--help, --version, no display), the application set-up, the
// Russian texts of Qt's dialogs, Qt's dialogs and the clock's random numbers,
// then the main window. `started` is called once the main window is shown;
// it lets a start-up benchmark watch that window. Returns the exit code.
int runTutor(int argc, char* argv[], const std::function<void(QWidget& mainWindow)>& started = {});

}  // namespace radixon
