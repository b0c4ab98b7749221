// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kf {

// Reaction time is counted in ticks of 54 ms, the first tick being 1 when the target appears.
inline constexpr std::int64_t kTickMs = 54;
// The tick count never overflows: on reaching this value it goes back to 1 at the next tick.
inline constexpr std::int32_t kTicksWrapAt = 2'000'000'000;
// Seconds of reaction per tick count, as the statistics store them.
inline constexpr long double kTicksPerSecond = 18.2L;

// The tick count shown after elapsedMs milliseconds: what a tick every 54 ms would have
// counted, taken from the monotonic clock so that delayed timer events lose nothing.
constexpr std::int32_t reactionTicks(std::int64_t elapsedMs) {
    const std::int64_t ticks = elapsedMs < 0 ? 0 : elapsedMs / kTickMs;
    const std::int64_t beforeWrap = kTicksWrapAt - 1; // ticks that take 1 up to the wrap value
    if (ticks <= beforeWrap)
        return static_cast<std::int32_t>(1 + ticks);
    // After the wrap the count runs 2 .. kTicksWrapAt, again and again.
    const std::int64_t cycle = kTicksWrapAt - 1;
    const std::int64_t into = (ticks - beforeWrap) % cycle;
    return into == 0 ? kTicksWrapAt : static_cast<std::int32_t>(1 + into);
}

// The set clock: whole seconds, back to 0 on reaching this value.
inline constexpr std::int32_t kSetSecondsWrapAt = 30000;

} // namespace kf
