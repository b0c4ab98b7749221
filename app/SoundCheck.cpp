// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SoundCheck.h"

#include "app/Globals.h"
#include "core/TranslationContext.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/SoundPlayer.h"

#include <QStringView>

namespace kf {

namespace {

// The main window tells it as it opens.
constexpr TranslationContext text{"MainWindow"};
constexpr const char* kSoundFilesMissing = QT_TRANSLATE_NOOP(
    "MainWindow", "One or more of the sound files cannot be found. You may need to "
                  "reinstall Keyfarer to restore the wave files.");

// Checked in this order.
constexpr QStringView kSoundFiles[] = {u"click_2.wav", u"done.wav", u"error.wav", u"start.wav",
                                       u"type2.wav"};

void countSoundDevices(Globals& globals, const SoundPlayer& sound) {
    globals.soundDeviceCount = sound.outputDeviceCount();
    globals.soundDevice = globals.soundDeviceCount > 0;
    globals.record.setFlag(layout::kSoundOn, true);
    globals.record.setFlag(layout::kBeepOnError, true);
}

void checkSoundFiles(const Globals& globals, Dialogs& dialogs) {
    if (!globals.soundDevice)
        return;
    for (QStringView name : kSoundFiles) {
        if (!globals.folder.exists(name.toString())) {
            dialogs.error(text(kSoundFilesMissing));
            return;
        }
    }
}

} // namespace

void checkSoundAtStart(Globals& globals, Services& services) {
    countSoundDevices(globals, services.sound);
    checkSoundFiles(globals, services.dialogs);
}

} // namespace kf
