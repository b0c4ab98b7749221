// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EventSounds.h"

#include "core/WorkingFolder.h"
#include "platform/SoundPlayer.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <QStringView>
#include <array>

namespace kf {

namespace {

// The file each sound code plays; empty for the codes that play nothing here (1 and 3 belong
// to the letter game, which this program does not have).
constexpr std::array<QStringView, 9> kSoundFiles = {
    u"click_2.wav", u"",          u"streak2.wav", u"",          u"start.wav",
    u"done.wav",    u"start.wav", u"type2.wav",   u"error.wav",
};

} // namespace

QStringList eventSoundFiles(const WorkingFolder& folder) {
    QStringList files;
    for (const QStringView name : kSoundFiles) {
        const QString path = folder.filePath(name.toString());
        if (!name.isEmpty() && !files.contains(path) && folder.exists(name.toString()))
            files << path;
    }
    return files;
}

void playSound(const SoundSettings& settings, SoundPlayer& player, int code) {
    const StudentRecord& r = settings.record;
    const bool soundOn = r.flag(layout::kSoundOn);
    const bool beepOnError = r.flag(layout::kBeepOnError);
    const bool keyTap = r.flag(layout::kKeyTap);
    if (code < 0 || code >= int(kSoundFiles.size()))
        return;

    if (!settings.device) {
        // Without a device only a miss is heard, as the system's beep. The beep-on-error switch
        // is honoured here too: a student who turned it off is not beeped at.
        if (code == kSoundError && soundOn && beepOnError)
            player.beep();
        return;
    }
    // The error sound follows beep-on-error alone, even with sound off; every other sound needs
    // sound on, and the key tap its own switch as well.
    const bool wanted = code == kSoundError    ? beepOnError
                        : code == kSoundKeyTap ? soundOn && keyTap
                                               : soundOn;
    const QStringView file = kSoundFiles[std::size_t(code)];
    if (wanted && !file.isEmpty())
        player.play(settings.folder.filePath(file.toString()));
}

} // namespace kf
