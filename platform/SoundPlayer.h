// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace kf {

// Plays the program's sounds without waiting for them; a new sound cuts the one playing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Number of sound output devices the system offers.
    virtual int outputDeviceCount() const = 0;
    // Starts playing a WAV file; a missing file plays nothing.
    virtual void play(const QString& wavPath) = 0;
    // The system's default beep.
    virtual void beep() = 0;
    // Makes these sounds ready to start at once when played (read, decoded, an output opened);
    // playing works without it, only later.
    virtual void prepare(const QStringList& wavPaths) { Q_UNUSED(wavPaths); }
};

} // namespace kf
