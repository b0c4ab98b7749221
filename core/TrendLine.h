// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPolygonF>
#include <QRectF>

namespace kf {

// The points of a small trend line of whole percents (oldest first) in a box: evenly spaced
// from left to right, 0 at the bottom and 100 at the top; a single figure sits in the middle.
// Drawn the same way in the overview's rows and on its printout.
QPolygonF trendLine(const QList<int>& percents, const QRectF& box);

} // namespace kf
