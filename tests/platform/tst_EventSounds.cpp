// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WorkingFolder.h"
#include "platform/EventSounds.h"
#include "platform/doubles/RecordingSoundPlayer.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"
#include "tests/common/ShippedFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace kf;

class tst_EventSounds : public QObject {
    Q_OBJECT

private slots:
    void playSound_data();
    void playSound();
    void soundFilesAreFoundWithoutRegardToCase();
    void theSoundsReadiedAreTheOnesPlayed();
};

namespace {

StudentRecord soundSwitches(bool soundOn, bool beepOnError, bool keyTap) {
    StudentRecord record;
    record.applyCreateDefaults();
    record.setFlag(layout::kSoundOn, soundOn);
    record.setFlag(layout::kBeepOnError, beepOnError);
    record.setFlag(layout::kKeyTap, keyTap);
    return record;
}

} // namespace

void tst_EventSounds::playSound_data() {
    QTest::addColumn<bool>("device");
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<bool>("beepOnError");
    QTest::addColumn<bool>("keyTap");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("played");
    const QStringList none;
    const QStringList beep{QStringLiteral("beep")};
    auto file = [](const char* name) { return QStringList{QString::fromLatin1(name)}; };

    // A device, sound on: each code's file; the tap and the error also need their own switch.
    QTest::newRow("on: click") << true << true << true << true << 0 << file("click_2.wav");
    QTest::newRow("on: letter game 1") << true << true << true << true << 1 << none;
    QTest::newRow("on: streak") << true << true << true << true << 2 << file("streak2.wav");
    QTest::newRow("on: letter game 3") << true << true << true << true << 3 << none;
    QTest::newRow("on: start") << true << true << true << true << 4 << file("start.wav");
    QTest::newRow("on: done") << true << true << true << true << 5 << file("done.wav");
    QTest::newRow("on: 6 starts too") << true << true << true << true << 6 << file("start.wav");
    QTest::newRow("on: tap") << true << true << true << true << 7 << file("type2.wav");
    QTest::newRow("on: tap switched off") << true << true << true << false << 7 << none;
    QTest::newRow("on: error") << true << true << true << true << 8 << file("error.wav");
    QTest::newRow("on: error beep off") << true << true << false << true << 8 << none;
    QTest::newRow("on: click with beep off")
        << true << true << false << false << 0 << file("click_2.wav");
    QTest::newRow("on: unknown 9") << true << true << true << true << 9 << none;
    QTest::newRow("on: unknown -1") << true << true << true << true << -1 << none;

    // A device, sound off, beep on error on: only a miss is heard.
    QTest::newRow("off+beep: error") << true << false << true << true << 8 << file("error.wav");
    QTest::newRow("off+beep: click") << true << false << true << true << 0 << none;
    QTest::newRow("off+beep: tap") << true << false << true << true << 7 << none;
    QTest::newRow("off+beep: start") << true << false << true << true << 4 << none;
    QTest::newRow("off+beep: done") << true << false << true << true << 5 << none;

    // A device, sound and beep off: silence.
    QTest::newRow("off: error") << true << false << false << true << 8 << none;
    QTest::newRow("off: click") << true << false << false << true << 0 << none;
    QTest::newRow("off: tap") << true << false << false << true << 7 << none;

    // No device: a miss with sound on beeps, nothing else sounds.
    QTest::newRow("no device: error") << false << true << true << true << 8 << beep;
    QTest::newRow("no device: click") << false << true << true << true << 0 << none;
    QTest::newRow("no device: tap") << false << true << true << true << 7 << none;
    QTest::newRow("no device: done") << false << true << true << true << 5 << none;
    QTest::newRow("no device: error, sound off") << false << false << true << true << 8 << none;
    QTest::newRow("no device: error, beep off") << false << true << false << true << 8 << none;
}

void tst_EventSounds::playSound() {
    QFETCH(bool, device);
    QFETCH(bool, soundOn);
    QFETCH(bool, beepOnError);
    QFETCH(bool, keyTap);
    QFETCH(int, code);
    QFETCH(QStringList, played);

    QTemporaryDir dir;
    const WorkingFolder folder(dir.path());
    const StudentRecord record = soundSwitches(soundOn, beepOnError, keyTap);
    RecordingSoundPlayer player(device ? 1 : 0);

    kf::playSound({record, folder, device}, player, code);

    QStringList names;
    for (const QString& path : player.played) {
        if (path == QStringLiteral("beep")) {
            names.append(path);
            continue;
        }
        // Sounds come from the working folder.
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(dir.path()).absolutePath());
        names.append(QFileInfo(path).fileName());
    }
    QCOMPARE(names, played);
}

void tst_EventSounds::soundFilesAreFoundWithoutRegardToCase() {
    QTemporaryDir dir;
    QVERIFY(test::writeBytes(dir.filePath(QStringLiteral("Click_2.WAV")), "RIFF"));
    const WorkingFolder folder(dir.path());
    StudentRecord record;
    record.applyCreateDefaults();
    RecordingSoundPlayer player;

    kf::playSound({record, folder, true}, player, kSoundClick);

    QCOMPARE(player.played, QStringList{dir.filePath(QStringLiteral("Click_2.WAV"))});
}

// The player readies at start exactly the sounds the program may play, each once, so that no
// first sound waits for its file.
void tst_EventSounds::theSoundsReadiedAreTheOnesPlayed() {
    QTemporaryDir dir;
    for (const char* name : {"Click_2.WAV", "start.wav", "error.wav", "type2.wav", "lion2.wav"})
        QVERIFY(test::writeBytes(dir.filePath(QString::fromLatin1(name)), "RIFF"));
    const WorkingFolder folder(dir.path());
    const StudentRecord record = soundSwitches(true, true, true);
    RecordingSoundPlayer player;
    for (int code = 0; code < 9; ++code)
        kf::playSound({record, folder, true}, player, code);

    const QStringList readied = kf::eventSoundFiles(folder);
    QCOMPARE(readied, (QStringList{dir.filePath(QStringLiteral("Click_2.WAV")),
                                   dir.filePath(QStringLiteral("start.wav")),
                                   dir.filePath(QStringLiteral("type2.wav")),
                                   dir.filePath(QStringLiteral("error.wav"))}));
    // A sound whose file is missing plays nothing, so it needs no readying.
    player.played.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
    player.played.removeDuplicates();
    std::sort(player.played.begin(), player.played.end());
    QStringList sortedReadied = readied;
    std::sort(sortedReadied.begin(), sortedReadied.end());
    QCOMPARE(player.played, sortedReadied);
}

QTEST_GUILESS_MAIN(tst_EventSounds)
#include "tst_EventSounds.moc"
