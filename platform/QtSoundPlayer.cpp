// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSoundPlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace kf {

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

int QtSoundPlayer::outputDeviceCount() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

void QtSoundPlayer::play(const QString& wavPath) {
    if (!QFileInfo::exists(wavPath))
        return;
    // A fresh effect per sound: stopping and re-sourcing one effect can keep the old sound
    // queued, and the effect of the sound being cut is released with it.
    if (m_effect)
        m_effect->stop();
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(wavPath));
    m_effect->play();
}

void QtSoundPlayer::beep() {
    QApplication::beep();
}

} // namespace kf
