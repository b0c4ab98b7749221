// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/KeyScoring.h"
#include "students/DrillSessionFigures.h"
#include "students/StudentRecord.h"

#include <QTest>

using namespace kf;
namespace L = kf::layout;

Q_DECLARE_METATYPE(QList<SetCount>)

class tst_KeyScoring : public QObject {
    Q_OBJECT

private slots:
    void speedAveragesTheTicksOfAKey_data();
    void speedAveragesTheTicksOfAKey();
    void accuracyCountsHitsOfAKey_data();
    void accuracyCountsHitsOfAKey();
    void missedCapitalsCountAgainstTheShiftHand_data();
    void missedCapitalsCountAgainstTheShiftHand();
    void aCharacterWithoutASlotBooksNothing();
    void setStatistics_data();
    void setStatistics();
};

namespace {

struct Book {
    StudentRecord record;
    DrillSessionFigures session;
    ScoreBook book() { return {record, session}; }
};

constexpr AnsiChar kA = 'a';

} // namespace

void tst_KeyScoring::speedAveragesTheTicksOfAKey_data() {
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<qint64>("averageSeconds"); // x 10,000
    // 18.2 ticks to the second.
    QTest::newRow("one press of 18 ticks") << QList<int>{18} << qint64(9890);
    QTest::newRow("18 and 36 ticks") << QList<int>{18, 36} << qint64(14835);
    QTest::newRow("three quick presses") << QList<int>{1, 1, 1} << qint64(549);
}

void tst_KeyScoring::speedAveragesTheTicksOfAKey() {
    QFETCH(QList<int>, ticks);
    QFETCH(qint64, averageSeconds);
    Book b;
    int sum = 0;
    for (int t : ticks) {
        recordKeySpeed(b.book(), kA, t);
        sum += t;
    }
    const int s = statisticsIndex(kA);
    const auto i = static_cast<std::size_t>(s);
    QCOMPARE(b.session.averageSeconds[i], averageSeconds);
    QCOMPARE(b.session.timedPresses[i], qint64(ticks.size()) * 10000);
    QCOMPARE(b.session.tickSum[i], qint64(sum) * 10000);
    QCOMPARE(b.record.perKeyStored(L::kBegAvgSeconds, s), averageSeconds);
    QCOMPARE(b.record.perKeyStored(L::kBegTicks, s), qint64(sum) * 10000);
    QCOMPARE(b.record.perKeyStored(L::kBegTimedPresses, s), qint64(ticks.size()) * 10000);
    QCOMPARE(b.record.i64(L::kBegSessionAvgSeconds + (i - 1) * 8), averageSeconds);
}

void tst_KeyScoring::accuracyCountsHitsOfAKey_data() {
    QTest::addColumn<QList<bool>>("hits");
    QTest::addColumn<qint64>("accuracy"); // x 10,000
    QTest::newRow("all hit") << QList<bool>{true, true} << qint64(10000);
    QTest::newRow("one of three missed") << QList<bool>{true, false, true} << qint64(6667);
    QTest::newRow("all missed") << QList<bool>{false, false} << qint64(0);
}

void tst_KeyScoring::accuracyCountsHitsOfAKey() {
    QFETCH(QList<bool>, hits);
    QFETCH(qint64, accuracy);
    Book b;
    for (bool hit : hits)
        recordKeyAccuracy(b.book(), kA, hit);
    const int s = statisticsIndex(kA);
    const auto i = static_cast<std::size_t>(s);
    const auto correct = qint64(hits.count(true));
    QCOMPARE(b.session.presented[i], qint64(hits.size()) * 10000);
    QCOMPARE(b.session.correct[i], correct * 10000);
    QCOMPARE(b.session.accuracy[i], accuracy);
    QCOMPARE(b.record.perKeyStored(L::kBegPresented, s), qint64(hits.size()) * 10000);
    QCOMPARE(b.record.perKeyStored(L::kBegCorrect, s), correct * 10000);
    QCOMPARE(b.record.perKeyStored(L::kBegAccuracy, s), accuracy);
    QCOMPARE(b.record.i64(L::kBegSessionAccuracy + (i - 1) * 8), accuracy);
}

void tst_KeyScoring::missedCapitalsCountAgainstTheShiftHand_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<char>("target");
    QTest::addColumn<bool>("hit");
    QTest::addColumn<int>("leftHandMisses");  // capitals the left hand types, right Shift held
    QTest::addColumn<int>("rightHandMisses"); // capitals the right hand types, left Shift held
    const auto us = int(Nationality::EnglishUS);
    const auto de = int(Nationality::German);
    QTest::newRow("A missed") << us << 'A' << false << 1 << 0;
    QTest::newRow("J missed") << us << 'J' << false << 0 << 1;
    QTest::newRow("A hit") << us << 'A' << true << 0 << 0;
    QTest::newRow("small a missed") << us << 'a' << false << 0 << 0;
    QTest::newRow("Y missed") << us << 'Y' << false << 0 << 1;
    QTest::newRow("German Y missed") << de << 'Y' << false << 1 << 0;
    QTest::newRow("German Z missed") << de << 'Z' << false << 0 << 1;
}

void tst_KeyScoring::missedCapitalsCountAgainstTheShiftHand() {
    QFETCH(int, nationality);
    QFETCH(char, target);
    QFETCH(bool, hit);
    QFETCH(int, leftHandMisses);
    QFETCH(int, rightHandMisses);
    Book b;
    b.record.setNationality(static_cast<Nationality>(nationality));
    recordKeyAccuracy(b.book(), static_cast<AnsiChar>(target), hit);
    recordKeyAccuracy(b.book(), static_cast<AnsiChar>(target), hit);
    QCOMPARE(b.record.i32(L::kBegLeftHandCapitalMisses), 2 * leftHandMisses);
    QCOMPARE(b.record.i32(L::kBegRightHandCapitalMisses), 2 * rightHandMisses);
    QCOMPARE(b.session.rightShiftLetterErrors, 2 * leftHandMisses);
    QCOMPARE(b.session.leftShiftLetterErrors, 2 * rightHandMisses);
}

void tst_KeyScoring::aCharacterWithoutASlotBooksNothing() {
    Book b;
    const StudentRecord::Bytes before = b.record.bytes();
    constexpr AnsiChar bell = 7;
    recordKeySpeed(b.book(), bell, 30);
    recordKeyAccuracy(b.book(), bell, false);
    QVERIFY(b.record.bytes() == before);
    QCOMPARE(b.session.presented, PerKeyFigures{});
    QCOMPARE(b.session.timedPresses, PerKeyFigures{});
}

void tst_KeyScoring::setStatistics_data() {
    QTest::addColumn<QList<SetCount>>("sets"); // seconds, hits, misses
    QTest::addColumn<int>("bestSeconds");
    QTest::addColumn<int>("bestTimeBeaten");
    QTest::addColumn<QString>("correctThisSet");
    QTest::addColumn<QString>("correctThisSession");
    QTest::newRow("the first set is the best") << QList<SetCount>{{20, 10, 0}} << 20 << 0
                                               << QStringLiteral("100%") << QStringLiteral("100%");
    QTest::newRow("a faster set beats it") << QList<SetCount>{{20, 10, 0}, {15, 9, 1}} << 15 << 15
                                           << QStringLiteral("90%") << QStringLiteral("95%");
    QTest::newRow("a slower set keeps it") << QList<SetCount>{{15, 10, 0}, {20, 0, 10}} << 15 << 0
                                           << QStringLiteral("0%") << QStringLiteral("50%");
    QTest::newRow("an equal set does not beat it")
        << QList<SetCount>{{15, 10, 0}, {15, 5, 5}} << 15 << 0 << QStringLiteral("50%")
        << QStringLiteral("75%");
}

void tst_KeyScoring::setStatistics() {
    QFETCH(QList<SetCount>, sets);
    QFETCH(int, bestSeconds);
    QFETCH(int, bestTimeBeaten);
    QFETCH(QString, correctThisSet);
    QFETCH(QString, correctThisSession);
    Book b;
    std::optional<std::int32_t> best;
    SetStatistics shown;
    qint64 presses = 0;
    qint64 misses = 0;
    for (const SetCount& set : sets) {
        shown = computeSetStatistics(b.book(), best, set);
        presses += set.hits + set.misses;
        misses += set.misses;
    }
    QCOMPARE(shown.bestSeconds, bestSeconds);
    QCOMPARE(best, std::optional<std::int32_t>(bestSeconds));
    QCOMPARE(shown.correctThisSet, correctThisSet);
    QCOMPARE(shown.correctThisSession, correctThisSession);
    QCOMPARE(b.record.i32(L::kBegBestTime), bestSeconds);
    QCOMPARE(b.record.i32(L::kBegBestTimeBeaten), bestTimeBeaten);
    QCOMPARE(b.session.lastSetSeconds, sets.last().seconds);
    QCOMPARE(b.record.i64(L::kBegKeysTotal), presses * 10000);
    QCOMPARE(b.record.i64(L::kBegMissesTotal), misses * 10000);
    QCOMPARE(b.record.i64(L::kBegSessionKeys), presses * 10000);
    QCOMPARE(b.record.i64(L::kBegSessionMisses), misses * 10000);
}

QTEST_GUILESS_MAIN(tst_KeyScoring)
#include "tst_KeyScoring.moc"
