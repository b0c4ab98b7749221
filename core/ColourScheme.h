// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colour scheme that the windows' frames and backgrounds are painted in.

#include <QImage>
#include <QRect>
#include <QRgb>
#include <cstdint>
#include <vector>

namespace kf {

// Colours of the title and side areas of every window.
inline constexpr QRgb kPaperColour = 0xFFFEFEF6; // red 254, green 254, blue 246

struct SchemeColours {
    QRgb frame;      // frames and backgrounds
    QRgb drillTitle; // the drill window's title
};
// The colours of scheme 0..4 ("Green", "Blue", "Red", "Purple", "Brown"); scheme 0 for others.
SchemeColours schemeColours(std::uint8_t scheme);

// One solid area of a frame or a background; later areas are painted over earlier ones.
struct ColourBand {
    QRect area;
    QRgb colour;
};
// The areas of a paper-coloured picture of this size with a frame in the scheme colour.
std::vector<ColourBand> frameBands(QSize size, QRgb schemeColour);
// The areas of a scheme-coloured picture of this size with a paper-coloured frame inside.
std::vector<ColourBand> backgroundBands(QSize size, QRgb schemeColour);

// Paper-coloured picture with a frame in the scheme colour.
void paintFrame(QImage& picture, QRgb schemeColour);
// Scheme-coloured picture with a paper-coloured frame inside.
void paintBackground(QImage& picture, QRgb schemeColour);

} // namespace kf
