// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/JournalReader.h"
#include "students/PressJournal.h"
#include "tests/common/FileBytes.h"
#include "tests/common/Watchdog.h"
#include "tests/drills/DrillHarness.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace kf;
using namespace kf::test;

// The journal at the joins where it can go wrong: a writer killed mid-write, a damaged or
// unwritable file, and a second running copy.
class tst_PressJournal : public QObject {
    Q_OBJECT

private slots:
    void writerKilledMidTransactionKeepsTheEarlierSets();
    void damagedJournalIsSetAsideAndTheSetStillBooked_data();
    void damagedJournalIsSetAsideAndTheSetStillBooked();
    void failedWriteKeepsThePressesAndIsToldOnce();
    void aJournalThatIsNoFileIsNeverOpened_data();
    void aJournalThatIsNoFileIsNeverOpened();
    void secondCopyNeverWritesTheHeldStudentsJournal();
    void pressesTypedWhileViewingAreNobodys();
    void aSetLeftUnfinishedIsASetOfItsOwn();
};

namespace {

JournalPress press(int target, int typed, int ms) {
    JournalPress p;
    p.atUtc = 1'800'000'000;
    p.target = target;
    p.typed = typed;
    p.hit = target == typed;
    p.reactionMs = ms;
    return p;
}

// A set of length presses of 'f', every one a hit.
void addSet(PressJournal& journal, int length) {
    for (int i = 0; i < length; ++i)
        journal.add(press('f', 'f', 300));
    journal.closeSet();
}

int setsIn(const QString& path) {
    int last = 0;
    for (const JournalKeySet& set : JournalReader(path).keySets())
        last = std::max(last, set.set);
    return last;
}

// A set of ten keys typed in the drill, all hits, ended with Enter when asked.
void typeSet(DrillHarness& h) {
    h.space();
    for (int i = 0; i < 10; ++i) {
        h.clock.advance(250);
        h.typeTarget();
    }
    if (h.engine->awaitingEnter())
        h.enter();
    h.settleSaves(); // the set's file and journal are written in the store's turn
}

QString journalOf(const TestWorkingFolder& f, const QString& name) {
    return PressJournal::pathFor(f.dir.path(), name);
}

// The child's part: one set so large that its pages spill to the file before the commit.
int writeOneHugeSet(const QString& path) {
    PressJournal journal;
    addSet(journal, 3'000'000);
    journal.write(path);
    return 0;
}

} // namespace

void tst_PressJournal::writerKilledMidTransactionKeepsTheEarlierSets() {
    QTemporaryDir dir;
    const QString path = PressJournal::pathFor(dir.path(), QStringLiteral("Pat"));
    PressJournal journal;
    addSet(journal, 10);
    addSet(journal, 10);
    QCOMPARE(journal.write(path).status, JournalOutcome::Status::Written);
    const qint64 sizeBefore = QFileInfo(path).size();

    QProcess writer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KF_WRITE_HUGE_SET"), path);
    writer.setProcessEnvironment(env);
    writer.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(writer.waitForStarted());
    // Killed once the rollback journal exists and the database file itself has grown.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path + QStringLiteral("-journal")) &&
                                 QFileInfo(path).size() > sizeBefore,
                             40000);
    writer.kill();
    QVERIFY(writer.waitForFinished());

    addSet(journal, 10);
    QCOMPARE(journal.write(path).status, JournalOutcome::Status::Written);
    QCOMPARE(setsIn(path), 3);
    QVERIFY(!QFileInfo::exists(path + QStringLiteral("-journal")));
    QCOMPARE(JournalReader(path).keyTrends().at('f').presses, 30);
}

void tst_PressJournal::damagedJournalIsSetAsideAndTheSetStillBooked_data() {
    QTest::addColumn<QByteArray>("damage");
    QTest::newRow("not a database") << QByteArray(5000, 'x');
    QByteArray header("SQLite format 3");
    header.append('\0');
    QTest::newRow("broken pages") << header + QByteArray(8192, '\xff');
}

void tst_PressJournal::damagedJournalIsSetAsideAndTheSetStillBooked() {
    QFETCH(QByteArray, damage);
    DrillHarness h(DrillKind::HomeRowOnly);
    const QString path = journalOf(h, QStringLiteral("Pat"));
    QVERIFY(writeBytes(path, damage));
    h.open();
    typeSet(h);

    QCOMPARE(h.savedFile(), recordBytes(h.globals.record)); // the set is in the student file
    const QStringList aside =
        h.folder().entryList({QStringLiteral("Pat.presses.damaged-*")}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(readBytes(h.path(aside[0])), damage); // moved, not changed
    QCOMPARE(setsIn(path), 1);                     // a new journal holds the set
    QCOMPARE(h.dialogs.shown.size(), 1);
    QVERIFY2(h.dialogs.shown[0].text.contains(aside[0]), qPrintable(h.dialogs.shown[0].text));

    typeSet(h); // the new journal takes the next set without a word
    QCOMPARE(setsIn(path), 2);
    QCOMPARE(h.dialogs.shown.size(), 1);
}

void tst_PressJournal::failedWriteKeepsThePressesAndIsToldOnce() {
    DrillHarness h(DrillKind::HomeRowOnly);
    const QString path = journalOf(h, QStringLiteral("Pat"));
    QVERIFY(QDir().mkpath(path)); // a folder where the journal should be: it cannot be opened
    h.open();
    typeSet(h);
    typeSet(h);
    QCOMPARE(h.dialogs.shown.size(), 1);
    QVERIFY(h.dialogs.shown[0].text.contains(QStringLiteral("Pat.presses")));
    QCOMPARE(h.savedFile(), recordBytes(h.globals.record));

    QVERIFY(QDir(path).removeRecursively());
    typeSet(h);
    QCOMPARE(setsIn(path), 3); // the two waiting sets came along
    QCOMPARE(h.dialogs.shown.size(), 1);

    h.space(); // a set begun and the window closed: closing writes what was typed
    h.typeTarget();
    h.globals.session.close();
    QCOMPARE(JournalReader(path).keyTrends().size() > 0, true);
    int presses = 0;
    for (const auto& [key, trend] : JournalReader(path).keyTrends())
        presses += trend.presses;
    QCOMPARE(presses, 31);
}

void tst_PressJournal::aJournalThatIsNoFileIsNeverOpened_data() {
    QTest::addColumn<bool>("pipe");
    QTest::newRow("a named pipe") << true;
    QTest::newRow("a link out of the folder") << false;
}

// A pipe would hold the set's end for ever, and a link would carry the write to another file.
void tst_PressJournal::aJournalThatIsNoFileIsNeverOpened() {
    QFETCH(bool, pipe);
    DrillHarness h(DrillKind::HomeRowOnly);
    const QString path = journalOf(h, QStringLiteral("Pat"));
    QTemporaryDir outside;
    const QString theirs = outside.filePath(QStringLiteral("theirs.db"));
    const QByteArray theirBytes = "someone else's file\n";
    if (pipe) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QVERIFY(writeBytes(theirs, theirBytes));
        QVERIFY(QFile::link(theirs, path));
    }
    h.open();
    {
        const Watchdog watchdog("a set's end with an odd journal", std::chrono::seconds(5));
        typeSet(h);
        typeSet(h);
    }
    QCOMPARE(h.savedFile(), recordBytes(h.globals.record));
    QCOMPARE(h.dialogs.shown.size(), 1); // told once, and the presses wait
    QVERIFY2(h.dialogs.shown[0].text.contains(QStringLiteral("Pat.presses")),
             qPrintable(h.dialogs.shown[0].text));
    if (!pipe)
        QCOMPARE(readBytes(theirs), theirBytes);
}

void tst_PressJournal::secondCopyNeverWritesTheHeldStudentsJournal() {
    DrillHarness first(DrillKind::HomeRowOnly);
    first.open();
    typeSet(first);
    const QString path = journalOf(first, QStringLiteral("Pat"));
    const QByteArray written = readBytes(path);
    QVERIFY(!written.isEmpty());

    // A second copy over the same folder, its own store and lock.
    Globals second(first.dir.path());
    QCOMPARE(second.session.take(QStringLiteral("Pat")).status,
             ChangeOutcome::Status::InUseElsewhere);
    JournalPress stray = press('f', 'j', 200);
    second.session.journalPress(stray);
    second.session.closeJournalSet();
    QCOMPARE(second.session.writeJournal().status, JournalOutcome::Status::Nothing);
    QCOMPARE(readBytes(path), written);
}

void tst_PressJournal::pressesTypedWhileViewingAreNobodys() {
    DrillHarness h(DrillKind::HomeRowOnly);
    h.open();
    typeSet(h);
    QVERIFY(StudentFile::create(h.path(QStringLiteral("Bo.stu")), h.globals.record).done());
    const QString bosJournal = journalOf(h, QStringLiteral("Bo"));
    h.globals.session.view(QStringLiteral("Bo"));
    typeSet(h);
    QVERIFY(!QFileInfo::exists(bosJournal)); // read-only: the viewed student gets nothing
    h.globals.session.view(QStringLiteral("Pat"));
    typeSet(h);
    QCOMPARE(setsIn(journalOf(h, QStringLiteral("Pat"))), 2);
}

void tst_PressJournal::aSetLeftUnfinishedIsASetOfItsOwn() {
    DrillHarness h(DrillKind::HomeRowOnly);
    h.open();
    h.space();
    h.typeTarget();
    h.typeTarget();
    h.engine->stopAllTimers(); // the drill window closes mid-set
    h.open();
    typeSet(h);
    const QString path = journalOf(h, QStringLiteral("Pat"));
    QCOMPARE(setsIn(path), 2);
    int presses = 0;
    for (const JournalKeySet& set : JournalReader(path).keySets())
        presses += set.set == 1 ? set.figures.presses : 0;
    QCOMPARE(presses, 2);
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet("KF_WRITE_HUGE_SET")) {
        QCoreApplication app(argc, argv);
        return writeOneHugeSet(qEnvironmentVariable("KF_WRITE_HUGE_SET"));
    }
    QApplication app(argc, argv);
    tst_PressJournal test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_PressJournal.moc"
