// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace radixon {

// The two pages the main window's menu prints on Picture1, one string a line;
// an empty string is an empty line.
const QStringList& instructionPage();  // "Инструкция": how a test is run
const QStringList& aboutPage();        // "О программе": what the tutor offers

}  // namespace radixon
