// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kf {

// What one set held of one key.
struct KeySetFigures {
    int presses = 0;
    int hits = 0;
    double hitMsSum = 0; // the reaction times of the hits: a miss's time says nothing of speed
};

// A key's speed and accuracy as they stand after the sets so far: each set moves them a tenth of
// the way to its own figures, so that old sets fade and one bad set does not undo many good ones.
struct KeyTrend {
    static constexpr double kSmoothing = 0.1;

    double smoothedMs = 0;       // of hits only; 0 until a set had a hit of the key
    double smoothedAccuracy = 0; // 0..1
    int sets = 0;                // sets that had the key
    int presses = 0;
    int hits = 0;

    bool timed() const { return smoothedMs > 0; }
    // The trend with one more set that had the key; the first set sets it.
    KeyTrend after(const KeySetFigures& set) const;
};

} // namespace kf
