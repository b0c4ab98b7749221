// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"

#include <array>
#include <cstddef>

namespace kf {

// Lets data tables spell national characters as they look (u8"é") while holding the Windows-1252
// byte. Only code points that are the same byte in Windows-1252 and Latin-1 are accepted (below
// 0x80, or 0xA0..0xFF); anything else stops the build.
namespace ansi_literal {

struct Decoded {
    AnsiChar byte;
    std::size_t length;
};

constexpr Decoded decodeOne(const char8_t* text) {
    const auto lead = static_cast<unsigned>(text[0]);
    if (lead < 0x80) {
        return {static_cast<AnsiChar>(lead), 1};
    }
    if ((lead & 0xE0U) != 0xC0U) {
        throw "only characters up to U+00FF are Windows-1252 bytes";
    }
    const auto trail = static_cast<unsigned>(text[1]);
    if ((trail & 0xC0U) != 0x80U) {
        throw "broken UTF-8";
    }
    const unsigned codePoint = ((lead & 0x1FU) << 6U) | (trail & 0x3FU);
    if (codePoint < 0xA0) {
        throw "U+0080..U+009F are not the same byte in Windows-1252";
    }
    return {static_cast<AnsiChar>(codePoint), 2};
}

} // namespace ansi_literal

// The Windows-1252 byte of a one-character UTF-8 literal.
template <std::size_t N>
consteval AnsiChar ansi(const char8_t (&text)[N]) {
    const ansi_literal::Decoded decoded = ansi_literal::decodeOne(text);
    if (decoded.length != N - 1) {
        throw "exactly one character expected";
    }
    return decoded.byte;
}

// The Windows-1252 bytes of a UTF-8 literal of exactly Count characters.
template <std::size_t Count, std::size_t N>
consteval std::array<AnsiChar, Count> ansiBytes(const char8_t (&text)[N]) {
    std::array<AnsiChar, Count> bytes{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < Count; ++i) {
        if (at >= N - 1) {
            throw "fewer characters than expected";
        }
        const ansi_literal::Decoded decoded = ansi_literal::decodeOne(text + at);
        bytes[i] = decoded.byte;
        at += decoded.length;
    }
    if (at != N - 1) {
        throw "more characters than expected";
    }
    return bytes;
}

} // namespace kf
