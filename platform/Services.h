// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpeechOutput.h"

namespace kf {

class Clock;
class Dialogs;
class Printer;
class Shell;
class SoundPlayer;

// The platform services a window may use, handed down from main() (or a test).
struct Services {
    SoundPlayer& sound;
    Shell& shell;
    Printer& printer;
    Dialogs& dialogs;
    Clock& clock;
    // Spoken guidance; silent unless a speech service is given.
    SpeechOutput& speech = noSpeechOutput();
};

} // namespace kf
