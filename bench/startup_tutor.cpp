// SPDX-License-Identifier: GPL-3.0-or-later
// The tutor's start-up, unchanged, ending after the main window's first paint.

#include "first_paint.h"
#include "tutor.h"

int main(int argc, char* argv[])
{
    return radixon::runTutor(argc, argv, [](QWidget& mainWindow) { QuitAfterFirstPaint::watch(mainWindow); });
}
