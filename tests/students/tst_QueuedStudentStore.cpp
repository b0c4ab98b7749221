// SPDX-License-Identifier: GPL-3.0-or-later
// Saves written off the window's thread: in the order asked, told on the window's thread, and
// waited for by everything that comes after them, closing included.
#include "platform/doubles/ScriptedDialogs.h"
#include "students/FolderStudentStore.h"
#include "students/JournalReader.h"
#include "students/PressJournal.h"
#include "students/QueuedStudentStore.h"
#include "students/SaveStudent.h"
#include "students/StudentSession.h"
#include "students/WriteJournal.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <semaphore>

using namespace kf;

namespace {

// What the store behind saw, in order, and on which thread; its saves wait at a gate the test
// opens, as a slow file server would make them wait.
class GatedStore final : public StudentStore {
public:
    FileOutcome load(const QString& name, StudentRecord&) override {
        return noted(QStringLiteral("load ") + name);
    }
    FileOutcome save(const QString& name, const StudentRecord& record) override {
        gate.acquire();
        savedOn = QThread::currentThread();
        if (failNext.exchange(false))
            return {FileOutcome::Status::Failed, QStringLiteral("the server went away")};
        return noted(QStringLiteral("save %1 %2").arg(name).arg(record.i32(0)));
    }
    FileOutcome create(const QString& name, StudentRecord&) override {
        return noted(QStringLiteral("create ") + name);
    }
    FileOutcome rewrite(const QString& name, const StudentRecord&) override {
        return noted(QStringLiteral("rewrite ") + name);
    }
    void remove(const QString&) override {}
    LockOutcome lock(const QString& name) override {
        noted(QStringLiteral("lock ") + name);
        return {};
    }
    void unlock(const QString& name) override { noted(QStringLiteral("unlock ") + name); }
    void touchLocks() override { noted(QStringLiteral("touch")); }

    QStringList seen() {
        const std::lock_guard lock(m_mutex);
        return m_seen;
    }

    std::counting_semaphore<64> gate{0};
    std::atomic<QThread*> savedOn = nullptr;
    std::atomic<bool> failNext = false;

private:
    FileOutcome noted(const QString& call) {
        const std::lock_guard lock(m_mutex);
        m_seen.append(call);
        return {};
    }
    std::mutex m_mutex;
    QStringList m_seen;
};

// A change of student's state, over a store.
struct SessionOver {
    explicit SessionOver(StudentStore& store)
        : session(store, record, current, drill, usage) {}
    StudentRecord record;
    QString current;
    DrillSessionFigures drill;
    SectionUsage usage;
    StudentSession session;
};

StudentRecord tagged(int tag) {
    StudentRecord record;
    record.setI32(0, tag);
    return record;
}

} // namespace

class tst_QueuedStudentStore : public QObject {
    Q_OBJECT

private slots:
    void savesAreWrittenInTurnAndToldOnThisThread();
    void laterCallsWaitForTheSavesBefore();
    void aFailureIsToldWhenKnown();
    void closingWritesAfterTheLastSetsSave();
    void theLastSaveReachesTheFolderBeforeTheStoreGoes();
    void workInTurnFollowsTheSavesBeforeItOnTheWritersThread();
    void aSetsJournalIsWrittenAfterItsSaveWhileTypingGoesOn();
};

void tst_QueuedStudentStore::savesAreWrittenInTurnAndToldOnThisThread() {
    auto gated = std::make_unique<GatedStore>();
    GatedStore& inner = *gated;
    QueuedStudentStore store(std::move(gated));
    QStringList told;
    for (int tag = 1; tag <= 3; ++tag)
        store.saveInBackground(QStringLiteral("Ann"), tagged(tag), [&, tag](const FileOutcome& o) {
            QCOMPARE(QThread::currentThread(), QCoreApplication::instance()->thread());
            told << QStringLiteral("%1 %2").arg(tag).arg(o.done());
        });
    // Nothing is written yet, and this thread was not held for it.
    QVERIFY(store.busy());
    QVERIFY(inner.seen().isEmpty());
    inner.gate.release(3);
    QTRY_COMPARE(
        told, (QStringList{QStringLiteral("1 1"), QStringLiteral("2 1"), QStringLiteral("3 1")}));
    QCOMPARE(inner.seen(), (QStringList{QStringLiteral("save Ann 1"), QStringLiteral("save Ann 2"),
                                        QStringLiteral("save Ann 3")}));
    QVERIFY(inner.savedOn != QCoreApplication::instance()->thread());
    QVERIFY(!store.busy());
}

void tst_QueuedStudentStore::laterCallsWaitForTheSavesBefore() {
    auto gated = std::make_unique<GatedStore>();
    GatedStore& inner = *gated;
    QueuedStudentStore store(std::move(gated));
    bool told = false;
    store.saveInBackground(QStringLiteral("Ann"), tagged(7),
                           [&](const FileOutcome&) { told = true; });
    inner.gate.release(2);
    // A change of student: the incoming lock and file come after Ann's set, whose outcome is
    // told before the change goes on.
    StudentRecord incoming;
    store.lock(QStringLiteral("Bob"));
    QVERIFY(told);
    store.load(QStringLiteral("Bob"), incoming);
    QCOMPARE(store.save(QStringLiteral("Ann"), tagged(8)).status, FileOutcome::Status::Done);
    QCOMPARE(inner.seen(), (QStringList{QStringLiteral("save Ann 7"), QStringLiteral("lock Bob"),
                                        QStringLiteral("load Bob"), QStringLiteral("save Ann 8")}));
}

// A set's end whose file cannot be written: the student hears so once the server answers.
void tst_QueuedStudentStore::aFailureIsToldWhenKnown() {
    auto gated = std::make_unique<GatedStore>();
    GatedStore& inner = *gated;
    QueuedStudentStore store(std::move(gated));
    SessionOver over(store);
    StudentSession& session = over.session;
    QVERIFY(session.take(QStringLiteral("Ann")).changed());
    ScriptedDialogs dialogs;
    inner.failNext = true;
    saveStudentInBackground(session, dialogs);
    QVERIFY(dialogs.shown.isEmpty());
    inner.gate.release();
    QTRY_COMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.first().text, QStringLiteral("the server went away"));
}

// The window closes right after a set's end: the roll-over is written after the set, so the
// file on disk holds both, and nothing is left to write.
void tst_QueuedStudentStore::closingWritesAfterTheLastSetsSave() {
    QTemporaryDir dir;
    QueuedStudentStore store(std::make_unique<FolderStudentStore>(WorkingFolder(dir.path())));
    SessionOver over(store);
    StudentSession& session = over.session;
    StudentRecord& record = over.record;
    QVERIFY(session.takeNew(QStringLiteral("Ann")).changed());
    ScriptedDialogs dialogs;
    record.setI32(0, 4242);
    saveStudentInBackground(session, dialogs);
    QVERIFY(session.close().changed());
    QVERIFY(!store.busy());
    StudentRecord onDisk;
    QVERIFY(
        FolderStudentStore(WorkingFolder(dir.path())).load(QStringLiteral("Ann"), onDisk).done());
    QCOMPARE(onDisk.i32(0), 4242);
    QCOMPARE(onDisk.bytes(), record.bytes()); // the roll-over, written last
    QVERIFY(dialogs.shown.isEmpty());
}

void tst_QueuedStudentStore::theLastSaveReachesTheFolderBeforeTheStoreGoes() {
    QTemporaryDir dir;
    {
        auto folder = std::make_unique<FolderStudentStore>(WorkingFolder(dir.path()));
        StudentRecord made;
        QVERIFY(folder->create(QStringLiteral("Ann"), made).done());
        QueuedStudentStore store(std::move(folder));
        store.saveInBackground(QStringLiteral("Ann"), tagged(99), [](const FileOutcome&) {});
    }
    StudentRecord onDisk;
    QVERIFY(
        FolderStudentStore(WorkingFolder(dir.path())).load(QStringLiteral("Ann"), onDisk).done());
    QCOMPARE(onDisk.i32(0), 99);
}

// A change of student in the store's turn: it starts once the set before it is written, its own
// calls go straight to the folder, and its end is told here after the set's.
void tst_QueuedStudentStore::workInTurnFollowsTheSavesBeforeItOnTheWritersThread() {
    auto gated = std::make_unique<GatedStore>();
    GatedStore& inner = *gated;
    QueuedStudentStore store(std::move(gated));
    QStringList told;
    store.saveInBackground(QStringLiteral("Ann"), tagged(5),
                           [&](const FileOutcome&) { told << QStringLiteral("saved"); });
    std::atomic<QThread*> workedOn = nullptr;
    store.runInTurn(
        [&] {
            workedOn = QThread::currentThread();
            StudentRecord incoming;
            store.lock(QStringLiteral("Bob"));
            store.load(QStringLiteral("Bob"), incoming);
        },
        [&] {
            QCOMPARE(QThread::currentThread(), QCoreApplication::instance()->thread());
            told << QStringLiteral("changed");
        });
    store.touchLocks(); // the minute's touch of the locks comes in its turn too
    QTest::qWait(20);
    QVERIFY(inner.seen().isEmpty()); // the set is not written yet, and the change waits
    inner.gate.release();
    QTRY_COMPARE(told, (QStringList{QStringLiteral("saved"), QStringLiteral("changed")}));
    QTRY_VERIFY(!store.busy());
    QCOMPARE(inner.seen(), (QStringList{QStringLiteral("save Ann 5"), QStringLiteral("lock Bob"),
                                        QStringLiteral("load Bob"), QStringLiteral("touch")}));
    QVERIFY(workedOn != QCoreApplication::instance()->thread());
}

// The press journal of a set waits behind the set's save, which the server holds; the window is
// not held, and a press of the next set typed meanwhile waits for that set's end.
void tst_QueuedStudentStore::aSetsJournalIsWrittenAfterItsSaveWhileTypingGoesOn() {
    QTemporaryDir dir;
    auto gated = std::make_unique<GatedStore>();
    GatedStore& inner = *gated;
    QueuedStudentStore store(std::move(gated));
    SessionOver over(store);
    StudentSession& session = over.session;
    session.keepJournalIn(dir.path());
    QVERIFY(session.take(QStringLiteral("Ann")).changed());
    const JournalPress hit{1'800'000'000, 0, 0, 'f', 'f', true, 300, 0};
    ScriptedDialogs dialogs;
    session.journalPress(hit);
    saveStudentInBackground(session, dialogs);
    writeJournal(session, dialogs);
    session.journalPress(hit);
    const QString path = PressJournal::pathFor(dir.path(), QStringLiteral("Ann"));
    QTest::qWait(20);
    QVERIFY(!QFileInfo::exists(path));
    inner.gate.release();
    QTRY_VERIFY(!store.busy());
    QCOMPARE(JournalReader(path).keyTrends().at('f').presses, 1);
    writeJournal(session, dialogs);
    QTRY_VERIFY(!store.busy());
    QCOMPARE(JournalReader(path).keyTrends().at('f').presses, 2);
    QVERIFY(dialogs.shown.isEmpty());
}

QTEST_GUILESS_MAIN(tst_QueuedStudentStore)
#include "tst_QueuedStudentStore.moc"
