// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files the windows read from the working folder besides the keyboard pictures and sounds.
// The pictures are 24-bit BMPs drawn on the paper colour of the title and side areas.

namespace kf {

inline constexpr char kLogoPicture[] = "logo.bmp";           // 499 x 233, the title area
inline constexpr char kHintPicture[] = "hint.bmp";           // 28 x 22, points at the links
inline constexpr char kAboutPicture[] = "about.bmp";         // 96 x 96, the About box
inline constexpr char kTitlePicture[] = "title.bmp";         // 800 x 317, the title background
inline constexpr char kLeftSidePicture[] = "sideleft.bmp";   // 106 x 283, left of the keyboard
inline constexpr char kRightSidePicture[] = "sideright.bmp"; // 107 x 283, right of the keyboard

// The drill window's buttons that hide and show its panels: 16 x 16 arrows on the light grey
// of a button face, which is also their bottom-left pixel.
inline constexpr char kUpGlyph[] = "up.bmp";
inline constexpr char kDownGlyph[] = "down.bmp";

// The help file that "Help" opens in either window, when the working folder has it.
inline constexpr char kHelpFile[] = "kftyping.hlp";

} // namespace kf
