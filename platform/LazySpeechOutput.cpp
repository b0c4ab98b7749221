// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LazySpeechOutput.h"

#include "platform/speech/SpeechModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace kf {

LazySpeechOutput::LazySpeechOutput() = default;
LazySpeechOutput::~LazySpeechOutput() = default;

QString LazySpeechOutput::modulePath() {
    const QString fromEnvironment = qEnvironmentVariable("KEYFARER_MODULES");
    const QDir dir(fromEnvironment.isEmpty()
                       ? QCoreApplication::applicationDirPath() + QStringLiteral("/../") +
                             QStringLiteral(KF_MODULE_SUBDIR)
                       : fromEnvironment);
    return dir.absoluteFilePath(QStringLiteral(KF_SPEECH_MODULE));
}

SpeechOutput* LazySpeechOutput::engine() {
    if (m_tried)
        return m_engine.get();
    m_tried = true;
    // The library stays loaded for the rest of the run: the engine's code lives in it.
    auto* library = new QLibrary(modulePath(), qApp);
    const auto create =
        reinterpret_cast<SpeechModuleFactory>(library->resolve(kSpeechModuleFactoryName));
    if (!create) {
        m_loadProblem =
            QCoreApplication::translate("SpeechOutput", "The speech module could not be loaded: %1")
                .arg(library->errorString());
        return nullptr;
    }
    m_engine.reset(create());
    if (!m_language.isEmpty())
        m_engine->setLanguage(m_language);
    return m_engine.get();
}

QString LazySpeechOutput::unavailableReason() {
    SpeechOutput* speech = engine();
    return speech ? speech->unavailableReason() : m_loadProblem;
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
    if (m_engine)
        m_engine->setLanguage(code);
}

} // namespace kf
