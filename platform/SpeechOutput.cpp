// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpeechOutput.h"

#include <QCoreApplication>

namespace kf {

QString NoSpeechOutput::unavailableReason() {
    return QCoreApplication::translate("SpeechOutput", "No speech engine is installed.");
}

NoSpeechOutput& noSpeechOutput() {
    static NoSpeechOutput none;
    return none;
}

} // namespace kf
