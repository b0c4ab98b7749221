// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/HandAnimation.h"

#include <QImage>
#include <QRect>
#include <cstdint>
#include <optional>

class QLabel;

namespace kf {

class Dialogs;
class PictureView;
struct KeyboardPicture;

// The drill window's keyboard picture (Image1) and its unmarked copy (Image2): the picture of the
// student's nationality, put back to the copy when the drill asks, and drawn over by the hands.
class DrillKeyboardPicture {
public:
    DrillKeyboardPicture(PictureView& shown, QLabel& cleanCopy);

    // Takes the picture as loadKeyboardPicture found it. What went wrong is told through the
    // dialogs; a picture that cannot be had leaves the one shown, or a blank one at first.
    void replace(KeyboardPicture loaded, Dialogs& dialogs);

    // The picture with its marks and hands, for drawing on it, and its unmarked copy.
    QImage& image() { return m_image; }
    const QImage& cleanImage() const { return m_clean; }
    void show();

    // Puts the unmarked copy back when the drill reset the picture since the last call.
    void followResets(std::uint64_t pictureResets);

    // One tick of the hands: the next frame drawn over the last but one and shown, repainting
    // only where the hands moved unless the frame draws the marks of a new target.
    HandTimerOrder showHandFrame(HandAnimationState& hands, HandScene scene);

private:
    PictureView& m_shown;
    QLabel& m_cleanCopy;
    QImage m_image;
    // The hand frame before the shown one: the next frame is drawn over it in place.
    QImage m_spare;
    QImage m_clean;
    HandSprites m_handSprites;
    // Where the hands are on the picture shown, while it is a hand frame.
    std::optional<QRect> m_handsShown;
    std::uint64_t m_pictureResets = 0;
};

} // namespace kf
