// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <string>

#include <gtest/gtest.h>

namespace radixon::testing {

// Every window, for the tests that hold for each of them, named as in the
// program.
inline const auto EveryWindow = ::testing::Values(FormId::Form1, FormId::Form2, FormId::Form3, FormId::Form4);
inline std::string windowName(const ::testing::TestParamInfo<FormId>& info)
{
    return "Form" + std::to_string(static_cast<int>(info.param) + 1);
}

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
