// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kf {

// The rows of the drill window a student may hide as distracting.
enum class DrillRow : std::uint8_t { LastCorrect, Missed, Typed, Instructions };
inline constexpr std::size_t kDrillRowCount = 4;

// Which rows the student has hidden. Kept for the whole run, so the next drill window shows the
// rows as the student left them.
struct DrillRowsHidden {
    std::array<bool, kDrillRowCount> hidden{};

    bool isHidden(DrillRow row) const { return hidden[static_cast<std::size_t>(row)]; }
    void toggle(DrillRow row) {
        hidden[static_cast<std::size_t>(row)] = !hidden[static_cast<std::size_t>(row)];
    }
};

} // namespace kf
