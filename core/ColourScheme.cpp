// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ColourScheme.h"

#include "core/ColourValue.h"

#include <QMargins>
#include <algorithm>
#include <array>

namespace kf {

namespace {

struct SchemeBgr {
    std::uint32_t frame;
    std::uint32_t drillTitle;
};
// "Green", "Blue", "Red", "Purple", "Brown".
constexpr std::array<SchemeBgr, 5> kSchemes = {{
    {0x009E985C, 0x00746F43},
    {0x00B48267, 0x0097503C},
    {0x007B52C9, 0x007B52C9},
    {0x00AB7BAC, 0x00824189},
    {0x0071719D, 0x00404080},
}};

// A rectangle from (left, top) to (right, bottom), right and bottom just outside it, filled with
// one colour and outlined by a pen of the given width, as the solid areas it is made of within
// bounds. The pen lies inside the rectangle, so where a wide line falls is decided here and not
// by a painting engine's pixel rules.
void addRectangle(std::vector<ColourBand>& bands, const QRect& bounds, int left, int top, int right,
                  int bottom, QRgb pen, int penWidth, QRgb fill) {
    const QRect area = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & bounds;
    if (area.isEmpty())
        return;
    // The pen's rows above and below, and its columns between them; the fill runs inside.
    const int penTopEnd = std::min(top + penWidth, area.bottom() + 1);
    const int penBottomStart = std::max(bottom - penWidth, area.top());
    const int penLeftEnd = std::clamp(left + penWidth, area.left(), area.right() + 1);
    const int penRightStart = std::clamp(right - penWidth, penLeftEnd, area.right() + 1);
    const int middleTop = std::max(penTopEnd, area.top());
    const int middleBottom = std::min(penBottomStart, area.bottom() + 1) - 1;
    const auto add = [&](int x1, int y1, int x2, int y2, QRgb colour) {
        if (const QRect band(QPoint(x1, y1), QPoint(x2, y2)); !band.isEmpty())
            bands.push_back({band, colour});
    };
    add(area.left(), area.top(), area.right(), penTopEnd - 1, pen);
    add(area.left(), penBottomStart, area.right(), area.bottom(), pen);
    add(area.left(), middleTop, penLeftEnd - 1, middleBottom, pen);
    add(penLeftEnd, middleTop, penRightStart - 1, middleBottom, fill);
    add(penRightStart, middleTop, area.right(), middleBottom, pen);
}

// A picture of one colour with a two-pixel frame of another inside it, inset from its edges.
std::vector<ColourBand> insetFrameBands(QSize size, QRgb ground, QRgb pen, const QMargins& inset) {
    const QRect bounds(QPoint(), size);
    const int w = size.width();
    const int h = size.height();
    std::vector<ColourBand> bands;
    addRectangle(bands, bounds, 0, 0, w, h, ground, 1, ground);
    addRectangle(bands, bounds, inset.left(), inset.top(), w - inset.right(), h - inset.bottom(),
                 pen, 2, ground);
    return bands;
}

// Fills the areas into the picture, row by row as runs rather than pixel by pixel.
void fillBands(QImage& picture, const std::vector<ColourBand>& bands) {
    // As QImage::setPixel stores them: a picture without alpha keeps its pixels opaque.
    const QRgb opaque = picture.hasAlphaChannel() ? 0 : 0xff000000u;
    for (const ColourBand& band : bands) {
        const QRect area = band.area & picture.rect();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            std::fill(row + area.left(), row + area.right() + 1, band.colour | opaque);
        }
    }
}

// The picture's own format may have no room for colours (a mono or indexed bitmap); paint into
// a 32-bit copy then.
void makePaintable(QImage& picture) {
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

SchemeColours schemeColours(std::uint8_t scheme) {
    const SchemeBgr& s = scheme < kSchemes.size() ? kSchemes[scheme] : kSchemes[0];
    return {rgbOfColourValue(s.frame), rgbOfColourValue(s.drillTitle)};
}

std::vector<ColourBand> frameBands(QSize size, QRgb schemeColour) {
    return insetFrameBands(size, kPaperColour, schemeColour, QMargins(3, 3, 2, 1));
}

std::vector<ColourBand> backgroundBands(QSize size, QRgb schemeColour) {
    return insetFrameBands(size, schemeColour, kPaperColour, QMargins(4, 4, 3, 3));
}

void paintFrame(QImage& picture, QRgb schemeColour) {
    if (picture.isNull())
        return;
    makePaintable(picture);
    fillBands(picture, frameBands(picture.size(), schemeColour));
}

void paintBackground(QImage& picture, QRgb schemeColour) {
    if (picture.isNull())
        return;
    makePaintable(picture);
    fillBands(picture, backgroundBands(picture.size(), schemeColour));
}

} // namespace kf
