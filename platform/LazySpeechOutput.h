// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FeatureModule.h"
#include "platform/SpeechOutput.h"

#include <memory>

namespace kf {

// Speech through speech-dispatcher, brought in from the "speech" module the first time anything
// asks for speech: the program starts without loading the speech libraries, and most students
// never need them.
// Without the module or a speech engine it reports why and says nothing.
class LazySpeechOutput final : public SpeechOutput {
public:
    explicit LazySpeechOutput(QStringList moduleFolders = FeatureModule::modulesFolders());
    ~LazySpeechOutput() override;

    QString unavailableReason() override;
    void say(const QString& text) override;
    void stop() override;
    // Kept until the engine is loaded; choosing a language loads nothing.
    void setLanguage(const QString& code) override;

    bool moduleLoaded() const { return m_module.isLoaded(); }

private:
    SpeechOutput* engine();

    FeatureModule m_module;
    bool m_tried = false;
    QString m_language;
    std::unique_ptr<SpeechOutput> m_engine;
};

} // namespace kf
