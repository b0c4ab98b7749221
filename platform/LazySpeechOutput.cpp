// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LazySpeechOutput.h"

#include "core/Logging.h"
#include "platform/ModuleEntries.h"

#include <QCoreApplication>

namespace kf {

LazySpeechOutput::LazySpeechOutput(QStringList moduleFolders)
    : m_module(QString::fromLatin1(kSpeechModule), std::move(moduleFolders)) {}

LazySpeechOutput::~LazySpeechOutput() = default;

SpeechOutput* LazySpeechOutput::engine() {
    if (!m_tried) {
        m_tried = true;
        if (auto* create = m_module.resolve<CreateSpeechOutput>(kCreateSpeechOutput))
            m_engine.reset(create());
        // A language chosen before the engine was loaded.
        if (m_engine && !m_language.isEmpty())
            m_engine->setLanguage(m_language);
        if (!m_engine)
            qCInfo(logSpeech).noquote() << "no speech engine:" << m_module.errorString();
        else if (const QString reason = m_engine->unavailableReason(); !reason.isEmpty())
            qCInfo(logSpeech).noquote() << "speech cannot speak:" << reason;
        else
            qCInfo(logSpeech) << "speech ready";
    }
    return m_engine.get();
}

QString LazySpeechOutput::unavailableReason() {
    if (SpeechOutput* speech = engine())
        return speech->unavailableReason();
    return QCoreApplication::translate("SpeechOutput", "The speech module could not be loaded: %1")
        .arg(m_module.errorString());
}

void LazySpeechOutput::say(const QString& text) {
    if (SpeechOutput* speech = engine())
        speech->say(text);
}

void LazySpeechOutput::stop() {
    if (m_engine)
        m_engine->stop();
}

void LazySpeechOutput::setLanguage(const QString& code) {
    m_language = code;
    qCInfo(logSpeech) << "speech language" << code;
    if (m_engine)
        m_engine->setLanguage(code);
}

} // namespace kf
