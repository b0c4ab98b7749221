// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>

namespace kf {

// Remembers what was played; "beep" stands for the default beep.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    explicit RecordingSoundPlayer(int devices = 1)
        : m_devices(devices) {}
    int outputDeviceCount() const override { return m_devices; }
    void play(const QString& wavPath) override { played.append(wavPath); }
    void beep() override { played.append(QStringLiteral("beep")); }

    QStringList played;

private:
    int m_devices;
};

} // namespace kf
