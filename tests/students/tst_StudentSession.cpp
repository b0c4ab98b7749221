// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/doubles/MemoryStudentStore.h"
#include "students/RecordLayout.h"
#include "students/StudentSession.h"
#include "tests/common/RecordHistories.h"
#include "tests/common/RecordPatterns.h"

#include <QTest>

using namespace kf;

// The ways a student's session ends.
enum class Change { TakeOther, TakeOwn, TakeNew, Close };
Q_DECLARE_METATYPE(Change)

class tst_StudentSession : public QObject {
    Q_OBJECT

private slots:
    void takingAnotherNameRollsTheOutgoingSessionOverOnce();
    void retakingOwnNameKeepsTheNewestRecord();
    void failedSaveChangesNothingAndTryingAgainRollsOverOnce_data();
    void failedSaveChangesNothingAndTryingAgainRollsOverOnce();
    void refusedIncomingStudentChangesNothing_data();
    void refusedIncomingStudentChangesNothing();
    void newUserIsCreatedLockedAndBegun();
    void newUserWhoseNameIsTakenChangesNothing();
    void viewingAnotherStudentAndComingBackRestoresTheSession();
    void viewingLocksNothingAndWritesNothing();
    void leavingWhileViewingEndsTheOwnersSession_data();
    void leavingWhileViewingEndsTheOwnersSession();
    void viewingAFileThatIsGoneKeepsTheRecord();
    void unusableViewChangesNothing_data();
    void unusableViewChangesNothing();
    void viewedNameIsCut();
    void closingReleasesTheLockAndEndsOnce();
    void fileReplacedFromOutsideIsToldAndNotWrittenOver_data();
    void fileReplacedFromOutsideIsToldAndNotWrittenOver();
    void leavingAnOwnerWhoseFileWentIsToldFirst_data();
    void leavingAnOwnerWhoseFileWentIsToldFirst();
    void lockOfARefusedIncomingStudentIsLetGo_data();
    void lockOfARefusedIncomingStudentIsLetGo();
};

namespace {

// The marks of the students' records (markedRecord): each is that student's best time too.
constexpr std::int32_t kAnnBest = 11;
constexpr std::int32_t kBobBest = 22;
constexpr std::int32_t kCyBest = 33;

using test::markedRecord;
using test::percentHistory;
using test::pushed;

// Everything a change of student may touch, with Ann, Bob and Cy on file.
struct Fixture {
    Fixture() {
        store.put(QStringLiteral("Ann"), markedRecord(kAnnBest));
        store.put(QStringLiteral("Bob"), markedRecord(kBobBest));
        store.put(QStringLiteral("Cy"), markedRecord(kCyBest));
    }

    // Ann is current and has drilled 250 keys with 20 misses (92 percent), one set written, and
    // her record in memory holds a figure her file lacks.
    void annHasDrilled() {
        QVERIFY(session.take(QStringLiteral("Ann")).changed());
        usage.markUsed(Section::BeginnersDrills);
        usage.markUsed(Section::Lessons);
        usage.totals(Section::Lessons) = {600000, 1000000, 20000};
        record.setFigure(layout::kBegSessionKeys, 250);
        record.setFigure(layout::kBegSessionMisses, 20);
        drill.presented[3] = 20000;
        drill.sessionPresses = 2500000;
        drill.rightShiftLetterErrors = 4;
        QCOMPARE(session.save().status, SaveOutcome::Status::Written);
        record.setI32(layout::kBegBestTime, 99);
        annBefore = record;
        store.saves.clear();
    }

    const StudentRecord& onFile(const char* student) const {
        return *store.file(QString::fromLatin1(student));
    }

    // Ann's session as annHasDrilled left it, untouched.
    void annIsAsBefore() const {
        QCOMPARE(session.owner(), QStringLiteral("Ann"));
        QCOMPARE(name, QStringLiteral("Ann"));
        QVERIFY(record.bytes() == annBefore.bytes());
        QVERIFY(usage.used(Section::BeginnersDrills));
        QCOMPARE(usage.totals(Section::Lessons).keys, 1000000);
        QCOMPARE(drill.presented[3], 20000);
        QCOMPARE(drill.rightShiftLetterErrors, 4);
        QVERIFY(store.held.contains(QStringLiteral("Ann")));
    }

    MemoryStudentStore store;
    StudentRecord record;
    QString name;
    DrillSessionFigures drill;
    SectionUsage usage;
    StudentSession session{store, record, name, drill, usage};
    StudentRecord annBefore;
};

ChangeOutcome change(Fixture& f, Change how) {
    switch (how) {
    case Change::TakeOther:
        return f.session.take(QStringLiteral("Bob"));
    case Change::TakeOwn:
        return f.session.take(QStringLiteral("Ann"));
    case Change::TakeNew:
        return f.session.takeNew(QStringLiteral("Dee"));
    case Change::Close:
        return f.session.close();
    }
    return {};
}

} // namespace

void tst_StudentSession::takingAnotherNameRollsTheOutgoingSessionOverOnce() {
    Fixture f;
    f.annHasDrilled();

    QVERIFY(f.session.take(QStringLiteral("Bob")).changed());

    QCOMPARE(percentHistory(f.onFile("Ann")), pushed(percentHistory(f.annBefore), 92));
    QCOMPARE(f.onFile("Ann").i32(layout::kBegBestTime), 99);
    QCOMPARE(f.store.saves, QStringList{QStringLiteral("Ann")});
    // Bob's record, untouched, and a session of his own.
    QCOMPARE(f.name, QStringLiteral("Bob"));
    QCOMPARE(f.session.owner(), QStringLiteral("Bob"));
    QVERIFY(f.record.bytes() == markedRecord(kBobBest).bytes());
    QVERIFY(!f.usage.used(Section::BeginnersDrills));
    QCOMPARE(f.usage.totals(Section::Lessons).keys, 0);
    QCOMPARE(f.drill.presented[3], 0);
    QCOMPARE(f.store.held, QSet<QString>{QStringLiteral("Bob")});
    // His session has nothing in it: closing moves none of his histories.
    QVERIFY(f.session.close().changed());
    QCOMPARE(percentHistory(f.onFile("Bob")), percentHistory(markedRecord(kBobBest)));
}

void tst_StudentSession::retakingOwnNameKeepsTheNewestRecord() {
    Fixture f;
    f.annHasDrilled();
    f.store.loads.clear();

    QVERIFY(f.session.take(QStringLiteral("Ann")).changed());

    // The record in memory is the newest copy: it is rolled over and written, not read again.
    QVERIFY(f.store.loads.isEmpty());
    QCOMPARE(percentHistory(f.onFile("Ann")), pushed(percentHistory(f.annBefore), 92));
    QCOMPARE(f.onFile("Ann").i32(layout::kBegBestTime), 99);
    QVERIFY(f.record.bytes() == f.onFile("Ann").bytes());
    QVERIFY(!f.usage.used(Section::BeginnersDrills));
    QCOMPARE(f.store.held, QSet<QString>{QStringLiteral("Ann")});
    // The session that ended has had its entry: closing adds none.
    QVERIFY(f.session.close().changed());
    QCOMPARE(percentHistory(f.onFile("Ann")), pushed(percentHistory(f.annBefore), 92));
}

void tst_StudentSession::failedSaveChangesNothingAndTryingAgainRollsOverOnce_data() {
    QTest::addColumn<Change>("how");
    QTest::addColumn<bool>("viewingCy");
    QTest::newRow("take another") << Change::TakeOther << false;
    QTest::newRow("take own") << Change::TakeOwn << false;
    QTest::newRow("new user") << Change::TakeNew << false;
    QTest::newRow("close") << Change::Close << false;
    QTest::newRow("close while viewing") << Change::Close << true;
    QTest::newRow("take another while viewing") << Change::TakeOther << true;
}

void tst_StudentSession::failedSaveChangesNothingAndTryingAgainRollsOverOnce() {
    QFETCH(Change, how);
    QFETCH(bool, viewingCy);
    Fixture f;
    f.annHasDrilled();
    if (viewingCy)
        QCOMPARE(f.session.view(QStringLiteral("Cy")).status, ViewedStudent::Status::Loaded);
    const QString shownName = f.name;
    const StudentRecord shown = f.record;
    f.store.failingSaves = 1;

    const ChangeOutcome failed = change(f, how);

    QCOMPARE(failed.status, ChangeOutcome::Status::SaveFailed);
    QCOMPARE(failed.message, MemoryStudentStore::kSaveFailure);
    QCOMPARE(percentHistory(f.onFile("Ann")), percentHistory(markedRecord(kAnnBest)));
    QCOMPARE(f.session.owner(), QStringLiteral("Ann"));
    QCOMPARE(f.name, shownName);
    QVERIFY(f.record.bytes() == shown.bytes());
    QCOMPARE(f.store.held, QSet<QString>{QStringLiteral("Ann")});
    QVERIFY(f.store.file(QStringLiteral("Dee")) == nullptr);
    if (!viewingCy)
        f.annIsAsBefore();

    // Space freed, the same change again: one history entry, not two.
    QVERIFY(change(f, how).changed());
    QCOMPARE(percentHistory(f.onFile("Ann")), pushed(percentHistory(f.annBefore), 92));
    QCOMPARE(f.onFile("Ann").i32(layout::kBegBestTime), 99);
}

void tst_StudentSession::refusedIncomingStudentChangesNothing_data() {
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("status");
    QTest::newRow("in use elsewhere") << true << int(ChangeOutcome::Status::InUseElsewhere);
    QTest::newRow("unreadable") << false << int(ChangeOutcome::Status::Unreadable);
}

void tst_StudentSession::refusedIncomingStudentChangesNothing() {
    QFETCH(bool, locked);
    QFETCH(int, status);
    Fixture f;
    f.annHasDrilled();
    (locked ? f.store.lockedElsewhere : f.store.unreadable).insert(QStringLiteral("Bob"));

    const ChangeOutcome refused = f.session.take(QStringLiteral("Bob"));

    QCOMPARE(int(refused.status), status);
    QVERIFY(refused.message.contains(QStringLiteral("Bob")));
    f.annIsAsBefore();
    QVERIFY(f.store.saves.isEmpty());
    QCOMPARE(f.store.held, QSet<QString>{QStringLiteral("Ann")});
}

void tst_StudentSession::newUserIsCreatedLockedAndBegun() {
    Fixture f;
    f.annHasDrilled();

    QVERIFY(f.session.takeNew(QStringLiteral("Dee")).changed());

    QCOMPARE(percentHistory(f.onFile("Ann")), pushed(percentHistory(f.annBefore), 92));
    QCOMPARE(f.name, QStringLiteral("Dee"));
    StudentRecord fresh;
    fresh.applyCreateDefaults();
    QCOMPARE(f.record.i32(layout::kBegBestTime), 0);
    QCOMPARE(percentHistory(f.record), percentHistory(fresh));
    QVERIFY(f.store.file(QStringLiteral("Dee")) != nullptr);
    QVERIFY(!f.usage.used(Section::BeginnersDrills));
    QCOMPARE(f.store.held, QSet<QString>{QStringLiteral("Dee")});
}

void tst_StudentSession::newUserWhoseNameIsTakenChangesNothing() {
    Fixture f;
    f.annHasDrilled();
    QCOMPARE(f.session.takeNew(QStringLiteral("Bob")).status, ChangeOutcome::Status::Exists);
    f.annIsAsBefore();
    f.store.failCreate = true;
    const ChangeOutcome failed = f.session.takeNew(QStringLiteral("Dee"));
    QCOMPARE(failed.status, ChangeOutcome::Status::NotCreated);
    QVERIFY(failed.message.contains(QStringLiteral("Dee.stu")));
    f.annIsAsBefore();
    QVERIFY(f.store.saves.isEmpty());
    QCOMPARE(f.store.held, QSet<QString>{QStringLiteral("Ann")});
}

void tst_StudentSession::viewingAnotherStudentAndComingBackRestoresTheSession() {
    Fixture f;
    f.annHasDrilled();

    const ViewedStudent bob = f.session.view(QStringLiteral("Bob"));
    QCOMPARE(bob.status, ViewedStudent::Status::Loaded);
    QVERIFY(!bob.sameName);
    QVERIFY(f.session.viewing());
    QCOMPARE(f.name, QStringLiteral("Bob"));
    QVERIFY(f.record.bytes() == markedRecord(kBobBest).bytes());
    // Bob has typed nothing in this session.
    QVERIFY(!f.usage.used(Section::BeginnersDrills));
    QCOMPARE(f.usage.totals(Section::Lessons).keys, 0);
    QCOMPARE(f.drill.presented[3], 0);
    QCOMPARE(f.drill.sessionPresses, 0);

    QCOMPARE(f.session.view(QStringLiteral("Cy")).status, ViewedStudent::Status::Loaded);
    QVERIFY(f.record.bytes() == markedRecord(kCyBest).bytes());

    const ViewedStudent ann = f.session.view(QStringLiteral("Ann"));
    QCOMPARE(ann.status, ViewedStudent::Status::Loaded);
    QVERIFY(!f.session.viewing());
    f.annIsAsBefore();

    QVERIFY(f.session.close().changed());
    QCOMPARE(percentHistory(f.onFile("Ann")), pushed(percentHistory(f.annBefore), 92));
    QCOMPARE(f.store.saves, QStringList{QStringLiteral("Ann")});
}

void tst_StudentSession::viewingLocksNothingAndWritesNothing() {
    Fixture f;
    f.annHasDrilled();
    f.store.lockedElsewhere.insert(QStringLiteral("Bob")); // viewing needs no lock
    QCOMPARE(f.session.view(QStringLiteral("Bob")).status, ViewedStudent::Status::Loaded);
    QCOMPARE(f.store.held, QSet<QString>{QStringLiteral("Ann")});

    f.record.setI32(layout::kBegBestTime, 1); // typed while viewing
    QCOMPARE(f.session.save().status, SaveOutcome::Status::Viewing);
    QVERIFY(f.session.tellViewingOnce());
    QVERIFY(!f.session.tellViewingOnce());
    QVERIFY(f.store.saves.isEmpty());
    QVERIFY(f.onFile("Bob").bytes() == markedRecord(kBobBest).bytes());

    // Her own name shown again, saves are hers again.
    QCOMPARE(f.session.view(QStringLiteral("Ann")).status, ViewedStudent::Status::Loaded);
    QCOMPARE(f.session.save().status, SaveOutcome::Status::Written);
    QCOMPARE(f.onFile("Ann").i32(layout::kBegBestTime), 99);
}

void tst_StudentSession::leavingWhileViewingEndsTheOwnersSession_data() {
    QTest::addColumn<Change>("how");
    QTest::newRow("close") << Change::Close;
    QTest::newRow("take the viewed name") << Change::TakeOther;
    QTest::newRow("take own name") << Change::TakeOwn;
    QTest::newRow("new user") << Change::TakeNew;
}

void tst_StudentSession::leavingWhileViewingEndsTheOwnersSession() {
    QFETCH(Change, how);
    Fixture f;
    f.annHasDrilled();
    QCOMPARE(f.session.view(QStringLiteral("Bob")).status, ViewedStudent::Status::Loaded);
    f.record.setI32(layout::kBegBestTime, 1); // typed into the viewed copy

    QVERIFY(change(f, how).changed());

    QCOMPARE(percentHistory(f.onFile("Ann")), pushed(percentHistory(f.annBefore), 92));
    QCOMPARE(f.onFile("Ann").i32(layout::kBegBestTime), 99);
    QVERIFY(!f.session.viewing());
    // The viewed student never gets an entry, nor what was typed into the viewed copy.
    QVERIFY(f.onFile("Bob").bytes() == markedRecord(kBobBest).bytes());
    if (how == Change::TakeOther) {
        QVERIFY(f.record.bytes() == markedRecord(kBobBest).bytes());
        QCOMPARE(f.store.held, QSet<QString>{QStringLiteral("Bob")});
    }
    if (how == Change::TakeOwn)
        QVERIFY(f.record.bytes() == f.onFile("Ann").bytes());
}

void tst_StudentSession::viewingAFileThatIsGoneKeepsTheRecord() {
    Fixture f;
    f.annHasDrilled();
    f.store.files.remove(QStringLiteral("Bob"));

    const ViewedStudent viewed = f.session.view(QStringLiteral("Bob"));

    QCOMPARE(viewed.status, ViewedStudent::Status::FileMissing);
    QVERIFY(viewed.nameTaken());
    QCOMPARE(f.name, QStringLiteral("Bob"));
    QVERIFY(f.record.bytes() == f.annBefore.bytes());
    QCOMPARE(f.drill.presented[3], 0);
    QVERIFY(!f.usage.used(Section::BeginnersDrills));
    QVERIFY(f.session.close().changed());
    QCOMPARE(percentHistory(f.onFile("Ann")), pushed(percentHistory(f.annBefore), 92));
}

void tst_StudentSession::unusableViewChangesNothing_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<int>("status");
    QTest::newRow("nothing selected")
        << QString() << false << int(ViewedStudent::Status::NothingSelected);
    QTest::newRow("unreadable file")
        << QStringLiteral("Bob") << true << int(ViewedStudent::Status::Unreadable);
    QTest::newRow("own name") << QStringLiteral("Ann") << false
                              << int(ViewedStudent::Status::Loaded);
}

void tst_StudentSession::unusableViewChangesNothing() {
    QFETCH(QString, chosen);
    QFETCH(bool, unreadable);
    QFETCH(int, status);
    Fixture f;
    f.annHasDrilled();
    if (unreadable)
        f.store.unreadable.insert(chosen);

    const ViewedStudent viewed = f.session.view(chosen);

    QCOMPARE(int(viewed.status), status);
    QCOMPARE(viewed.message.isEmpty(), !unreadable);
    QCOMPARE(viewed.sameName, chosen == QStringLiteral("Ann"));
    QVERIFY(!f.session.viewing());
    f.annIsAsBefore();
}

void tst_StudentSession::viewedNameIsCut() {
    Fixture f;
    f.annHasDrilled();
    const QString name45(45, u'n');
    f.store.put(name45, markedRecord(45));
    QCOMPARE(f.session.view(name45 + QStringLiteral("tail")).status, ViewedStudent::Status::Loaded);
    QCOMPARE(f.name, name45);
    QCOMPARE(f.record.i32(layout::kBegBestTime), 45);
}

void tst_StudentSession::closingReleasesTheLockAndEndsOnce() {
    Fixture f;
    f.annHasDrilled();
    QVERIFY(f.session.close().changed());
    QVERIFY(f.store.held.isEmpty());
    QVERIFY(f.session.owner().isEmpty());
    QCOMPARE(f.session.save().status, SaveOutcome::Status::NotWritten);
    QVERIFY(f.session.close().changed());
    QCOMPARE(f.store.saves, QStringList{QStringLiteral("Ann")});
    QCOMPARE(percentHistory(f.onFile("Ann")), pushed(percentHistory(f.annBefore), 92));

    // Quitting without the last write lets the lock go as well.
    Fixture g;
    g.annHasDrilled();
    g.session.abandon();
    QVERIFY(g.store.held.isEmpty());
    QVERIFY(g.store.saves.isEmpty());
}

void tst_StudentSession::fileReplacedFromOutsideIsToldAndNotWrittenOver_data() {
    QTest::addColumn<bool>("closing");
    QTest::newRow("at a set's end") << false;
    QTest::newRow("at close") << true;
}

void tst_StudentSession::fileReplacedFromOutsideIsToldAndNotWrittenOver() {
    QFETCH(bool, closing);
    Fixture f;
    f.annHasDrilled();
    QCOMPARE(f.session.save().status, SaveOutcome::Status::Written); // her own writes are hers
    const StudentRecord older = markedRecord(kAnnBest);
    f.store.put(QStringLiteral("Ann"), older); // a teacher copies an older file over hers
    f.store.saves.clear();

    QString told;
    if (closing) {
        const ChangeOutcome closed = f.session.close();
        QCOMPARE(closed.status, ChangeOutcome::Status::Gone);
        told = closed.message;
    } else {
        const SaveOutcome saved = f.session.save();
        QCOMPARE(saved.status, SaveOutcome::Status::Gone);
        told = saved.message;
    }

    QVERIFY2(told.startsWith(QStringLiteral("The student file of Ann has changed on disk")),
             qPrintable(told));
    QVERIFY(told.contains(QStringLiteral("Write the file of Ann anew")));
    QVERIFY(f.store.saves.isEmpty());
    QVERIFY(f.onFile("Ann").bytes() == older.bytes());
    // Her session stays in memory; the next set asks again rather than go unsaved unseen.
    QCOMPARE(f.session.owner(), QStringLiteral("Ann"));
    const StudentRecord kept = f.record;
    QCOMPARE(kept.i32(layout::kBegBestTime), 99);
    const SaveOutcome again = f.session.save();
    QCOMPARE(again.status, SaveOutcome::Status::Gone);
    QVERIFY(again.message.contains(QStringLiteral("Write the file of Ann anew")));
    QVERIFY(f.onFile("Ann").bytes() == older.bytes());

    // Asked for, her work is written anew; the session's entry was booked once, at close.
    QCOMPARE(f.session.writeAnew().status, SaveOutcome::Status::Written);
    QVERIFY(f.onFile("Ann").bytes() == kept.bytes());
    QCOMPARE(percentHistory(f.onFile("Ann")),
             closing ? pushed(percentHistory(f.annBefore), 92) : percentHistory(f.annBefore));
    QCOMPARE(f.session.save().status, SaveOutcome::Status::Written);
    QCOMPARE(f.session.save().status, SaveOutcome::Status::Written);
}

void tst_StudentSession::leavingAnOwnerWhoseFileWentIsToldFirst_data() {
    QTest::addColumn<Change>("how");
    QTest::addColumn<bool>("replaced"); // otherwise deleted
    QTest::newRow("take, deleted") << Change::TakeOther << false;
    QTest::newRow("take, replaced") << Change::TakeOther << true;
    QTest::newRow("new user, deleted") << Change::TakeNew << false;
    QTest::newRow("new user, replaced") << Change::TakeNew << true;
}

void tst_StudentSession::leavingAnOwnerWhoseFileWentIsToldFirst() {
    QFETCH(Change, how);
    QFETCH(bool, replaced);
    Fixture f;
    f.annHasDrilled();
    if (replaced)
        f.store.put(QStringLiteral("Ann"), markedRecord(kAnnBest));
    else
        f.store.remove(QStringLiteral("Ann"));

    const ChangeOutcome first = change(f, how);

    QCOMPARE(first.status, ChangeOutcome::Status::Gone);
    QVERIFY2(first.message.startsWith(QStringLiteral("The student file of Ann has")),
             qPrintable(first.message));
    f.annIsAsBefore();
    QCOMPARE(f.store.held, QSet<QString>{QStringLiteral("Ann")});
    QVERIFY(f.store.file(QStringLiteral("Dee")) == nullptr);
    // Told once, she may let the change go on without her file.
    QVERIFY(change(f, how).changed());
    QVERIFY(f.store.saves.isEmpty());
    QVERIFY(!f.store.held.contains(QStringLiteral("Ann")));
}

void tst_StudentSession::lockOfARefusedIncomingStudentIsLetGo_data() {
    QTest::addColumn<Change>("how");
    QTest::addColumn<bool>("unreadable"); // otherwise the outgoing save fails
    QTest::newRow("take, unreadable") << Change::TakeOther << true;
    QTest::newRow("take, save failed") << Change::TakeOther << false;
    QTest::newRow("new user, save failed") << Change::TakeNew << false;
}

void tst_StudentSession::lockOfARefusedIncomingStudentIsLetGo() {
    QFETCH(Change, how);
    QFETCH(bool, unreadable);
    Fixture f;
    f.annHasDrilled();
    if (unreadable)
        f.store.unreadable.insert(QStringLiteral("Bob"));
    else
        f.store.failingSaves = 1;

    QVERIFY(!change(f, how).changed());

    QCOMPARE(f.store.held, QSet<QString>{QStringLiteral("Ann")});
    f.annIsAsBefore();
    // Nothing of the refused change stays behind: it goes through at the next try.
    f.store.unreadable.clear();
    QVERIFY(change(f, how).changed());
    QCOMPARE(f.store.held.size(), 1);
    QVERIFY(!f.store.held.contains(QStringLiteral("Ann")));
}

QTEST_GUILESS_MAIN(tst_StudentSession)
#include "tst_StudentSession.moc"
