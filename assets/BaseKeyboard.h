// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace kf::assets {

enum class BaseKeyboard {
    EnglishUS,     // "keybord10.bmp": wide left Shift, one-row Enter, every modifier named
    International, // "intkeybord10.bmp": extra key beside a short left Shift, tall Enter, and
                   // no Caps Lock or Control names (the builder writes them per nationality)
};

inline constexpr int kKeyboardWidth = 587;
inline constexpr int kKeyboardHeight = 283;

// The blank keyboard picture: a key cap on every key rectangle the key table and the key
// highlighting use, and the modifier keys.
QImage drawBaseKeyboard(BaseKeyboard kind);

} // namespace kf::assets
