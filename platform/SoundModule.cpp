// SPDX-License-Identifier: GPL-3.0-or-later
// The "sound" module: the Qt Multimedia player, loaded by the program's first sound.

#include "platform/ModuleEntries.h"
#include "platform/QtSoundPlayer.h"

extern "C" Q_DECL_EXPORT kf::SoundPlayer* kf_create_sound_player() {
    return new kf::QtSoundPlayer;
}
