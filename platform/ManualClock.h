// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

namespace kf {

// A clock that moves only when a test tells it to.
class ManualClock final : public Clock {
public:
    std::int64_t nowMs() const override { return m_now; }
    void advance(std::int64_t ms) { m_now += ms; }
    void set(std::int64_t ms) { m_now = ms; }

private:
    std::int64_t m_now = 0;
};

} // namespace kf
