// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace kf {

// The small pictures of the drill window that are not read from files: the hit and miss marks
// and the glyphs of the tool buttons that show no text.
enum class DrillGlyph {
    HitMark,     // Image5
    MissMark,    // Image6, Image7
    HandDelay,   // SpeedButton5
    Sound,       // SpeedButton9
    Colours,     // SpeedButton11
    Charts,      // SpeedButton12
    ShowKeys,    // SpeedButton13
    HideKeys,    // SpeedButton14
    ExitLessons, // SpeedButton17
};

inline constexpr int kMarkSize = 28;
inline constexpr int kToolGlyphSize = 24;

QImage drawDrillGlyph(DrillGlyph glyph);

} // namespace kf
