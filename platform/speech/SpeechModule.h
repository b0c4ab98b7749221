// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpeechOutput.h"

// The one symbol the speech module exports: it makes the engine that speaks through Qt
// TextToSpeech. The caller owns it.
extern "C" {
using SpeechModuleFactory = kf::SpeechOutput* (*)();
}

namespace kf {
inline constexpr const char* kSpeechModuleFactoryName = "kf_create_speech_output";
}
