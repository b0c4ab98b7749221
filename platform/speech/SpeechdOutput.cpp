// SPDX-License-Identifier: GPL-3.0-or-later
// The speech module: speech-dispatcher behind the SpeechOutput interface, loaded on first use.
//
// The program talks to speech-dispatcher itself rather than through Qt TextToSpeech: Qt 6.4's
// speech-dispatcher engine stops with CANCEL ALL, which silences a screen reader too, and its
// Flite engine plays through Qt Multimedia, which brought the program down in a PulseAudio
// callback. Speech-dispatcher synthesises in processes of its own: a synthesiser that dies
// costs an utterance, never the drill.

#include "platform/ModuleEntries.h"
#include "platform/SpeechOutput.h"

#include <QCoreApplication>
#include <QThread>
#include <csignal>
#include <cstdlib>
#include <libspeechd.h>

namespace kf {

namespace {

class SpeechdOutput final : public SpeechOutput {
public:
    SpeechdOutput() { connectToServer(); }
    ~SpeechdOutput() override {
        if (m_connection) {
            spd_cancel(m_connection);
            spd_close(m_connection);
        }
    }
    SpeechdOutput(const SpeechdOutput&) = delete;
    SpeechdOutput& operator=(const SpeechdOutput&) = delete;

    QString unavailableReason() override {
        if (m_connection)
            return QString();
        return QCoreApplication::translate("SpeechOutput", "The speech engine failed: %1")
            .arg(m_error);
    }

    // Cuts the program's own last text, never anyone else's; the text priority lets a screen
    // reader's messages go first.
    void say(const QString& text) override {
        const QByteArray utf8 = text.toUtf8();
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (!m_connection && !connectToServer())
                return;
            spd_cancel(m_connection);
            if (spd_say(m_connection, SPD_TEXT, utf8.constData()) >= 0)
                return;
            // The server ended (or was ended): a new connection starts a new one.
            dropConnection();
        }
    }

    void stop() override {
        if (m_connection)
            spd_cancel(m_connection);
    }

    // Speech-dispatcher picks its own voice for a language ("de"), of the synthesiser it has.
    void setLanguage(const QString& code) override {
        m_language = code.toUtf8();
        if (m_connection && !m_language.isEmpty())
            spd_set_language(m_connection, m_language.constData());
    }

private:
    // A server started for this connection opens its socket a moment later: the first try
    // starts one when none runs, a few more wait for it.
    bool connectToServer() {
        for (int attempt = 0; attempt < 5 && !m_connection; ++attempt) {
            if (attempt > 0)
                QThread::msleep(100);
            char* error = nullptr;
            m_connection = spd_open2("keyfarer", "guidance", nullptr, SPD_MODE_SINGLE, nullptr,
                                     attempt == 0 ? 1 : 0, &error);
            if (!m_connection)
                m_error = QString::fromUtf8(error ? error : "no connection");
            std::free(error); // NOLINT(cppcoreguidelines-no-malloc): libspeechd's own string
        }
        if (!m_connection)
            return false;
        if (!m_language.isEmpty())
            spd_set_language(m_connection, m_language.constData());
        return true;
    }

    void dropConnection() {
        spd_close(m_connection);
        m_connection = nullptr;
    }

    SPDConnection* m_connection = nullptr;
    QString m_error;
    QByteArray m_language;
};

} // namespace

} // namespace kf

extern "C" Q_DECL_EXPORT kf::SpeechOutput* kf_create_speech_output() {
    // A write to a speech server that has just ended must fail, not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    return new kf::SpeechdOutput();
}
