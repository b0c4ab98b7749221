// SPDX-License-Identifier: GPL-3.0-or-later
// The speech module: Qt TextToSpeech behind the SpeechOutput interface, loaded on first use.

#include "platform/speech/SpeechModule.h"

#include <QCoreApplication>
#include <QTextToSpeech>
#include <memory>

namespace kf {

namespace {

class QtSpeechOutput final : public SpeechOutput {
public:
    QtSpeechOutput() {
        if (!QTextToSpeech::availableEngines().isEmpty())
            m_speech = std::make_unique<QTextToSpeech>();
    }

    QString unavailableReason() override {
        if (!m_speech)
            return QCoreApplication::translate("SpeechOutput", "No speech engine is installed.");
        if (m_speech->state() == QTextToSpeech::Error)
            return QCoreApplication::translate("SpeechOutput", "The speech engine failed: %1")
                .arg(m_speech->errorString());
        return QString();
    }

    void say(const QString& text) override {
        if (!m_speech)
            return;
        // The last target is old news: cut it off rather than queue behind it.
        m_speech->stop();
        m_speech->say(text);
    }

    void stop() override {
        if (m_speech)
            m_speech->stop();
    }

private:
    std::unique_ptr<QTextToSpeech> m_speech;
};

} // namespace

} // namespace kf

extern "C" Q_DECL_EXPORT kf::SpeechOutput* kf_create_speech_output() {
    return new kf::QtSpeechOutput();
}
