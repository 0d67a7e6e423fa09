// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_fit.h"

#include <gtest/gtest.h>

namespace radixon {
namespace {

TEST(FitFactor, KeepsTheDesignWhereItFitsAndShrinksItWholeWhereItDoesNot)
{
    const QMargins frame(2, 2, 2, 2);
    const struct {
        const char* name;
        QSize design;
        int fixedHeight;
        QSize available;
        double factor;
    } cases[] = {
        {"fits", QSize(1021, 694), 0, QSize(1920, 1080), 1.0},
        {"fits to the pixel, frame included", QSize(1020, 764), 0, QSize(1024, 768), 1.0},
        {"one pixel too wide", QSize(1021, 694), 0, QSize(1024, 768), 0.998},
        {"too wide", QSize(1177, 729), 0, QSize(1024, 768), 0.865},
        {"too high", QSize(1016, 734), 0, QSize(1093, 614), 0.829},
        {"the menu bar keeps its height", QSize(641, 481), 19, QSize(911, 400), 0.813},
        {"a screen too small for anything", QSize(1177, 729), 0, QSize(40, 30), 0.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const double factor = FitFactor(c.design, c.fixedHeight, frame, c.available);
        EXPECT_DOUBLE_EQ(factor, c.factor);
        if (factor < 1.0 && factor > 0.1) {
            // Drawn at that factor, the window and its frame fit.
            EXPECT_LE(qRound(c.design.width() * factor) + 4, c.available.width());
            EXPECT_LE(qRound((c.design.height() - c.fixedHeight) * factor) + c.fixedHeight + 4, c.available.height());
        }
    }
}

TEST(Placing, PutsTheWholeFrameOnTheAvailableArea)
{
    const QRect available(0, 30, 1024, 700);  // below a panel at the top
    const struct {
        const char* name;
        QRect frame;
        QPoint placed;
        QPoint centred;
    } cases[] = {
        {"inside stays", QRect(100, 100, 400, 300), QPoint(100, 100), QPoint(312, 230)},
        {"off to the right and down", QRect(900, 600, 400, 300), QPoint(624, 430), QPoint(312, 230)},
        {"above the area", QRect(-50, 0, 400, 300), QPoint(0, 30), QPoint(312, 230)},
        {"larger than the area", QRect(10, 40, 1100, 800), QPoint(0, 30), QPoint(0, 30)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceInside(c.frame, available).topLeft(), c.placed);
        EXPECT_EQ(CentreIn(c.frame, available).topLeft(), c.centred);
        EXPECT_EQ(PlaceInside(c.frame, available).size(), c.frame.size());
    }
}

}  // namespace
}  // namespace radixon
