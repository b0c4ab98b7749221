// SPDX-License-Identifier: GPL-3.0-or-later
// The speech module: Qt TextToSpeech behind the SpeechOutput interface, loaded on first use.

#include "platform/ModuleEntries.h"
#include "platform/SpeechOutput.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextToSpeech>
#include <algorithm>
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

    // A voice of the language when the engine has one; otherwise the voice stays as it was,
    // since a voice of another language reads the text no worse than no voice at all.
    void setLanguage(const QString& code) override {
        if (!m_speech)
            return;
        const QLocale wanted(code);
        if (m_speech->locale().language() == wanted.language())
            return;
        const QList<QLocale> locales = m_speech->availableLocales();
        const auto fitting = std::find_if(locales.begin(), locales.end(), [&](const QLocale& l) {
            return l.language() == wanted.language();
        });
        if (fitting != locales.end())
            m_speech->setLocale(*fitting);
    }

private:
    std::unique_ptr<QTextToSpeech> m_speech;
};

} // namespace

} // namespace kf

extern "C" Q_DECL_EXPORT kf::SpeechOutput* kf_create_speech_output() {
    return new kf::QtSpeechOutput();
}
