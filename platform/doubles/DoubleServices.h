// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ManualClock.h"
#include "platform/Services.h"
#include "platform/doubles/RecordingPrinter.h"
#include "platform/doubles/RecordingShell.h"
#include "platform/doubles/RecordingSoundPlayer.h"
#include "platform/doubles/RecordingSpeechOutput.h"
#include "platform/doubles/ScriptedDialogs.h"

namespace kf {

// Every platform service as its test double, and the Services bundle a window takes.
struct DoubleServices {
    explicit DoubleServices(int soundDevices = 1)
        : sound(soundDevices) {}

    RecordingSoundPlayer sound;
    RecordingShell shell;
    RecordingPrinter printer;
    ScriptedDialogs dialogs;
    ManualClock clock;
    RecordingSpeechOutput speech;
    Services services{sound, shell, printer, dialogs, clock, speech};
};

} // namespace kf
