// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

namespace kf {

// The real clock: milliseconds since the clock was made, from the system's monotonic timer.
class SteadyClock final : public Clock {
public:
    SteadyClock() { m_timer.start(); }
    std::int64_t nowMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

} // namespace kf
