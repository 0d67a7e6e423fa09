// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace radixon {

// Answers the command line before any window opens, as a Linux program does:
// --help and --version are printed, an option the tutor does not know (or an
// argument: it takes none) is refused with the usage, and with no display to
// open the tutor says so instead of letting Qt abort. Returns the exit status
// the program ends with there, or nothing to start the tutor. Qt's own
// options (-platform, -style, ...) are left in argv for QApplication.
std::optional<int> answerCommandLine(int argc, char* argv[]);

}  // namespace radixon
