// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/StudentFile.h"
#include "tests/common/FileBytes.h"
#include "tests/common/RecordPatterns.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace kf;

class tst_StudentFile : public QObject {
    Q_OBJECT

private slots:
    void createdFileIsOneDefaultRecord();
    void unknownBytesSurviveLoadAndSave();
    void longerFileKeepsItsTail();
    void saveNeverRecreatesAMissingFile();
    void saveLeavesAShortFileAsItIs_data();
    void saveLeavesAShortFileAsItIs();
    void shortFileChangesNothingAndIsReported();
    void failingDeviceChangesNothing();
    void missingFileLoadsNothing();
    void unwritableFolderIsReported();
    void killedWriterNeverLeavesATornFile();
    void createNeverReplacesAFile();
    void racingCreatorsLeaveOneWholeRecord();
    void killedCreatorLeavesAWholeFileOrNone();

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

namespace {

using test::readBytes;
using test::recordBytes;
using test::writeBytes;

// Records that differ from each other in nearly every byte.
StudentRecord patterned(std::uint8_t seed) {
    return test::patternedRecord(seed, 7);
}

// A device that fails after handing out a given number of bytes.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 goodBytes)
        : m_good(goodBytes) {
        open(ReadOnly);
    }

protected:
    qint64 readData(char* data, qint64 max) override {
        if (m_good <= 0) {
            setErrorString(QStringLiteral("device gave up"));
            return -1;
        }
        const qint64 n = std::min(max, m_good);
        std::fill_n(data, n, 'z');
        m_good -= n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 m_good;
};

} // namespace

void tst_StudentFile::createdFileIsOneDefaultRecord() {
    StudentRecord record = patterned(3);
    QVERIFY(StudentFile::create(path(QStringLiteral("Ann.stu")), record).done());
    const QByteArray content = readBytes(path(QStringLiteral("Ann.stu")));
    QCOMPARE(content.size(), 110824);
    StudentRecord expected; // nothing of the record that was in memory
    expected.applyCreateDefaults();
    QCOMPARE(content, recordBytes(expected));
    QCOMPARE(content, recordBytes(record));
}

void tst_StudentFile::unknownBytesSurviveLoadAndSave() {
    const QString file = path(QStringLiteral("Bob.stu"));
    const StudentRecord original = patterned(11);
    QVERIFY(writeBytes(file, recordBytes(original)));
    StudentRecord loaded;
    QVERIFY(StudentFile::load(file, loaded).done());
    QVERIFY(loaded.bytes() == original.bytes());
    QVERIFY(StudentFile::save(file, loaded).done());
    QCOMPARE(readBytes(file), recordBytes(original));
}

void tst_StudentFile::longerFileKeepsItsTail() {
    const QString file = path(QStringLiteral("Long.stu"));
    const QByteArray tail = QByteArrayLiteral("a second record that nobody reads");
    QVERIFY(writeBytes(file, recordBytes(patterned(1)) + tail));
    const StudentRecord updated = patterned(2);
    QByteArray written; // what the save says it wrote, which the store remembers unread
    QVERIFY(StudentFile::save(file, updated, &written).done());
    QCOMPARE(readBytes(file), recordBytes(updated) + tail);
    QCOMPARE(written, readBytes(file));
    StudentRecord loaded;
    QVERIFY(StudentFile::load(file, loaded).done());
    QVERIFY(loaded.bytes() == updated.bytes());
}

void tst_StudentFile::saveNeverRecreatesAMissingFile() {
    const QString file = path(QStringLiteral("Gone.stu"));
    const FileOutcome outcome = StudentFile::save(file, patterned(5));
    QCOMPARE(outcome.status, FileOutcome::Status::Missing);
    QVERIFY(outcome.message.isEmpty());
    QVERIFY(!QFile::exists(file));
}

void tst_StudentFile::saveLeavesAShortFileAsItIs_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one byte short") << 110823;
}

void tst_StudentFile::saveLeavesAShortFileAsItIs() {
    QFETCH(int, size);
    const QString file = path(QStringLiteral("Short%1.stu").arg(size));
    const QByteArray content(size, 'q');
    QVERIFY(writeBytes(file, content));
    const FileOutcome outcome = StudentFile::save(file, patterned(5));
    QCOMPARE(outcome.status, FileOutcome::Status::Short);
    QCOMPARE(readBytes(file), content);
}

void tst_StudentFile::shortFileChangesNothingAndIsReported() {
    const QString file = path(QStringLiteral("Half.stu"));
    QVERIFY(writeBytes(file, QByteArray(50000, 'h')));
    StudentRecord record = patterned(9);
    const FileOutcome outcome = StudentFile::load(file, record);
    QCOMPARE(outcome.status, FileOutcome::Status::Short);
    QVERIFY(outcome.message.contains(QStringLiteral("Half.stu")));
    QVERIFY(record.bytes() == patterned(9).bytes());
}

void tst_StudentFile::failingDeviceChangesNothing() {
    FailingDevice device(60000);
    StudentRecord record = patterned(4);
    const FileOutcome outcome =
        StudentFile::readRecord(device, QStringLiteral("/x/Dev.stu"), record);
    QCOMPARE(outcome.status, FileOutcome::Status::Failed);
    QVERIFY(outcome.message.contains(QStringLiteral("Dev.stu")));
    QVERIFY(outcome.message.contains(QStringLiteral("device gave up")));
    QVERIFY(record.bytes() == patterned(4).bytes());
}

void tst_StudentFile::missingFileLoadsNothing() {
    StudentRecord record = patterned(6);
    const FileOutcome outcome = StudentFile::load(path(QStringLiteral("Nobody.stu")), record);
    QCOMPARE(outcome.status, FileOutcome::Status::Missing);
    QVERIFY(outcome.message.isEmpty());
    QVERIFY(record.bytes() == patterned(6).bytes());
}

void tst_StudentFile::unwritableFolderIsReported() {
    // A "folder" that is really a file cannot be written into, even by root.
    const QString notAFolder = path(QStringLiteral("plain-file"));
    QVERIFY(writeBytes(notAFolder, QByteArrayLiteral("x")));
    const QString file = notAFolder + QStringLiteral("/Ro.stu");
    StudentRecord record;
    const FileOutcome outcome = StudentFile::create(file, record);
    QCOMPARE(outcome.status, FileOutcome::Status::Failed);
    QVERIFY(outcome.message.contains(QStringLiteral("Ro.stu")));
    QVERIFY(!QFile::exists(file));
}

void tst_StudentFile::killedWriterNeverLeavesATornFile() {
    // A child saves two different records over and over; it is killed at random moments. The
    // file must always hold one of the two whole records.
    const QString file = path(QStringLiteral("Torn.stu"));
    const StudentRecord first = patterned(21);
    const StudentRecord second = patterned(77);
    QVERIFY(writeBytes(file, recordBytes(first)));
    const QByteArray a = recordBytes(first);
    const QByteArray b = recordBytes(second);
    auto* random = QRandomGenerator::global();
    for (int round = 0; round < 200; ++round) {
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                StudentFile::save(file, (i % 2) != 0 ? second : first);
        }
        ::usleep(static_cast<useconds_t>(random->bounded(200, 4000)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const QByteArray now = readBytes(file);
        if (now != a && now != b)
            QFAIL(qPrintable(
                QStringLiteral("torn file after round %1 (%2 bytes)").arg(round).arg(now.size())));
    }
}

void tst_StudentFile::createNeverReplacesAFile() {
    const QString file = path(QStringLiteral("Kept.stu"));
    const QByteArray before = recordBytes(patterned(8)) + QByteArrayLiteral("tail");
    QVERIFY(writeBytes(file, before));
    StudentRecord record;
    QCOMPARE(StudentFile::create(file, record).status, FileOutcome::Status::Exists);
    QCOMPARE(readBytes(file), before);
}

void tst_StudentFile::racingCreatorsLeaveOneWholeRecord() {
    // Several programs create the same new name at once, each with another record in memory:
    // one wins, the others are told the name exists, and the file holds one whole new record.
    constexpr int kRacers = 6;
    for (int round = 0; round < 20; ++round) {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Race.stu"));
        QList<pid_t> children;
        for (int racer = 0; racer < kRacers; ++racer) {
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                StudentRecord record = patterned(static_cast<std::uint8_t>(racer * 40));
                const FileOutcome outcome = StudentFile::create(file, record);
                ::_exit(outcome.done()                                  ? 10 + racer
                        : outcome.status == FileOutcome::Status::Exists ? 1
                                                                        : 2);
            }
            children.append(child);
        }
        int winners = 0;
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            QVERIFY(WIFEXITED(status));
            const int code = WEXITSTATUS(status);
            QVERIFY2(code != 2, "a racer failed instead of finding the name taken");
            if (code >= 10)
                ++winners;
        }
        QCOMPARE(winners, 1);
        StudentRecord expected;
        expected.applyCreateDefaults();
        QCOMPARE(readBytes(file), recordBytes(expected));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Race.stu")});
    }
}

void tst_StudentFile::killedCreatorLeavesAWholeFileOrNone() {
    // A child creates student after student and is killed at a random moment: every file that
    // carries a student's name holds a whole record.
    auto* random = QRandomGenerator::global();
    for (int round = 0; round < 50; ++round) {
        QTemporaryDir dir;
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                StudentRecord record;
                StudentFile::create(dir.filePath(QStringLiteral("S%1.stu").arg(i)), record);
            }
        }
        ::usleep(static_cast<useconds_t>(random->bounded(200, 20000)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        QDir folder(dir.path());
        folder.setNameFilters({QStringLiteral("*.stu")});
        for (const QString& name : folder.entryList(QDir::Files)) {
            if (QFileInfo(folder.filePath(name)).size() != 110824)
                QFAIL(qPrintable(QStringLiteral("%1 is torn after round %2").arg(name).arg(round)));
        }
    }
}

QTEST_GUILESS_MAIN(tst_StudentFile)
#include "tst_StudentFile.moc"
