// SPDX-License-Identifier: GPL-3.0-or-later
// The speech module: speech-dispatcher behind the SpeechOutput interface, loaded on first use.
//
// The program talks to speech-dispatcher itself rather than through Qt TextToSpeech: Qt 6.4's
// speech-dispatcher engine stops with CANCEL ALL, which silences a screen reader too, and its
// Flite engine plays through Qt Multimedia, which brought the program down in a PulseAudio
// callback. Speech-dispatcher synthesises in processes of its own, and the module talks to it
// from a thread of its own: a synthesiser that dies or a server that hangs costs speech, never
// the drill.

#include "platform/ModuleEntries.h"
#include "platform/SpeechOutput.h"

#include <QCoreApplication>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <libspeechd.h>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace kf {

namespace {

// What the program's thread asks of the speech thread, and what that thread found.
struct SpeechRequests {
    std::mutex mutex;
    std::condition_variable wake;     // something to do, or the end
    std::condition_variable answered; // the first connection was tried
    bool tried = false;
    bool connected = false;
    QString error;
    bool cancel = false;
    std::optional<QByteArray> text;
    std::optional<QByteArray> language;
    bool ending = false;
};

// A server started for this connection opens its socket a moment later: the first try starts
// one when none runs, a few more wait for it.
SPDConnection* openConnection(QString& error) {
    SPDConnection* connection = nullptr;
    for (int attempt = 0; attempt < 5 && !connection; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        char* message = nullptr;
        connection = spd_open2("keyfarer", "guidance", nullptr, SPD_MODE_SINGLE, nullptr,
                               attempt == 0 ? 1 : 0, &message);
        if (!connection)
            error = QString::fromUtf8(message ? message : "no connection");
        std::free(message); // NOLINT(cppcoreguidelines-no-malloc): libspeechd's own string
    }
    return connection;
}

// The speech thread: every call to speech-dispatcher is made here, so a server that hangs
// holds up speech, never the drill.
class SpeechThread {
public:
    explicit SpeechThread(std::shared_ptr<SpeechRequests> requests)
        : m_requests(std::move(requests)) {}

    void run() {
        connect();
        while (takeNext()) {
            if (!m_connection && !connect())
                continue;
            if (m_language && !m_language->isEmpty())
                spd_set_language(m_connection, m_language->constData());
            if (m_cancel)
                spd_cancel(m_connection);
            if (m_text && spd_say(m_connection, SPD_TEXT, m_text->constData()) < 0) {
                // The server ended (or was ended): a new connection starts a new one.
                spd_close(m_connection);
                m_connection = nullptr;
                if (connect())
                    spd_say(m_connection, SPD_TEXT, m_text->constData());
            }
        }
        if (m_connection) {
            spd_cancel(m_connection);
            spd_close(m_connection);
        }
    }

private:
    bool connect() {
        QString error;
        m_connection = openConnection(error);
        if (m_connection && m_known && !m_known->isEmpty())
            spd_set_language(m_connection, m_known->constData());
        const std::lock_guard lock(m_requests->mutex);
        m_requests->tried = true;
        m_requests->connected = m_connection != nullptr;
        m_requests->error = error;
        m_requests->answered.notify_all();
        return m_connection != nullptr;
    }

    // Waits for the next requests and takes them all; false at the end.
    bool takeNext() {
        std::unique_lock lock(m_requests->mutex);
        SpeechRequests& r = *m_requests;
        r.wake.wait(lock, [&r] { return r.ending || r.cancel || r.text || r.language; });
        if (r.ending)
            return false;
        m_cancel = std::exchange(r.cancel, false);
        m_text = std::exchange(r.text, std::nullopt);
        m_language = std::exchange(r.language, std::nullopt);
        if (m_language)
            m_known = m_language;
        return true;
    }

    std::shared_ptr<SpeechRequests> m_requests;
    SPDConnection* m_connection = nullptr;
    bool m_cancel = false;
    std::optional<QByteArray> m_text;
    std::optional<QByteArray> m_language;
    std::optional<QByteArray> m_known; // the language asked for last
};

class SpeechdOutput final : public SpeechOutput {
public:
    SpeechdOutput()
        : m_requests(std::make_shared<SpeechRequests>()) {
        // Never joined: a thread held up by a hung server must not hold up the program's end.
        std::thread([requests = m_requests] { SpeechThread(requests).run(); }).detach();
    }
    ~SpeechdOutput() override {
        const std::lock_guard lock(m_requests->mutex);
        m_requests->ending = true;
        m_requests->wake.notify_all();
    }
    SpeechdOutput(const SpeechdOutput&) = delete;
    SpeechdOutput& operator=(const SpeechdOutput&) = delete;

    // Waits a moment for the first connection, no longer.
    QString unavailableReason() override {
        std::unique_lock lock(m_requests->mutex);
        const bool tried = m_requests->answered.wait_for(lock, std::chrono::seconds(3),
                                                         [this] { return m_requests->tried; });
        if (m_requests->connected)
            return QString();
        return QCoreApplication::translate("SpeechOutput", "The speech engine failed: %1")
            .arg(tried ? m_requests->error : QStringLiteral("speech-dispatcher does not answer"));
    }

    // Cuts the program's own last text, never anyone else's; the text priority lets a screen
    // reader's messages go first.
    void say(const QString& text) override {
        const std::lock_guard lock(m_requests->mutex);
        m_requests->cancel = true;
        m_requests->text = text.toUtf8();
        m_requests->wake.notify_all();
    }

    void stop() override {
        const std::lock_guard lock(m_requests->mutex);
        m_requests->cancel = true;
        m_requests->text.reset();
        m_requests->wake.notify_all();
    }

    // Speech-dispatcher picks its own voice for a language ("de"), of the synthesiser it has.
    void setLanguage(const QString& code) override {
        const std::lock_guard lock(m_requests->mutex);
        m_requests->language = code.toUtf8();
        m_requests->wake.notify_all();
    }

private:
    std::shared_ptr<SpeechRequests> m_requests;
};

} // namespace

} // namespace kf

extern "C" Q_DECL_EXPORT kf::SpeechOutput* kf_create_speech_output() {
    // A write to a speech server that has just ended must fail, not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    return new kf::SpeechdOutput();
}
