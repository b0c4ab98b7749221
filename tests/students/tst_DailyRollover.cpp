// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/DailyRollover.h"
#include "students/FixedPoint.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"
#include "tests/common/RecordHistories.h"
#include "tests/common/RecordPatterns.h"

#include <QTest>

using namespace kf;

class tst_DailyRollover : public QObject {
    Q_OBJECT

private slots:
    void historiesLieWherePublished_data();
    void historiesLieWherePublished();
    void percentCorrect_data();
    void percentCorrect();
    void sessionSpeed_data();
    void sessionSpeed();
    void stepsRunPartAThenPartB_data();
    void stepsRunPartAThenPartB();
    void drillsSessionAddsItsPercentInFront();
    void nineSessionsPushTheFirstOut();
    void sessionWithoutDrillsMovesNothing();
    void brandNewStudentGetsZero();
    void wordCountingSectionUsesTheSessionTotals();
    void everyUsedSectionMovesEachHistoryOnceAndNothingElse();
};

namespace {

using WorkingTotals = SectionUsage::WorkingTotals;

WorkingTotals totals(long double seconds, long double keys, long double errors) {
    return {toFixedPoint(seconds), toFixedPoint(keys), toFixedPoint(errors)};
}

// A record whose every byte is set, histories included, so that a move or a stray write shows.
StudentRecord busyRecord() {
    return test::patternedRecord(7, 31);
}

void setDrillLatest(StudentRecord& record, long double keys, long double errors) {
    record.setFigure(layout::kBegSessionKeys, keys);
    record.setFigure(layout::kBegSessionMisses, errors);
}

SectionUsage drillsUsed() {
    SectionUsage usage;
    usage.markUsed(Section::BeginnersDrills);
    return usage;
}

using test::historyOf;

} // namespace

void tst_DailyRollover::historiesLieWherePublished_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<bool>("countsWords");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("adjusted");
    QTest::addColumn<int>("wpm");
    QTest::newRow("Lessons") << 0 << true << 9728 << 9760 << 9792;
    QTest::newRow("Beginners Drills") << 1 << false << 32344 << 0 << 0;
    QTest::newRow("Intermediate Drills") << 2 << true << 42168 << 42200 << 42232;
    QTest::newRow("Advanced Drills") << 3 << true << 55216 << 55248 << 55280;
    QTest::newRow("letter game") << 4 << true << 68264 << 68296 << 68328;
    QTest::newRow("10 Line Tests") << 5 << true << 81272 << 81304 << 81336;
    QTest::newRow("Timed Tests") << 6 << true << 94272 << 94304 << 94336;
}

void tst_DailyRollover::historiesLieWherePublished() {
    QFETCH(int, section);
    QFETCH(bool, countsWords);
    QFETCH(int, percent);
    QFETCH(int, adjusted);
    QFETCH(int, wpm);
    const SectionHistories& h = sectionHistories(static_cast<Section>(section));
    QCOMPARE(int(h.section), section);
    QCOMPARE(h.countsWords, countsWords);
    QCOMPARE(int(h.percentCorrect), percent);
    if (countsWords) {
        QCOMPARE(int(h.adjustedWpm), adjusted);
        QCOMPARE(int(h.wpm), wpm);
    }
}

void tst_DailyRollover::percentCorrect_data() {
    QTest::addColumn<double>("keys");
    QTest::addColumn<double>("errors");
    QTest::addColumn<int>("percent");
    QTest::newRow("250 keys, 20 errors") << 250.0 << 20.0 << 92;
    QTest::newRow("no errors") << 37.0 << 0.0 << 100;
    QTest::newRow("all wrong") << 12.0 << 12.0 << 0;
    QTest::newRow("no keys") << 0.0 << 0.0 << 0;
    QTest::newRow("no keys but errors") << 0.0 << 3.0 << 0;
    QTest::newRow("87.5 goes up to even") << 8.0 << 1.0 << 88;
    QTest::newRow("62.5 goes down to even") << 8.0 << 3.0 << 62;
    QTest::newRow("29.5 is a tie in decimals") << 200.0 << 141.0 << 30;
    QTest::newRow("600 keys, 30 errors") << 600.0 << 30.0 << 95;
}

void tst_DailyRollover::percentCorrect() {
    QFETCH(double, keys);
    QFETCH(double, errors);
    QFETCH(int, percent);
    QCOMPARE(kf::percentCorrect(toFixedPoint(keys), toFixedPoint(errors)), percent);
}

void tst_DailyRollover::sessionSpeed_data() {
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("keys");
    QTest::addColumn<double>("errors");
    QTest::addColumn<int>("wpm");
    QTest::addColumn<int>("adjusted");
    QTest::newRow("600 keys, 30 errors, 300 s") << 300.0 << 600.0 << 30.0 << 24 << 23;
    QTest::newRow("zero seconds") << 0.0 << 600.0 << 30.0 << 0 << 0;
    QTest::newRow("no keys") << 300.0 << 0.0 << 0.0 << 0 << 0;
    QTest::newRow("nothing") << 0.0 << 0.0 << 0.0 << 0 << 0;
    // 245 keys in 2 minutes are 24.5 words a minute: ties go to the even neighbour.
    QTest::newRow("wpm tie") << 120.0 << 245.0 << 0.0 << 24 << 24;
    // 10 words a minute at a quarter right is 2.5.
    QTest::newRow("adjusted tie") << 120.0 << 100.0 << 75.0 << 10 << 2;
    // One second is 0.0167 minutes, not 0.01666...: 21 keys are 251.497 words a minute (252
    // with unrounded minutes).
    QTest::newRow("minutes kept to four decimals") << 1.0 << 21.0 << 0.0 << 251 << 251;
}

void tst_DailyRollover::sessionSpeed() {
    QFETCH(double, seconds);
    QFETCH(double, keys);
    QFETCH(double, errors);
    QFETCH(int, wpm);
    QFETCH(int, adjusted);
    const SessionSpeed speed = kf::sessionSpeed(totals(seconds, keys, errors));
    QCOMPARE(speed.wpm, wpm);
    QCOMPARE(speed.adjustedWpm, adjusted);
}

void tst_DailyRollover::stepsRunPartAThenPartB_data() {
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<QString>("steps");
    QTest::newRow("none") << QList<int>{} << QString();
    QTest::newRow("drills only") << QList<int>{1} << QStringLiteral("B1");
    QTest::newRow("drills and advanced") << QList<int>{3, 1} << QStringLiteral("A3 B1 B3");
    QTest::newRow("all") << QList<int>{6, 5, 4, 3, 2, 1, 0}
                         << QStringLiteral("A0 A2 A3 A4 A5 A6 B0 B1 B2 B3 B4 B5 B6");
}

void tst_DailyRollover::stepsRunPartAThenPartB() {
    QFETCH(QList<int>, used);
    QFETCH(QString, steps);
    SectionUsage usage;
    for (int s : used)
        usage.markUsed(static_cast<Section>(s));
    QStringList got;
    for (const RolloverStep& step : rolloverSteps(usage))
        got.append(QStringLiteral("%1%2")
                       .arg(step.part == RolloverPart::WordsPerMinute ? QLatin1Char('A')
                                                                      : QLatin1Char('B'))
                       .arg(int(step.section)));
    QCOMPARE(got.join(QLatin1Char(' ')), steps);
}

void tst_DailyRollover::drillsSessionAddsItsPercentInFront() {
    StudentRecord record = busyRecord();
    const QList<std::int32_t> before = historyOf(record, layout::kBegPercentHistory);
    setDrillLatest(record, 250, 20);
    dailyRollover(record, drillsUsed());
    QList<std::int32_t> expected = before;
    expected.prepend(92);
    expected.removeLast();
    QCOMPARE(historyOf(record, layout::kBegPercentHistory), expected);
}

void tst_DailyRollover::nineSessionsPushTheFirstOut() {
    StudentRecord record;
    record.applyCreateDefaults();
    // Session n scores 100 keys with n errors: percent 100 - n.
    for (int session = 1; session <= 9; ++session) {
        setDrillLatest(record, 100, session);
        dailyRollover(record, drillsUsed());
    }
    QCOMPARE(historyOf(record, layout::kBegPercentHistory),
             (QList<std::int32_t>{91, 92, 93, 94, 95, 96, 97, 98}));
}

void tst_DailyRollover::sessionWithoutDrillsMovesNothing() {
    StudentRecord record = busyRecord();
    setDrillLatest(record, 250, 20); // the previous session's figures are still there
    const StudentRecord before = record;
    SectionUsage usage;
    usage.totals(Section::Lessons) = totals(300, 600, 30); // typed, but the flag says not used
    dailyRollover(record, usage);
    QVERIFY(record.bytes() == before.bytes());
}

void tst_DailyRollover::brandNewStudentGetsZero() {
    StudentRecord record = busyRecord();
    record.applyCreateDefaults();
    dailyRollover(record, drillsUsed());
    QCOMPARE(historyOf(record, layout::kBegPercentHistory), QList<std::int32_t>(8, 0));
    // The first session of a new student that finished a set is its own first entry.
    setDrillLatest(record, 10, 1);
    dailyRollover(record, drillsUsed());
    QCOMPARE(historyOf(record, layout::kBegPercentHistory),
             (QList<std::int32_t>{90, 0, 0, 0, 0, 0, 0, 0}));
}

void tst_DailyRollover::wordCountingSectionUsesTheSessionTotals() {
    StudentRecord record;
    record.applyCreateDefaults();
    // The record's latest-session fields of Lessons hold other figures; the roll-over of a
    // word-counting section reads the session's working totals.
    const std::size_t lessons = layout::kSectionBlocks[0];
    record.setFigure(lessons + layout::section::kSessionSeconds, 60);
    record.setFigure(lessons + layout::section::kSessionKeys, 50);
    record.setFigure(lessons + layout::section::kSessionErrors, 25);
    SectionUsage usage;
    usage.markUsed(Section::Lessons);
    usage.totals(Section::Lessons) = totals(300, 600, 30);
    dailyRollover(record, usage);
    const SectionHistories& h = sectionHistories(Section::Lessons);
    QCOMPARE(record.history(h.wpm, 0), 24);
    QCOMPARE(record.history(h.adjustedWpm, 0), 23);
    QCOMPARE(record.history(h.percentCorrect, 0), 95);
    QCOMPARE(historyOf(record, layout::kBegPercentHistory), QList<std::int32_t>(8, 0));
}

void tst_DailyRollover::everyUsedSectionMovesEachHistoryOnceAndNothingElse() {
    StudentRecord record = busyRecord();
    setDrillLatest(record, 250, 20);
    SectionUsage usage;
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        const auto section = static_cast<Section>(s);
        usage.markUsed(section);
        // A different session per section: 60 s, 100 + 50 s keys, s errors.
        usage.totals(section) = totals(60, 100 + 50.0L * s, s);
    }
    StudentRecord expected = record;
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        const SectionHistories& h = sectionHistories(static_cast<Section>(s));
        const long double keys = 100 + 50.0L * s;
        if (h.countsWords) {
            // One minute: the words are the keys over five.
            expected.pushHistory(h.wpm, roundHalfEven(keys / 5));
            expected.pushHistory(h.adjustedWpm, roundHalfEven((keys - s) / 5));
            expected.pushHistory(h.percentCorrect, roundHalfEven((keys - s) / keys * 100));
        } else {
            expected.pushHistory(h.percentCorrect, 92);
        }
    }
    dailyRollover(record, usage);
    for (std::size_t i = 0; i < layout::kRecordSize; ++i) {
        if (record.byte(i) != expected.byte(i))
            QFAIL(qPrintable(QStringLiteral("byte %1 differs").arg(i)));
    }
}

QTEST_GUILESS_MAIN(tst_DailyRollover)
#include "tst_DailyRollover.moc"
