// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/ChartsWindowState.h"
#include "progress/KeyCharts.h"

#include <cstdint>
#include <optional>

namespace kf {

// The moments of the statistics window after which the shift-key error figures (on the per-key
// page) may show, hide or be read again.
enum class ShiftErrorsMoment : std::uint8_t {
    KeyAccuracyDrawn,     // the per-key accuracy chart was drawn
    ChartsRedrawn,        // every chart was drawn again (a period, the characters, shown, ...)
    PageChanged,          // the other page came to the front
    KeySectionChosen,     // a section of the per-key charts was chosen
    SwitchUserOpened,     // the switch-user panel opened
    ViewedFromSwitchUser, // another student is viewed, chosen on the switch-user panel
    ViewedFromReport,     // another student is viewed, chosen in the report's list
};

// What the window does with the figures at such a moment.
struct ShiftErrorsDisplay {
    std::optional<bool> visible; // empty: they stay as they are
    bool refill = false;         // read again from the record

    bool operator==(const ShiftErrorsDisplay&) const = default;
};

// The figures belong to the lessons, but some moments show them for other sections too, and
// only some read them again: the display follows the window's moments, not the section alone.
ShiftErrorsDisplay shiftErrorsDisplay(ShiftErrorsMoment moment, Section keySection, ChartsPage page,
                                      KeyPeriod keyPeriod);

} // namespace kf
