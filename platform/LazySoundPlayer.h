// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FeatureModule.h"
#include "platform/SoundPlayer.h"

#include <memory>

class QTimer;

namespace kf {

// The program's sound player: the real player (Qt Multimedia and the sound server's client
// libraries) lives in the "sound" module and is loaded by the first sound played. Until then
// the output devices are counted by asking whether a sound server answers. Without the module
// nothing plays; the default beep needs no module.
class LazySoundPlayer final : public SoundPlayer {
public:
    explicit LazySoundPlayer(QStringList moduleFolders = FeatureModule::modulesFolders());
    ~LazySoundPlayer() override;

    int outputDeviceCount() const override;
    void play(const QString& wavPath) override;
    void beep() override;
    void prepare(const QStringList& wavPaths) override;

    bool moduleLoaded() const { return m_module.isLoaded(); }

    // When a sound server answers, loads the module a moment after the event loop starts (the
    // first window shown and painted) and readies these sounds, so that the first click is heard
    // at once.
    void prepareWhenIdle(const QStringList& wavPaths = {});

private:
    SoundPlayer* player();

    static constexpr int kPrepareDelayMs = 200;

    FeatureModule m_module;
    std::unique_ptr<SoundPlayer> m_player;
    std::unique_ptr<QTimer> m_prepare;
};

} // namespace kf
