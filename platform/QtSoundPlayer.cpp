// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSoundPlayer.h"

#include "core/FolderFile.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace kf {

namespace {

// A sound of the working folder that can be played: an ordinary file of a sound's size. The
// effect reads it on a thread of its own, which a pipe would hold and /dev/zero fill for ever.
bool isSound(const QString& path) {
    constexpr qint64 kMostSoundBytes = qint64(16) * 1024 * 1024;
    return folderFile::isOrdinary(path, kMostSoundBytes);
}

} // namespace

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

int QtSoundPlayer::outputDeviceCount() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

// Each sound keeps its own effect, never re-sourced: stopping and re-sourcing one effect can keep
// the old sound queued.
QSoundEffect& QtSoundPlayer::effectFor(const QString& wavPath) {
    std::unique_ptr<QSoundEffect>& effect = m_effects[wavPath];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(wavPath));
    }
    return *effect;
}

void QtSoundPlayer::prepare(const QStringList& wavPaths) {
    for (const QString& path : wavPaths)
        if (isSound(path))
            effectFor(path);
}

void QtSoundPlayer::play(const QString& wavPath) {
    if (!isSound(wavPath))
        return;
    QSoundEffect& effect = effectFor(wavPath);
    // A new sound cuts the one playing, the same sound included.
    if (m_playing)
        m_playing->stop();
    m_playing = &effect;
    effect.play();
}

void QtSoundPlayer::beep() {
    QApplication::beep();
}

} // namespace kf
