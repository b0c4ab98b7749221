// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in module for the module loader's tests, built as "sound.so" and as "printer.so": its
// players and printers answer in ways that show the call reached the module.

#include "platform/doubles/RecordingPrinter.h"
#include "platform/doubles/RecordingSoundPlayer.h"

extern "C" Q_DECL_EXPORT int kf_fixture_answer() {
    return 42;
}

extern "C" Q_DECL_EXPORT kf::SoundPlayer* kf_create_sound_player() {
    return new kf::RecordingSoundPlayer(3);
}

extern "C" Q_DECL_EXPORT kf::Printer* kf_create_printer() {
    auto* printer = new kf::RecordingPrinter;
    printer->outcome = {kf::Printer::Status::Failed, QStringLiteral("answered by the module")};
    return printer;
}
