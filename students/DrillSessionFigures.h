// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/RecordLayout.h"

#include <array>
#include <cstdint>

namespace kf {

// Fixed-point figures (value x 10,000) per statistics index 1..200; element 0 is unused.
using PerKeyFigures = std::array<std::int64_t, layout::kPerKeyCount + 1>;

// The drill engine's working figures of the current session: what the charts show for "today"
// and what the engine copies into the student record at the end of each set.
struct DrillSessionFigures {
    // Hits and misses of every set since the program started ("Correct this session").
    double sessionHitsTotal = 0;
    double sessionMissesTotal = 0;

    // The rest belongs to the student whose record is in memory.
    std::int64_t sessionPresses = 0;    // fixed-point
    std::int64_t sessionMisses = 0;     // fixed-point
    std::int64_t sessionSetSeconds = 0; // fixed-point
    std::int32_t lastSetSeconds = 0;
    std::int32_t rightShiftLetterErrors = 0;
    std::int32_t leftShiftLetterErrors = 0;
    std::int32_t sessionSlowestTicks = 0;

    PerKeyFigures presented{};
    PerKeyFigures correct{};
    PerKeyFigures accuracy{};
    PerKeyFigures timedPresses{};
    PerKeyFigures tickSum{};
    PerKeyFigures averageSeconds{};

    // Another student's record was loaded or a record was set to its defaults: nothing of the
    // session so far belongs to it. The totals since the program started stay.
    void clearForNewRecord() {
        const double hits = sessionHitsTotal;
        const double misses = sessionMissesTotal;
        *this = DrillSessionFigures{};
        sessionHitsTotal = hits;
        sessionMissesTotal = misses;
    }
};

} // namespace kf
