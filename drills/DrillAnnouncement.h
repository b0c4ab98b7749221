// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/CurrentKey.h"

#include <QString>

namespace kf {

class DrillEngine;

// What the drill says to someone who cannot see it: a screen reader is told each new target, miss,
// wait for Enter and set end as it happens, the focused drill area describes it for whoever asks
// again, and spoken guidance reads the target aloud.
struct DrillAnnouncement {
    enum class Phase : std::uint8_t { Waiting, Target, Paused, PressEnter, SetDone };

    Phase phase = Phase::Waiting;
    QString name;        // the headline: the key to type, the pause, the set's end
    QString description; // the finger sentence, the key to type after a miss, the set's figures
    // Set while a target is up: what spoken guidance says for it.
    QString speech;

    friend bool operator==(const DrillAnnouncement&, const DrillAnnouncement&) = default;
};

// The keys to press first or hold for a target, as sentences ("Hold the right Shift.").
QString modifierSentences(const CurrentKey& key);

// The target key, its modifiers and nothing else, as the keyboard picture shows them.
QString keyboardPictureDescription(const DrillEngine& engine, const CurrentKey& key);

DrillAnnouncement announceDrill(const DrillEngine& engine, const CurrentKey& key);

} // namespace kf
