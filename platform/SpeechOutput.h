// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kf {

// Reads guidance aloud. A new text cuts the one being spoken, so speech never lags behind
// the drill.
class SpeechOutput {
public:
    virtual ~SpeechOutput() = default;
    // Empty when a speech engine can speak; otherwise a sentence for the student saying why not.
    virtual QString unavailableReason() = 0;
    // Stops what is being said and starts saying the text.
    virtual void say(const QString& text) = 0;
    // Stops what is being said.
    virtual void stop() = 0;
    // The language of the texts to come ("de"), so that they are read with a voice of that
    // language where the engine has one.
    virtual void setLanguage(const QString& code) = 0;
};

// Says nothing: for programs and tests that give no speech service.
class NoSpeechOutput final : public SpeechOutput {
public:
    QString unavailableReason() override;
    void say(const QString&) override {}
    void stop() override {}
    void setLanguage(const QString&) override {}
};

NoSpeechOutput& noSpeechOutput();

} // namespace kf
