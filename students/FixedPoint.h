// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kf {

// Statistics are stored as signed 64-bit values x 10,000. Arithmetic runs on the real values in
// long double and goes back through this one rounding: to the nearest stored unit, ties to even
// (std::nearbyint in the default rounding mode).
inline constexpr long double kFixedPointScale = 10000.0L;

// A damaged file can hold figures no real count reaches; what they compute to stops at the ends
// of the stored range (not a number counts as 0) instead of overflowing.
template <typename Whole>
Whole saturated(long double rounded) {
    constexpr auto limit = static_cast<long double>(std::numeric_limits<Whole>::max()) + 1.0L;
    if (std::isnan(rounded))
        return 0;
    if (rounded >= limit)
        return std::numeric_limits<Whole>::max();
    if (rounded < -limit)
        return std::numeric_limits<Whole>::min();
    return static_cast<Whole>(rounded);
}

inline std::int64_t toFixedPoint(long double value) {
    return saturated<std::int64_t>(std::nearbyint(value * kFixedPointScale));
}

inline long double fromFixedPoint(std::int64_t stored) {
    return static_cast<long double>(stored) / kFixedPointScale;
}

// Whole numbers (percentages, words per minute) are rounded the same way: ties to even.
inline std::int32_t roundHalfEven(long double value) {
    return saturated<std::int32_t>(std::nearbyint(value));
}

} // namespace kf
