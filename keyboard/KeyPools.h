// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ActivityState.h"
#include "keyboard/Nationality.h"

#include <cstdint>
#include <span>

namespace kf {

// Pool weights are counted in sixths of the common chance, so that every weight a pool uses
// (twice, half, a third, two thirds, three halves) is a whole number.
inline constexpr std::uint8_t kCommonWeight = 6;

// One key a drill may ask for, with its chance relative to the other keys of the pool.
struct PoolEntry {
    KeyCode code = 0;
    std::uint8_t sixths = kCommonWeight;
};

// The keys a drill kind draws from, and their weights added up (the draw's range).
struct KeyPool {
    std::span<const PoolEntry> entries;
    int totalSixths = 0;
};

// The pool of a drill kind on a nationality's keyboard with the letter-case setting. Numbers
// Only, Symbols Only and Do Everything give the same pool for both settings. Empty for Choose
// Your Own Keys, whose targets come from the student's own list, and for an unknown keyboard.
KeyPool keyPool(DrillKind kind, Nationality nationality, bool lowerCaseOnly);

} // namespace kf
