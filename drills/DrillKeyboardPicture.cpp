// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillKeyboardPicture.h"

#include "core/ColourScheme.h"
#include "drills/DrillLayout.h"
#include "keyboard/KeyboardPictureFile.h"
#include "platform/Dialogs.h"
#include "widgets/PictureView.h"

#include <QPixmap>
#include <utility>

namespace kf {

DrillKeyboardPicture::DrillKeyboardPicture(PictureView& shown, QLabel& cleanCopy)
    : m_shown(shown)
    , m_cleanCopy(cleanCopy) {}

void DrillKeyboardPicture::replace(KeyboardPicture loaded, Dialogs& dialogs) {
    switch (loaded.status) {
    case KeyboardPicture::Status::Loaded:
        break;
    case KeyboardPicture::Status::FellBack:
        dialogs.information(loaded.message);
        break;
    case KeyboardPicture::Status::Unchanged:
        return;
    case KeyboardPicture::Status::Missing:
    case KeyboardPicture::Status::FolderGone:
        dialogs.error(loaded.message);
        if (!m_clean.isNull())
            return;
        // Without any keyboard picture the drill still runs, over a blank one.
        loaded.image = QImage(kKeyboardPictureSize, QImage::Format_RGB32);
        loaded.image.fill(kPaperColour);
        break;
    }
    m_clean = loaded.image;
    m_image = loaded.image;
    m_cleanCopy.setPixmap(QPixmap::fromImage(m_clean));
    show();
}

void DrillKeyboardPicture::show() {
    // Only what changed since the last frame is repainted.
    m_handsShown.reset();
    m_shown.showPicture(m_image);
}

void DrillKeyboardPicture::followResets(std::uint64_t pictureResets) {
    if (pictureResets == m_pictureResets)
        return;
    m_pictureResets = pictureResets;
    m_image = m_clean;
    show();
}

HandTimerOrder DrillKeyboardPicture::showHandFrame(HandAnimationState& hands, HandScene scene) {
    scene.sprites = &m_handSprites;
    // Frame 1 draws the marks of a new target; frames 2 and 3 only move the hands.
    const bool marksDrawn = hands.handPhase <= 1 || !m_handsShown;
    std::swap(m_image, m_spare); // the shown frame stays as it is meanwhile
    const HandTimerOrder order = animateHands(hands, scene, m_image, m_clean);
    const QRect handsNow = handsArea(hands, scene);
    if (marksDrawn)
        show();
    else
        m_shown.showPicture(m_image, *m_handsShown | handsNow);
    m_handsShown = handsNow;
    return order;
}

} // namespace kf
