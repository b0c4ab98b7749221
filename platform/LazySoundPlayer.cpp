// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LazySoundPlayer.h"

#include "platform/ModuleEntries.h"
#include "platform/SoundServerProbe.h"

#include <QApplication>
#include <QTimer>

namespace kf {

LazySoundPlayer::LazySoundPlayer(QStringList moduleFolders)
    : m_module(QString::fromLatin1(kSoundModule), std::move(moduleFolders)) {}

LazySoundPlayer::~LazySoundPlayer() = default;

int LazySoundPlayer::outputDeviceCount() const {
    if (m_player)
        return m_player->outputDeviceCount();
    return soundServerReachable() ? 1 : 0;
}

void LazySoundPlayer::play(const QString& wavPath) {
    if (SoundPlayer* real = player())
        real->play(wavPath);
}

void LazySoundPlayer::beep() {
    QApplication::beep();
}

void LazySoundPlayer::prepare(const QStringList& wavPaths) {
    if (SoundPlayer* real = player())
        real->prepare(wavPaths);
}

void LazySoundPlayer::prepareWhenIdle(const QStringList& wavPaths) {
    if (!soundServerReachable() || m_prepare)
        return;
    // A moment after the event loop starts: the first window paints before the module loads.
    m_prepare = std::make_unique<QTimer>();
    m_prepare->setSingleShot(true);
    QObject::connect(m_prepare.get(), &QTimer::timeout, m_prepare.get(),
                     [this, wavPaths] { prepare(wavPaths); });
    m_prepare->start(kPrepareDelayMs);
}

SoundPlayer* LazySoundPlayer::player() {
    if (!m_player) {
        if (auto* create = m_module.resolve<CreateSoundPlayer>(kCreateSoundPlayer))
            m_player.reset(create());
    }
    return m_player.get();
}

} // namespace kf
