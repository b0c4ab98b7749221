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

// The current-key values of a key code's entry on a keyboard: the key, its label (the
// character itself), the keys to hold or press first and the hand that types it.
inline CurrentKey currentKeyOf(KeyCode code, const KeyEntry& entry) {
    CurrentKey key;
    key.code = code;
    key.character = entry.character;
    key.label = entry.character;
    key.rect = entry.rect;
    key.labelPoint = entry.labelPoint;
    key.leftShift = (entry.modifiers & kLeftShift) != 0;
    key.rightShift = (entry.modifiers & kRightShift) != 0;
    key.altGr = (entry.modifiers & kAltGr) != 0;
    key.deadAcute = (entry.modifiers & kDeadAcute) != 0;
    key.deadGrave = (entry.modifiers & kDeadGrave) != 0;
    key.leftHand = entry.hand == Hand::Left;
    key.rightHand = entry.hand == Hand::Right;
    return key;
}

} // namespace kf
