// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace radixon {

// How a window's design is fitted to the screen of a classroom computer.

// The factor the design is drawn at: 1 where the window, frame included,
// fits the available area; where it does not, the largest factor at which it
// does, so the window keeps its proportions. `design` is the window's size at
// factor 1 and `fixedHeight` the part of it that does not scale (the main
// window's menu bar).
double FitFactor(QSize design, int fixedHeight, QMargins frame, QSize available);

// Where a window's frame goes so that all of it lies on the available area:
// where it is when it already does, else moved in by the least it takes. A
// frame larger than the area goes to its top-left corner.
QRect PlaceInside(QRect frame, QRect available);

// The frame in the middle of the available area, for a window's first showing.
QRect CentreIn(QRect frame, QRect available);

}  // namespace radixon
