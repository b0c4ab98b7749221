// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>

namespace kf {

// Statistics are stored as signed 64-bit values x 10,000. Arithmetic runs on the real values in
// long double and goes back through this one rounding: to the nearest stored unit, ties to even
// (std::nearbyint in the default rounding mode).
inline constexpr long double kFixedPointScale = 10000.0L;

inline std::int64_t toFixedPoint(long double value) {
    return static_cast<std::int64_t>(std::nearbyint(value * kFixedPointScale));
}

inline long double fromFixedPoint(std::int64_t stored) {
    return static_cast<long double>(stored) / kFixedPointScale;
}

// Whole numbers (percentages, words per minute) are rounded the same way: ties to even.
inline std::int32_t roundHalfEven(long double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

} // namespace kf
