// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"

#include <cstdint>
#include <optional>
#include <span>

namespace kf {

// A key rectangle on the 587 x 283 keyboard picture; right and bottom lie just outside it.
struct KeyRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend constexpr bool operator==(const KeyRect&, const KeyRect&) = default;
};

// Upper-left origin of a key's label text.
struct LabelPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const LabelPoint&, const LabelPoint&) = default;
};

// Keys that must be held, or pressed first, to type a character. Combined as bits.
enum KeyModifier : std::uint8_t {
    kNoModifier = 0,
    kLeftShift = 1,
    kRightShift = 2,
    kAltGr = 4,
    kDeadAcute = 8,
    kDeadGrave = 16,
};

enum class Hand : std::uint8_t { Left, Right };

// Where a key code lies on one nationality's keyboard and how it is typed.
// The label drawn on the highlighted key is the character itself.
struct KeyEntry {
    AnsiChar character = 0;
    KeyRect rect;
    LabelPoint labelPoint;
    std::uint8_t modifiers = kNoModifier;
    Hand hand = Hand::Left;
};

// The entry of a key code on a nationality's keyboard, or nothing when that keyboard has no
// such key (or the code names no character).
std::optional<KeyEntry> keyEntry(KeyCode code, Nationality nationality);

// The character a key code names (the same on every keyboard), or 0 for an unused code.
AnsiChar characterOfKeyCode(KeyCode code);

// The key code of a character (both letter cases have their own codes), or nothing.
std::optional<KeyCode> keyCodeOfCharacter(AnsiChar character);

// Statistics index 1..108 under which per-key results of a character are kept (both cases of a
// letter share one), or 0 for a character that is not counted (space included).
int statisticsIndex(AnsiChar character);

// The hand that types a character on a nationality's keyboard, or nothing when the keyboard
// has no key for it.
std::optional<Hand> typingHand(AnsiChar character, Nationality nationality);

// One label of a labelled keyboard picture: the character and the origin of its text.
struct PictureLabel {
    AnsiChar character = 0;
    int x = 0;
    int y = 0;
};

// Every label the picture builder draws on a nationality's labelled picture, in drawing order.
std::span<const PictureLabel> pictureLabels(Nationality nationality);

} // namespace kf
