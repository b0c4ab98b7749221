// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ActivityState.h"

#include <QString>
#include <array>
#include <string_view>

namespace kf {

// The drill window's title for each drill kind, in menu order.
inline constexpr std::array<std::string_view, kDrillKindCount> kDrillTitles = {
    "Home Row Only",
    "Top Row Only",
    "Bottom Row Only",
    "Home and Top Rows",
    "Home and Bottom Row",
    "All Three Rows",
    "All and Common Punctuation",
    "Numbers Only",
    "Symbols Only",
    "All Keys",
    "Choose Your Own Keys",
};

// The title of the drill whose flag is set; when several are, the last in menu order wins.
inline QString drillTitle(const ActivityState& activity) {
    std::string_view title = kDrillTitles.front();
    for (std::size_t i = 0; i < activity.drillKindFlags.size(); ++i)
        if (activity.drillKindFlags[i] != 0)
            title = kDrillTitles[i];
    return QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size()));
}

} // namespace kf
