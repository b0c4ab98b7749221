// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's modules and the C entry points each exports (see FeatureModule). Each entry
// hands over an object the caller owns; the module stays loaded for the rest of the run.

namespace kf {

class Printer;
class SoundPlayer;
class SpeechOutput;

inline constexpr const char* kSoundModule = "sound";
inline constexpr const char* kCreateSoundPlayer = "kf_create_sound_player";
using CreateSoundPlayer = SoundPlayer*();

inline constexpr const char* kPrinterModule = "printer";
inline constexpr const char* kCreatePrinter = "kf_create_printer";
using CreatePrinter = Printer*();

inline constexpr const char* kSpeechModule = "speech";
inline constexpr const char* kCreateSpeechOutput = "kf_create_speech_output";
using CreateSpeechOutput = SpeechOutput*();

// The charts module's entry point is in progress/OpenChartsWindow.h, beside the types it takes.

} // namespace kf
