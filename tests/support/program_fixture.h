// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <gtest/gtest.h>

namespace radixon::testing {

// A test of the whole program: the driver, whose complaints fail the test.
class ProgramFixture : public ::testing::Test, public ProgramDriver {
protected:
    ProgramFixture();

    // The print area's text as screen readers get it.
    QString accessibleValue(FormId id, const char* name = "Picture1");

    // Saves the window as a PNG under the build's screenshots folder.
    QString saveGrab(FormId id, const QString& file);
};

}  // namespace radixon::testing
