// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ActivityState.h"

#include <QCoreApplication>
#include <QString>
#include <array>

namespace kf {

// The drill window's title for each drill kind, in menu order (English; shown in the interface
// language).
inline constexpr std::array<const char*, kDrillKindCount> kDrillTitles = {
    QT_TRANSLATE_NOOP("DrillTitle", "Home Row Only"),
    QT_TRANSLATE_NOOP("DrillTitle", "Top Row Only"),
    QT_TRANSLATE_NOOP("DrillTitle", "Bottom Row Only"),
    QT_TRANSLATE_NOOP("DrillTitle", "Home and Top Rows"),
    QT_TRANSLATE_NOOP("DrillTitle", "Home and Bottom Row"),
    QT_TRANSLATE_NOOP("DrillTitle", "All Three Rows"),
    QT_TRANSLATE_NOOP("DrillTitle", "All and Common Punctuation"),
    QT_TRANSLATE_NOOP("DrillTitle", "Numbers Only"),
    QT_TRANSLATE_NOOP("DrillTitle", "Symbols Only"),
    QT_TRANSLATE_NOOP("DrillTitle", "All Keys"),
    QT_TRANSLATE_NOOP("DrillTitle", "Choose Your Own Keys"),
};

// The title of the drill whose flag is set; when several are, the last in menu order wins.
inline QString drillTitle(const ActivityState& activity) {
    const char* title = kDrillTitles.front();
    for (std::size_t i = 0; i < activity.drillKindFlags.size(); ++i)
        if (activity.drillKindFlags[i] != 0)
            title = kDrillTitles[i];
    return QCoreApplication::translate("DrillTitle", title);
}

} // namespace kf
