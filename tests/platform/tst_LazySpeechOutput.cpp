// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LazySpeechOutput.h"

#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace kf;

// The real speech service: its module is found beside the program, and without it the service
// says why instead of speaking.
class tst_LazySpeechOutput : public QObject {
    Q_OBJECT

private slots:
    void withoutTheModuleItSaysWhy();
    void theModuleIsFoundBesideTheProgram();
    void aServerThatNeverAnswersHoldsNothingUp();
};

void tst_LazySpeechOutput::withoutTheModuleItSaysWhy() {
    QTemporaryDir empty;
    LazySpeechOutput speech({empty.path()});
    const QString reason = speech.unavailableReason();
    QVERIFY(!speech.moduleLoaded());
    QVERIFY2(reason.startsWith(QStringLiteral("The speech module could not be loaded")),
             qPrintable(reason));
    speech.say(QStringLiteral("nothing happens"));
    speech.stop();
}

// The module talks to speech-dispatcher, which a test machine without sound may fail to start:
// then the module says so, and speaking is harmless.
void tst_LazySpeechOutput::theModuleIsFoundBesideTheProgram() {
    LazySpeechOutput speech;
    const QString reason = speech.unavailableReason();
    QVERIFY(speech.moduleLoaded());
    QVERIFY2(reason.isEmpty() || reason.startsWith(QStringLiteral("The speech engine failed: ")),
             qPrintable(reason));
    speech.say(QStringLiteral("a"));
    speech.say(QStringLiteral("capital A"));
    speech.stop();
}

// A speech server that takes the connection and never answers: speaking and stopping return at
// once, and the reason says the server does not answer.
void tst_LazySpeechOutput::aServerThatNeverAnswersHoldsNothingUp() {
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("speechd.sock")).toUtf8();
    const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()) + 1);
    QVERIFY(::bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    QVERIFY(::listen(silent, 4) == 0);
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + path);
    {
        LazySpeechOutput speech;
        speech.setLanguage(QStringLiteral("de"));
        speech.say(QStringLiteral("f"));
        speech.stop();
        const QString reason = speech.unavailableReason();
        QVERIFY(speech.moduleLoaded());
        QVERIFY2(reason.startsWith(QStringLiteral("The speech engine failed: ")),
                 qPrintable(reason));
        speech.say(QStringLiteral("j"));
    }
    qunsetenv("SPEECHD_ADDRESS");
    ::close(silent);
}

QTEST_MAIN(tst_LazySpeechOutput)
#include "tst_LazySpeechOutput.moc"
