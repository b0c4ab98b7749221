// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/KeyTrend.h"

namespace kf {

namespace {

double smoothed(double previous, double latest, bool first) {
    return first ? latest : previous + KeyTrend::kSmoothing * (latest - previous);
}

} // namespace

KeyTrend KeyTrend::after(const KeySetFigures& set) const {
    if (set.presses <= 0)
        return *this;
    KeyTrend next = *this;
    next.smoothedAccuracy =
        smoothed(smoothedAccuracy, static_cast<double>(set.hits) / set.presses, sets == 0);
    if (set.hits > 0)
        next.smoothedMs = smoothed(smoothedMs, set.hitMsSum / set.hits, !timed());
    ++next.sets;
    next.presses += set.presses;
    next.hits += set.hits;
    return next;
}

} // namespace kf
