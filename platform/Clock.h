// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kf {

// Monotonic milliseconds. Reaction times and set times are measured with it, never by counting
// timer events: a busy event loop delays timer events, but not this clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;
};

} // namespace kf
