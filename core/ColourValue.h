// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <cstdint>

namespace kf {

// Colours are stored in the student file as 0x00BBGGRR: the low byte is red.
constexpr QRgb rgbOfColourValue(std::int64_t stored) {
    const auto value = static_cast<std::uint32_t>(stored);
    return qRgb(int(value & 0xFFU), int((value >> 8) & 0xFFU), int((value >> 16) & 0xFFU));
}

constexpr std::int32_t colourValueOfRgb(QRgb rgb) {
    return static_cast<std::int32_t>(std::uint32_t(qRed(rgb)) | (std::uint32_t(qGreen(rgb)) << 8) |
                                     (std::uint32_t(qBlue(rgb)) << 16));
}

} // namespace kf
