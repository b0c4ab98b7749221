// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/SectionUsage.h"

#include <array>
#include <optional>

namespace kf {

// The value the statistics window's and the report's section selectors use for each section,
// in section order: 999 for Lessons, 0 for Beginners Drills, otherwise the section's number.
inline constexpr std::array<int, kSectionCount> kSectionSelectorValues = {999, 0, 2, 3, 4, 5, 6};

constexpr std::optional<Section> sectionOfSelector(int selector) {
    for (std::size_t i = 0; i < kSectionCount; ++i)
        if (kSectionSelectorValues[i] == selector)
            return static_cast<Section>(i);
    return std::nullopt;
}

} // namespace kf
