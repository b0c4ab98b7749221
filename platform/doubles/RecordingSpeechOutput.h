// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpeechOutput.h"

#include <QStringList>

namespace kf {

// Remembers what was said and stopped; an empty reason means an engine is there.
class RecordingSpeechOutput final : public SpeechOutput {
public:
    QString unavailableReason() override {
        ++questions;
        return reason;
    }
    void say(const QString& text) override {
        if (!speaking.isEmpty())
            interrupted.append(speaking);
        speaking = text;
        said.append(text);
    }
    void stop() override {
        if (!speaking.isEmpty())
            interrupted.append(speaking);
        speaking.clear();
    }
    void setLanguage(const QString& code) override { language = code; }
    // The engine came to the end of the text.
    void finish() { speaking.clear(); }

    QString reason;
    QStringList said;
    QStringList interrupted; // texts cut off before their end
    QString speaking;
    int questions = 0;
    QString language; // the last language asked for
};

} // namespace kf
