// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundPlayer.h"

#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

namespace kf {

// Plays WAV files with Qt Multimedia. One effect at a time: a new sound stops the one playing.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    int outputDeviceCount() const override;
    void play(const QString& wavPath) override;
    void beep() override;
    void prepare(const QStringList& wavPaths) override;

private:
    QSoundEffect& effectFor(const QString& wavPath);

    // One effect per sound, kept with its decoded sound: replaying needs no reading or decoding.
    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_playing = nullptr;
};

} // namespace kf
