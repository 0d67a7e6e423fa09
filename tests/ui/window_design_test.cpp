// SPDX-License-Identifier: GPL-3.0-or-later
// Every window is made from its design table, and every design table keeps
// the rules a design must keep.
#include "controls.h"
#include "design_checks.h"
#include "program_fixture.h"

#include <QImage>

namespace radixon::testing {
namespace {

class EachWindow : public ProgramFixture, public ::testing::WithParamInterface<FormId> {};

TEST_P(EachWindow, IsBuiltFromItsSoundDesign)
{
    Form& window = form(GetParam());
    // The taskbar and Alt+Tab show the program's icon for every window.
    const QImage icon = programIcon().pixmap(QSize(32, 32)).toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(window.windowIcon().pixmap(QSize(32, 32)).toImage(), icon);
    // The tests' screen is large, at 96 dpi: every window as designed.
    EXPECT_EQ(window.scale(), 1.0);
    expectSoundDesign(window.design());
    expectBuiltFromDesign(window);
    // The main window adds its menu bar above the designed client area.
    if (GetParam() != FormId::Form1) {
        const QSize client = window.design().clientTwips;
        EXPECT_EQ(window.size(), QSize(window.twips(client.width()), window.twips(client.height())));
    }
}

INSTANTIATE_TEST_SUITE_P(, EachWindow, EveryWindow, windowName);

}  // namespace
}  // namespace radixon::testing
