// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LazySpeechOutput.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kf;

// The real speech service: its module is found beside the program, and without it the service
// says why instead of speaking.
class tst_LazySpeechOutput : public QObject {
    Q_OBJECT

private slots:
    void withoutTheModuleItSaysWhy();
    void theModuleIsFoundBesideTheProgram();
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

QTEST_MAIN(tst_LazySpeechOutput)
#include "tst_LazySpeechOutput.moc"
