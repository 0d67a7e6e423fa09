// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"
#include "qt_versions.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Windows are drawn without a display, on a screen where all of them fit.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", RADIXON_TEST_PLATFORM);
    ::testing::InitGoogleTest(&argc, argv);
    radixon::qt::scaleToTheScreen();
    QApplication app(argc, argv);
    radixon::setupApplication(app);
    app.setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
