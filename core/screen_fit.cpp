// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_fit.h"

#include <algorithm>
#include <cmath>

namespace radixon {

double FitFactor(QSize design, int fixedHeight, QMargins frame, QSize available)
{
    // One pixel to spare: the scaled sizes are rounded to whole pixels.
    const double roomWidth = available.width() - frame.left() - frame.right() - 1;
    const double roomHeight = available.height() - frame.top() - frame.bottom() - fixedHeight - 1;
    const double scalingHeight = design.height() - fixedHeight;
    if (design.width() <= roomWidth + 1 && scalingHeight <= roomHeight + 1)
        return 1.0;
    const double factor = std::min(roomWidth / design.width(), roomHeight / scalingHeight);
    // A screen too small for any readable window still gets one, if tiny.
    return std::clamp(std::floor(factor * 1000) / 1000, 0.1, 1.0);
}

QRect PlaceInside(QRect frame, QRect available)
{
    QPoint topLeft = frame.topLeft();
    topLeft.setX(std::max(available.left(), std::min(topLeft.x(), available.right() + 1 - frame.width())));
    topLeft.setY(std::max(available.top(), std::min(topLeft.y(), available.bottom() + 1 - frame.height())));
    return QRect(topLeft, frame.size());
}

QRect CentreIn(QRect frame, QRect available)
{
    QRect centred(QPoint(0, 0), frame.size());
    centred.moveCenter(available.center());
    return PlaceInside(centred, available);
}

}  // namespace radixon
