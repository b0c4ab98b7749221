// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/DrillAnnouncement.h"

class QWidget;

namespace kf {

class DrillEngine;
class SpeechOutput;
struct CurrentKey;

// Tells assistive technology what the drill window shows: the focused drill area says what a
// sighted student reads on the screen, and the keyboard picture what is marked on it. With
// spoken guidance on, each new target is also read aloud.
class DrillAnnouncer {
public:
    DrillAnnouncer(QWidget& drillArea, QWidget& keyboardPicture, SpeechOutput& speech);

    // Renews the accessible names and descriptions when what the drill says changed; a new
    // target is spoken when speakKeys.
    void announce(const DrillEngine& engine, const CurrentKey& key, bool speakKeys);

private:
    QWidget& m_drillArea;
    QWidget& m_keyboardPicture;
    SpeechOutput& m_speech;
    DrillAnnouncement m_announced;
};

} // namespace kf
