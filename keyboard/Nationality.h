// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kf {

// The keyboard the student types on; the value is the byte stored in the student file.
enum class Nationality : std::uint8_t {
    EnglishUS = 0,
    EnglishUK = 1,
    Spanish = 2,
    German = 3,
    Italian = 4,
    French = 5,
};

inline constexpr int kNationalityCount = 6;

// A key code names one character to type, the same in every nationality (1..166).
using KeyCode = std::uint16_t;

// One Windows-1252 character byte.
using AnsiChar = std::uint8_t;

} // namespace kf
