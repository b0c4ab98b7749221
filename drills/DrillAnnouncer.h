// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/DrillAnnouncement.h"
#include "widgets/SpokenNotice.h"

class QWidget;

namespace kf {

class DrillEngine;
class SpeechOutput;
struct CurrentKey;

// Tells assistive technology what the drill window shows. Each new target, miss, wait for Enter
// and set end is said once through a notice a screen reader speaks at once; the focused drill
// area keeps its name and describes what is up now, and the keyboard picture what is marked on
// it. With spoken guidance on, each new target is also read aloud.
class DrillAnnouncer {
public:
    DrillAnnouncer(QWidget& drillArea, QWidget& keyboardPicture, SpeechOutput& speech);

    // Says what changed since the last call, if anything did; a new target is spoken when
    // speakKeys.
    void announce(const DrillEngine& engine, const CurrentKey& key, bool speakKeys);

private:
    QWidget& m_drillArea;
    QWidget& m_keyboardPicture;
    SpokenNotice m_notice;
    SpeechOutput& m_speech;
    DrillAnnouncement m_announced;
};

} // namespace kf
