// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundPlayer.h"

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

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace kf
