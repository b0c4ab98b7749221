// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's event sounds: which file each sound code plays, and whether the student hears it.

#include <QStringList>

namespace kf {

class SoundPlayer;
class StudentRecord;
class WorkingFolder;

// The sounds the program asks for.
enum SoundCode : int {
    kSoundClick = 0,
    kSoundStart = 4,
    kSoundDone = 5,
    kSoundKeyTap = 7,
    kSoundError = 8,
};

// The program's event sounds in the working folder, each once: what the player readies at start.
QStringList eventSoundFiles(const WorkingFolder& folder);

// What decides whether a sound is heard: the student's sound switches and whether the computer
// has a sound device; the sound files are in the working folder.
struct SoundSettings {
    const StudentRecord& record;
    const WorkingFolder& folder;
    bool device = false;
};

// Plays a sound code as the student's sound settings and the sound device allow.
void playSound(const SoundSettings& settings, SoundPlayer& player, int code);

} // namespace kf
