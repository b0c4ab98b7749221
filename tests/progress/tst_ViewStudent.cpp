// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WorkingFolder.h"
#include "drills/DrillSessionFigures.h"
#include "progress/SectionUsage.h"
#include "progress/ViewStudent.h"
#include "students/RecordLayout.h"
#include "students/StudentFile.h"
#include "students/StudentRecord.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kf;

class tst_ViewStudent : public QObject {
    Q_OBJECT

private slots:
    void init();

    void anotherStudentReplacesRecordAndSession();
    void ownNameReloadsAndKeepsTheSession();
    void vanishedFileKeepsTheRecordAndTakesTheName();
    void unusableChoiceChangesNothing_data();
    void unusableChoiceChangesNothing();
    void longNameIsCut();
    void withoutACurrentUserAMissingFileKeepsTheFigures();

private:
    // Everything viewStudent may touch, set to figures that show any change.
    struct State {
        explicit State(const QString& folderPath)
            : folder(folderPath) {}
        StudentRecord record;
        QString name = QStringLiteral("Ann");
        DrillSessionFigures drill;
        SectionUsage usage;
        WorkingFolder folder;

        StudentSession session() { return {record, name, drill, usage, folder}; }
    };

    void writeStudent(const QString& name, std::int32_t bestTime);
    void fillSession(State& state);

    QTemporaryDir m_dir;
};

namespace {

constexpr std::int32_t kAnnBest = 11;
constexpr std::int32_t kBobBest = 22;

bool sessionFiguresEmpty(const DrillSessionFigures& d) {
    const auto empty = [](const PerKeyFigures& f) {
        return std::all_of(f.begin(), f.end(), [](std::int64_t v) { return v == 0; });
    };
    return empty(d.presented) && empty(d.correct) && empty(d.accuracy) && empty(d.timedPresses) &&
           empty(d.tickSum) && empty(d.averageSeconds) && d.sessionPresses == 0 &&
           d.sessionMisses == 0 && d.sessionSetSeconds == 0;
}

bool wordTotalsEmpty(const SectionUsage& usage) {
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        const auto& t = usage.totals(static_cast<Section>(s));
        if (t.seconds != 0 || t.keys != 0 || t.errors != 0)
            return false;
    }
    return true;
}

} // namespace

void tst_ViewStudent::init() {
    QVERIFY(m_dir.isValid());
    for (const QString& f : QDir(m_dir.path()).entryList(QDir::Files))
        QVERIFY(QFile::remove(m_dir.filePath(f)));
    writeStudent(QStringLiteral("Ann"), kAnnBest);
    writeStudent(QStringLiteral("Bob"), kBobBest);
}

void tst_ViewStudent::writeStudent(const QString& name, std::int32_t bestTime) {
    StudentRecord record;
    QVERIFY(StudentFile::create(m_dir.filePath(name + QStringLiteral(".stu")), record).done());
    record.setI32(layout::kBegBestTime, bestTime);
    QVERIFY(StudentFile::save(m_dir.filePath(name + QStringLiteral(".stu")), record).done());
}

// Ann has typed in this session: per-key figures, session totals, the shift counters, the
// drills flag and some lessons time. Her record in memory holds a figure her file lacks.
void tst_ViewStudent::fillSession(State& state) {
    state.record.setI32(layout::kBegBestTime, 99);
    state.drill.presented[3] = 20000;
    state.drill.correct[3] = 10000;
    state.drill.accuracy[3] = 5000;
    state.drill.timedPresses[3] = 20000;
    state.drill.tickSum[3] = 90000;
    state.drill.averageSeconds[3] = 24700;
    state.drill.sessionPresses = 20000;
    state.drill.sessionMisses = 10000;
    state.drill.sessionSetSeconds = 40000;
    state.drill.rightShiftLetterErrors = 4;
    state.drill.leftShiftLetterErrors = 5;
    state.drill.sessionHitsTotal = 7;
    state.drill.sessionMissesTotal = 3;
    state.usage.markUsed(Section::BeginnersDrills);
    state.usage.markUsed(Section::Lessons);
    state.usage.totals(Section::Lessons) = {600000, 1000000, 20000};
}

void tst_ViewStudent::anotherStudentReplacesRecordAndSession() {
    State state(m_dir.path());
    fillSession(state);

    const ViewedStudent viewed = viewStudent(state.session(), QStringLiteral("Bob"));

    QCOMPARE(viewed.status, ViewedStudent::Status::Loaded);
    QVERIFY(!viewed.sameName);
    QCOMPARE(state.name, QStringLiteral("Bob"));
    QCOMPARE(state.record.i32(layout::kBegBestTime), kBobBest);
    QVERIFY(sessionFiguresEmpty(state.drill));
    QVERIFY(wordTotalsEmpty(state.usage));
    QCOMPARE(state.drill.rightShiftLetterErrors, 0);
    QCOMPARE(state.drill.leftShiftLetterErrors, 0);
    // Bob has not typed in this session: a roll-over must not move his histories.
    QVERIFY(!state.usage.used(Section::BeginnersDrills));
    QVERIFY(!state.usage.used(Section::Lessons));
    // "Correct this session" counts every set since the program started.
    QCOMPARE(state.drill.sessionHitsTotal, 7.0);
    QCOMPARE(state.drill.sessionMissesTotal, 3.0);
    // Ann's figure in memory was not written back.
    StudentRecord ann;
    QVERIFY(StudentFile::load(m_dir.filePath(QStringLiteral("Ann.stu")), ann).done());
    QCOMPARE(ann.i32(layout::kBegBestTime), kAnnBest);
}

void tst_ViewStudent::ownNameReloadsAndKeepsTheSession() {
    State state(m_dir.path());
    fillSession(state);

    const ViewedStudent viewed = viewStudent(state.session(), QStringLiteral("Ann"));

    QCOMPARE(viewed.status, ViewedStudent::Status::Loaded);
    QVERIFY(viewed.sameName);
    QCOMPARE(state.name, QStringLiteral("Ann"));
    QCOMPARE(state.record.i32(layout::kBegBestTime), kAnnBest);
    QVERIFY(sessionFiguresEmpty(state.drill));
    // Her own session goes on: what she typed still rolls into her histories.
    QVERIFY(state.usage.used(Section::BeginnersDrills));
    QVERIFY(state.usage.used(Section::Lessons));
}

void tst_ViewStudent::vanishedFileKeepsTheRecordAndTakesTheName() {
    State state(m_dir.path());
    fillSession(state);
    QVERIFY(QFile::remove(m_dir.filePath(QStringLiteral("Bob.stu"))));

    const ViewedStudent viewed = viewStudent(state.session(), QStringLiteral("Bob"));

    QCOMPARE(viewed.status, ViewedStudent::Status::FileMissing);
    QVERIFY(viewed.nameTaken());
    QCOMPARE(state.name, QStringLiteral("Bob"));
    QCOMPARE(state.record.i32(layout::kBegBestTime), 99);
    QVERIFY(sessionFiguresEmpty(state.drill));
    // Counters other than the working figures are reset only with a record read.
    QCOMPARE(state.drill.rightShiftLetterErrors, 4);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("Bob.stu"))));
}

void tst_ViewStudent::unusableChoiceChangesNothing_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QByteArray>("bobFile"); // replaces Bob's file when not null
    QTest::addColumn<int>("status");

    QTest::newRow("nothing selected")
        << QString() << QByteArray() << int(ViewedStudent::Status::NothingSelected);
    QTest::newRow("short file") << QStringLiteral("Bob") << QByteArray(5000, 'x')
                                << int(ViewedStudent::Status::Unreadable);
    QTest::newRow("empty file") << QStringLiteral("Bob") << QByteArray("")
                                << int(ViewedStudent::Status::Unreadable);
}

void tst_ViewStudent::unusableChoiceChangesNothing() {
    QFETCH(QString, chosen);
    QFETCH(QByteArray, bobFile);
    QFETCH(int, status);

    if (!bobFile.isNull()) {
        QFile file(m_dir.filePath(QStringLiteral("Bob.stu")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bobFile), bobFile.size());
    }
    State state(m_dir.path());
    fillSession(state);
    const StudentRecord before = state.record;
    const DrillSessionFigures drillBefore = state.drill;

    const ViewedStudent viewed = viewStudent(state.session(), chosen);

    QCOMPARE(int(viewed.status), status);
    QVERIFY(!viewed.nameTaken());
    QCOMPARE(viewed.message.isEmpty(), status != int(ViewedStudent::Status::Unreadable));
    QCOMPARE(state.name, QStringLiteral("Ann"));
    QVERIFY(state.record.bytes() == before.bytes());
    QCOMPARE(state.drill.presented, drillBefore.presented);
    QCOMPARE(state.drill.sessionPresses, drillBefore.sessionPresses);
    QCOMPARE(state.drill.rightShiftLetterErrors, drillBefore.rightShiftLetterErrors);
    QVERIFY(state.usage.used(Section::BeginnersDrills));
    QCOMPARE(state.usage.totals(Section::Lessons).keys, 1000000);
}

void tst_ViewStudent::longNameIsCut() {
    const QString name45 = QString(45, u'n');
    writeStudent(name45, 45);
    State state(m_dir.path());

    const ViewedStudent viewed = viewStudent(state.session(), name45 + QStringLiteral("tail"));

    QCOMPARE(viewed.status, ViewedStudent::Status::Loaded);
    QCOMPARE(state.name, name45);
    QCOMPARE(state.record.i32(layout::kBegBestTime), 45);
}

void tst_ViewStudent::withoutACurrentUserAMissingFileKeepsTheFigures() {
    State state(m_dir.path());
    fillSession(state);
    state.name.clear();

    const ViewedStudent viewed = viewStudent(state.session(), QStringLiteral("Cy"));

    QCOMPARE(viewed.status, ViewedStudent::Status::FileMissing);
    QCOMPARE(state.name, QStringLiteral("Cy"));
    QCOMPARE(state.drill.sessionPresses, 20000);
    QCOMPARE(state.drill.presented[3], 20000);
}

QTEST_GUILESS_MAIN(tst_ViewStudent)
#include "tst_ViewStudent.moc"
