// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

namespace kf {

// The translation context of every text the drill window shows, whether the window or the drill
// composes it.
inline constexpr char kDrillWindowContext[] = "DrillWindow";

// The fixed texts the drill puts into the drill window.
enum class DrillText : std::uint8_t {
    PressSpaceToBegin,
    PressSpaceToContinue,
    Pause,
    TypeThe,
    Character,
    LastCorrect,
    YouMissed,
    ByTyping,
    PressEnter,
    Done,
};

// A fixed text in the interface language.
QString drillText(DrillText text);
// The pause box's explanation of a miss, naming the missed target by its caption.
QString missExplanation(const QString& targetCaption);

} // namespace kf
