// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace kf {

// The keyboard pictures and the marks on them were laid out for a bold sans serif of 11 points
// (10 on large-font screens) on a 96 dpi screen. No font of that family ships here, so DejaVu
// Sans stands in, sized in pixels: a keyboard picture has fixed pixels whatever the screen. The
// labels are one pixel under 11 points, because DejaVu is wider and the accented capitals stand
// only 11 pixels from their plain letters.
inline constexpr int kKeyLabelPixels = 13;
inline constexpr int kLargeFontKeyLabelPixels = 12;

// The bold face every text on a keyboard picture is drawn in.
inline QFont keyboardFont(int pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    // Desktop settings (sub-pixel colours, font substitution) must not change the pictures.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoSubpixelAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace kf
