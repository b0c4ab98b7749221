// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"

#include <string_view>

namespace kf {

// Capital letters typed with the left hand, the right hand holding Shift, and the other way
// round. The German keyboard swaps Y and Z.
inline constexpr std::string_view kLeftHandCapitals = "ASDFGQWERTXCVBZ";
inline constexpr std::string_view kRightHandCapitals = "HJKLUIOPNMY";
inline constexpr std::string_view kGermanLeftHandCapitals = "ASDFGQWERTXCVBY";
inline constexpr std::string_view kGermanRightHandCapitals = "HJKLUIOPNMZ";

enum class ShiftSide { None, Left, Right };

// The Shift key a capital letter A-Z needs on a keyboard; None for anything else (accented
// capitals included).
constexpr ShiftSide shiftForCapital(AnsiChar c, Nationality nationality) {
    const bool german = nationality == Nationality::German;
    const std::string_view left = german ? kGermanLeftHandCapitals : kLeftHandCapitals;
    const std::string_view right = german ? kGermanRightHandCapitals : kRightHandCapitals;
    if (left.find(static_cast<char>(c)) != std::string_view::npos)
        return ShiftSide::Right;
    if (right.find(static_cast<char>(c)) != std::string_view::npos)
        return ShiftSide::Left;
    return ShiftSide::None;
}

} // namespace kf
