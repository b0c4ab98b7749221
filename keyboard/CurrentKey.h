// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/KeyTable.h"

namespace kf {

// The target the drill shows now: filled by the next-key chooser from the key table, read by the
// drill engine, the key highlighting and the hands.
struct CurrentKey {
    KeyCode code = 0;
    AnsiChar character = 0; // 13 while the drill waits for the closing Enter
    KeyRect rect;           // the highlighted key
    LabelPoint labelPoint;
    AnsiChar label = 0;
    bool leftShift = false;
    bool rightShift = false;
    bool altGr = false;
    bool deadAcute = false;
    bool deadGrave = false;
    bool leftHand = false;
    bool rightHand = false;
};

} // namespace kf
