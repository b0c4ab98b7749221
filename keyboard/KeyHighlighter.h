// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The marks on the drill window's keyboard picture: the key to press in green, a dead accent key
// to press first in blue, and the keys to hold (Shift, Alt Gr) or the Enter key in yellow with a
// red outline. They are drawn from the current-key values alone, so the same values always give
// the same pixels.

#include "keyboard/CurrentKey.h"
#include "keyboard/Nationality.h"

#include <QFont>

class QImage;
class QPainter;

namespace kf {

// What the marks depend on besides the current key.
struct HighlightContext {
    bool awaitingEnter = false; // the drill waits for the closing Enter of a set
    Nationality nationality = Nationality::EnglishUS;
    bool largeFont = false; // the screen runs at 108 dots per inch or more
};

// Draws, in this order: the acute and grave dead keys and Alt Gr when their flags ask for them
// (never while Enter is awaited), the target key (unless the target is Enter, character 13), the
// Enter key while Enter is awaited, then the right and the left Shift key when their flags are set.
void drawHighlights(QPainter& painter, const CurrentKey& key, const HighlightContext& context);
void drawHighlights(QImage& picture, const CurrentKey& key, const HighlightContext& context);

// The font of the labels on the green and blue keys: one step smaller on a large-font screen.
QFont highlightLabelFont(bool largeFont);
// The font of "Shift", "Alt Gr" and "Enter" on the yellow keys.
QFont modifierNameFont();

} // namespace kf
