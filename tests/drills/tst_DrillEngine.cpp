// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrillHarness.h"
#include "drills/DrillCaption.h"
#include "drills/DrillLayout.h"
#include "drills/DrillTitles.h"
#include "drills/ReactionClock.h"
#include "keyboard/KeyTable.h"
#include "keyboard/Windows1252.h"
#include "students/FixedPoint.h"

#include <QTest>

using namespace kf;
using namespace kf::test;
using C = DrillControl;
namespace L = kf::layout;

class tst_DrillEngine : public QObject {
    Q_OBJECT

private slots:
    void reactionTicksFollowTheClock_data();
    void reactionTicksFollowTheClock();
    void drillTitles_data();
    void drillTitles();

    void tenKeysWithoutMisses_data();
    void tenKeysWithoutMisses();
    void percentCorrect_data();
    void percentCorrect();
    void sessionPercent_data();
    void sessionPercent();
    void missWithPauseWaitsForTheTarget();
    void pausedLastMissEndsTheSetOnTheCorrection_data();
    void pausedLastMissEndsTheSetOnTheCorrection();
    void escape_data();
    void escape();
    void keysBeforeTheFirstSpaceAreIgnored();
    void spaceReplaysTheHandsAndIsNeverAMiss_data();
    void spaceReplaysTheHandsAndIsNeverAMiss();
    void handTimerWaitsTheHandDelayOnceAnAnimationEnds();
    void bestTime_data();
    void bestTime();
    void setFinishedWithinItsFirstSecondTakesZero();
    void slowestKeyKeepsTheEarliestOfEqualTimes();
    void shiftLetterErrors_data();
    void shiftLetterErrors();
    void ampersandShowsAsDoubleAmpersand();
    void everyRecordFieldAfterAScriptedSet();
    void stalledTimersLoseNoTicks();
    void setClockCountsElapsedSeconds();
    void setClockStopsAtTheClosingEnter_data();
    void setClockStopsAtTheClosingEnter();
    void blinkTimerBlinks();
    void buttonsDuringAndAfterASet_data();
    void buttonsDuringAndAfterASet();
    void hiddenRowsSuppressTheirMarks();
    void hiddenInstructionsStayHiddenAfterAPause_data();
    void hiddenInstructionsStayHiddenAfterAPause();
    void doEverythingIncludesCapitals();
    void firstScoredKeyOfTheSessionStartsTheSlowestKeyAfresh();
    void sectionUsedOnlyOnceAKeyIsScored();
    void soundsOfASet();
};

namespace {

// Stored units of a per-key average, as the record keeps them: the tick sum over 18.2 ticks a
// second, over the number of timed presses.
std::int64_t storedAverage(std::int64_t storedTickSum, std::int64_t storedTimed) {
    return static_cast<std::int64_t>(std::nearbyint(static_cast<long double>(storedTickSum) /
                                                    182000.0L / storedTimed * 100000000.0L));
}

std::int64_t storedRatio(std::int64_t storedCorrect, std::int64_t storedPresented) {
    return static_cast<std::int64_t>(
        std::nearbyint(static_cast<long double>(storedCorrect) / storedPresented * 10000.0L));
}

std::int64_t perKeyAt(const StudentRecord& r, std::size_t array, int index) {
    return r.i64(array + static_cast<std::size_t>(index - 1) * 8);
}

// Plays a whole set: presses listed in `misses` (1-based) are missed without a pause.
// No pause after a miss and no closing Enter.
void playSet(DrillHarness& h, int length, const QList<int>& misses) {
    h.globals.record.setFlag(L::kBegPauseOnMiss, false);
    h.globals.record.setFlag(L::kBegAddEnter, false);
    h.engine->chooseSetLength(length);
    h.space();
    for (int i = 1; i <= length; ++i) {
        if (misses.contains(i))
            h.typeWrong();
        else
            h.typeTarget();
    }
}

} // namespace

void tst_DrillEngine::reactionTicksFollowTheClock_data() {
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<int>("ticks");
    QTest::newRow("shown now") << qint64(0) << 1;
    QTest::newRow("just before a tick") << qint64(53) << 1;
    QTest::newRow("one tick") << qint64(54) << 2;
    QTest::newRow("two seconds") << qint64(2000) << 38;
    QTest::newRow("at the wrap value") << qint64(54) * (kTicksWrapAt - 1) << kTicksWrapAt;
    QTest::newRow("one tick past: back to 1, plus one") << qint64(54) * kTicksWrapAt << 2;
    QTest::newRow("a whole cycle after the wrap")
        << qint64(54) * (kTicksWrapAt - 1) * 2 << kTicksWrapAt;
}

void tst_DrillEngine::reactionTicksFollowTheClock() {
    QFETCH(qint64, elapsedMs);
    QFETCH(int, ticks);
    QCOMPARE(reactionTicks(elapsedMs), ticks);
}

void tst_DrillEngine::drillTitles_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    const char* titles[] = {"Home Row Only",
                            "Top Row Only",
                            "Bottom Row Only",
                            "Home and Top Rows",
                            "Home and Bottom Row",
                            "All Three Rows",
                            "All and Common Punctuation",
                            "Numbers Only",
                            "Symbols Only",
                            "All Keys",
                            "Choose Your Own Keys"};
    for (int k = 0; k < kDrillKindCount; ++k)
        QTest::newRow(titles[k]) << k << QString::fromLatin1(titles[k]);
}

void tst_DrillEngine::drillTitles() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    DrillHarness h(static_cast<DrillKind>(kind));
    h.open();
    QCOMPARE(h.caption(C::Title), title);
    QCOMPARE(h.caption(C::TitleShadow), title);
    QCOMPARE(h.visible(C::OwnKeysPanel), kind == int(DrillKind::ChooseYourOwnKeys));
    QCOMPARE(h.visible(C::TipsPanel), kind != int(DrillKind::ChooseYourOwnKeys));
}

void tst_DrillEngine::tenKeysWithoutMisses_data() {
    QTest::addColumn<bool>("addEnter");
    QTest::newRow("closing Enter") << true;
    QTest::newRow("no closing Enter") << false;
}

void tst_DrillEngine::tenKeysWithoutMisses() {
    QFETCH(bool, addEnter);
    DrillHarness h;
    h.globals.record.setFlag(L::kBegAddEnter, addEnter);
    DrillEngine& e = h.open();
    const QByteArray before = h.savedFile();

    h.space();
    QVERIFY(e.setRunning());
    QVERIFY(!h.visible(C::TipsPanel));
    for (int i = 1; i <= 10; ++i) {
        QVERIFY2(!h.caption(C::TargetPanel).isEmpty(), "a target is shown");
        h.clock.advance(300);
        h.typeTarget();
        QCOMPARE(h.caption(C::PressesSoFar), QString::number(i));
    }
    QCOMPARE(e.setHits(), 10);
    QCOMPARE(e.setMisses(), 0);

    if (addEnter) {
        QCOMPARE(h.caption(C::TargetPanel), QStringLiteral("Press Enter!"));
        QCOMPARE(e.view().target.width, 150);
        QCOMPARE(e.view().target.fontSize, 10);
        QCOMPARE(e.view().target.left, (kTargetBoxWidth - 150) / 2);
        QVERIFY(e.awaitingEnter());
        QCOMPARE(e.targetChar(), AnsiChar(13));
        QVERIFY(!h.visible(C::TypeTheCaption));
        QVERIFY(!h.visible(C::StatisticsPanel));
        QCOMPARE(h.savedFile(), before); // nothing is written before the Enter
        h.press('x');                    // other keys wait for Enter
        QVERIFY(e.awaitingEnter());
        h.enter();
    }
    QVERIFY(!e.setRunning());
    QVERIFY(!e.awaitingEnter());
    QCOMPARE(h.caption(C::TargetPanel), QStringLiteral("Done!"));
    QCOMPARE(e.view().target.width, 80);
    QCOMPARE(e.view().target.left, (kTargetBoxWidth - 80) / 2);
    QVERIFY(!h.visible(C::TypeTheCaption));
    QVERIFY(!h.visible(C::CharacterCaption));
    QVERIFY(h.visible(C::StatisticsPanel));
    QCOMPARE(h.caption(C::StatsCorrectThisSet), QStringLiteral("100%"));
    QCOMPARE(h.caption(C::StatsCorrectThisSession), QStringLiteral("100%"));
    QCOMPARE(h.caption(C::StatsNumberMissed), QStringLiteral("0"));
    QCOMPARE(h.caption(C::StatsTimeThisSet), QStringLiteral("3"));
    QCOMPARE(h.caption(C::StatsBestTime), QStringLiteral("3"));
    QVERIFY(h.timer(DrillTimer::BlinkTimer).running);
    QVERIFY(!h.timer(DrillTimer::SetClockTimer).running);
    QVERIFY(!h.timer(DrillTimer::HandTimer).running);
    QCOMPARE(h.savedFile(), recordBytes(h.globals.record));
    QVERIFY(h.savedFile() != before);
}

void tst_DrillEngine::percentCorrect_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("misses");
    QTest::addColumn<QString>("percent");
    QTest::newRow("3 of 10") << 10 << QList<int>{2, 5, 10} << QStringLiteral("70%");
    QTest::newRow("29 of 30") << 30 << [] {
        QList<int> all;
        for (int i = 1; i <= 30; ++i)
            if (i != 17)
                all.append(i);
        return all;
    }() << QStringLiteral("03%");
    QTest::newRow("all 20") << 20 << [] {
        QList<int> all;
        for (int i = 1; i <= 20; ++i)
            all.append(i);
        return all;
    }() << QStringLiteral("0%");
    QTest::newRow("1 of 20") << 20 << QList<int>{1} << QStringLiteral("95%");
}

void tst_DrillEngine::percentCorrect() {
    QFETCH(int, length);
    QFETCH(QList<int>, misses);
    QFETCH(QString, percent);
    DrillHarness h;
    DrillEngine& e = h.open();
    playSet(h, length, misses);
    QVERIFY(!e.setRunning());
    QCOMPARE(e.setPresses(), length);
    QCOMPARE(e.setMisses(), misses.size());
    QCOMPARE(h.caption(C::StatsCorrectThisSet), percent);
    QCOMPARE(h.caption(C::StatsNumberMissed), QString::number(misses.size()));
    QCOMPARE(h.caption(C::StatsCorrectThisSession), percent); // the session is this one set
}

void tst_DrillEngine::sessionPercent_data() {
    QTest::addColumn<double>("hitsBefore");
    QTest::addColumn<double>("missesBefore");
    QTest::addColumn<QString>("percent");
    QTest::newRow("1 miss in 250") << 239.0 << 1.0 << QStringLiteral("100%");
    QTest::newRow("0.3 percent") << 0.0 << 2990.0 << QStringLiteral("00%");
    QTest::newRow("no miss yet") << 40.0 << 0.0 << QStringLiteral("100%");
}

void tst_DrillEngine::sessionPercent() {
    QFETCH(double, hitsBefore);
    QFETCH(double, missesBefore);
    QFETCH(QString, percent);
    DrillHarness h;
    h.globals.drillSession.sessionHitsTotal = hitsBefore;
    h.globals.drillSession.sessionMissesTotal = missesBefore;
    h.open();
    playSet(h, 10, {});
    QCOMPARE(h.caption(C::StatsCorrectThisSession), percent);
    QCOMPARE(h.globals.drillSession.sessionHitsTotal, hitsBefore + 10);
}

void tst_DrillEngine::missWithPauseWaitsForTheTarget() {
    DrillHarness h;
    DrillEngine& e = h.open();
    h.space();
    h.typeTarget();
    const AnsiChar target = e.targetChar();
    const QString guidance = h.caption(C::Guidance);
    h.typeWrong();

    QVERIFY(e.drillPaused());
    QCOMPARE(e.setPresses(), 2);
    QCOMPARE(h.caption(C::PressesSoFar), QStringLiteral("2"));
    QVERIFY(h.visible(C::PauseBox));
    QVERIFY(!h.visible(C::Guidance));
    QVERIFY(h.timer(DrillTimer::BlinkTimer).running);
    const QString t = characterCaption(target);
    QCOMPARE(h.caption(C::PauseExplanation),
             QStringLiteral("You missed the \"") + t +
                 QStringLiteral("\" key. Check your error to the left, locate the \" ") + t +
                 QStringLiteral(" \" key below, and type the correct key."));
    QCOMPARE(h.caption(C::MissedTarget), t);
    QVERIFY(h.visible(C::MissedMark));
    QVERIFY(h.visible(C::TypedMark));

    // Other keys, Space and Enter included, only sound the error.
    const DrillView pausedView = e.view();
    const int errors = h.played(QStringLiteral("error.wav"));
    for (AnsiChar other : {AnsiChar('~'), DrillKey::kSpace, DrillKey::kEnter}) {
        h.press(other);
        QVERIFY(e.drillPaused());
    }
    QCOMPARE(h.played(QStringLiteral("error.wav")), errors + 3);
    QCOMPARE(e.targetChar(), target);
    QCOMPARE(e.setPresses(), 2);
    QCOMPARE(e.view().pictureResets, pausedView.pictureResets);
    QCOMPARE(h.caption(C::StatsMissedTargets), t + u' ');

    // A character the code page lacks is a wrong key too.
    e.handleDrillKey(DrillKey::fromTyped(0x4E2D));
    QCOMPARE(h.played(QStringLiteral("error.wav")), errors + 4);

    // The target resumes the set without counting.
    const std::int64_t presentedBefore =
        perKeyAt(h.globals.record, L::kBegPresented, statisticsIndex(target));
    const int taps = h.played(QStringLiteral("type2.wav"));
    h.clock.advance(5000);
    h.press(target);
    QVERIFY(!e.drillPaused());
    QCOMPARE(e.setPresses(), 2);
    QCOMPARE(h.caption(C::PressesSoFar), QStringLiteral("2"));
    QCOMPARE(perKeyAt(h.globals.record, L::kBegPresented, statisticsIndex(target)),
             presentedBefore);
    QCOMPARE(h.played(QStringLiteral("type2.wav")), taps + 1);
    QVERIFY(!h.visible(C::PauseBox));
    QVERIFY(h.visible(C::Guidance));
    QVERIFY(!h.visible(C::MissedMark));
    QVERIFY(h.caption(C::MissedTarget).isEmpty());
    QVERIFY(!h.timer(DrillTimer::BlinkTimer).running);
    QVERIFY(h.timer(DrillTimer::ReactionTimer).running);
    QCOMPARE(e.keyTicks(), 1);
    QVERIFY(!h.caption(C::TargetPanel).isEmpty());
    QVERIFY(e.view().pictureResets > pausedView.pictureResets);
    Q_UNUSED(guidance);
}

void tst_DrillEngine::pausedLastMissEndsTheSetOnTheCorrection_data() {
    QTest::addColumn<bool>("addEnter");
    QTest::newRow("closing Enter") << true;
    QTest::newRow("no closing Enter") << false;
}

void tst_DrillEngine::pausedLastMissEndsTheSetOnTheCorrection() {
    QFETCH(bool, addEnter);
    DrillHarness h;
    h.globals.record.setFlag(L::kBegAddEnter, addEnter);
    DrillEngine& e = h.open();
    h.space();
    for (int i = 0; i < 9; ++i)
        h.typeTarget();
    h.typeWrong();
    QVERIFY(e.drillPaused());
    QVERIFY(e.setRunning());
    QCOMPARE(e.setPresses(), 10);
    h.typeTarget();
    QVERIFY(!e.drillPaused());
    if (addEnter) {
        QCOMPARE(h.caption(C::TargetPanel), QStringLiteral("Press Enter!"));
        h.enter();
    }
    QCOMPARE(h.caption(C::TargetPanel), QStringLiteral("Done!"));
    QCOMPARE(h.caption(C::StatsCorrectThisSet), QStringLiteral("90%"));
    QVERIFY(!e.setRunning());
}

void tst_DrillEngine::escape_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("closes");
    QTest::newRow("paused") << QStringLiteral("paused") << false;
    QTest::newRow("Enter step") << QStringLiteral("enter") << false;
    QTest::newRow("in a set") << QStringLiteral("running") << false;
    QTest::newRow("no set") << QStringLiteral("waiting") << true;
    QTest::newRow("after a set") << QStringLiteral("done") << true;
    QTest::newRow("own keys panel") << QStringLiteral("ownkeys") << true;
}

void tst_DrillEngine::escape() {
    QFETCH(QString, state);
    QFETCH(bool, closes);
    DrillHarness h(state == QStringLiteral("ownkeys") ? DrillKind::ChooseYourOwnKeys
                                                      : DrillKind::HomeRowOnly);
    DrillEngine& e = h.open();
    if (state == QStringLiteral("done")) {
        playSet(h, 10, {});
    } else if (state != QStringLiteral("waiting") && state != QStringLiteral("ownkeys")) {
        h.space();
        h.clock.advance(2500);
        h.typeTarget();
        if (state == QStringLiteral("paused"))
            h.typeWrong();
        if (state == QStringLiteral("enter"))
            for (int i = 0; i < 9; ++i)
                h.typeTarget();
    }
    const QString bestBefore = h.caption(C::StatsBestTime);
    const QByteArray fileBefore = h.savedFile();
    const std::int64_t presented = perKeyAt(h.globals.record, L::kBegPresented, 1) +
                                   perKeyAt(h.globals.record, L::kBegTimedPresses, 1);

    h.escape();

    QCOMPARE(e.view().closeRequested, closes);
    QCOMPARE(e.drillWindowReady(), !closes);
    QVERIFY(!e.setRunning());
    QVERIFY(!e.drillPaused());
    QVERIFY(!e.awaitingEnter());
    QCOMPARE(h.savedFile(), fileBefore);
    QCOMPARE(h.caption(C::StatsBestTime), bestBefore);
    QVERIFY(!h.timer(DrillTimer::HandTimer).running);
    QVERIFY(!h.timer(DrillTimer::SetClockTimer).running);
    QCOMPARE(perKeyAt(h.globals.record, L::kBegPresented, 1) +
                 perKeyAt(h.globals.record, L::kBegTimedPresses, 1),
             presented); // what was scored stays in memory
    if (closes) {
        for (DrillTimer t : {DrillTimer::HandTimer, DrillTimer::BlinkTimer,
                             DrillTimer::SetClockTimer, DrillTimer::ReactionTimer})
            QVERIFY(!h.timer(t).running);
        h.space(); // a closed drill ignores every key
        QVERIFY(!e.setRunning());
        return;
    }
    QCOMPARE(h.caption(C::Guidance), QStringLiteral("Press the Spacebar to continue."));
    QVERIFY(h.visible(C::Guidance));
    QVERIFY(!h.visible(C::PauseBox));
    QVERIFY(!h.visible(C::StatisticsPanel));
    QCOMPARE(h.caption(C::TargetPanel), QString());
    QCOMPARE(h.caption(C::PressesSoFar), QString());
    QCOMPARE(h.caption(C::SetSeconds), QString());
    QCOMPARE(e.view().target.width, 50);
    QVERIFY(h.visible(C::TypeTheCaption));
    QVERIFY(h.timer(DrillTimer::BlinkTimer).running);
    QVERIFY(h.enabled(C::TwentyKeysButton));
    QCOMPARE(e.setPresses(), 0);
    // The seconds that passed in the set are counted.
    QCOMPARE(h.globals.record.i64(L::kBegSeconds), 20000);
    // The blink takes the message away at its first tick.
    e.blinkTick();
    QCOMPARE(h.caption(C::Guidance), QString());
    // A new set can begin.
    h.space();
    QVERIFY(e.setRunning());
}

void tst_DrillEngine::keysBeforeTheFirstSpaceAreIgnored() {
    DrillHarness h;
    DrillEngine& e = h.open();
    const DrillView before = e.view();
    h.press('a');
    h.enter();
    QVERIFY(!e.setRunning());
    QCOMPARE(e.setPresses(), 0);
    QVERIFY(h.sound.played.isEmpty());
    QCOMPARE(e.view().pictureResets, before.pictureResets);

    // Space does not start a set while the own-keys panel is up.
    DrillHarness own(DrillKind::ChooseYourOwnKeys);
    DrillEngine& o = own.open();
    own.space();
    QVERIFY(!o.setRunning());
    o.verifyOwnKeys(QStringLiteral("jk"));
    o.beginOwnKeys();
    own.space();
    QVERIFY(o.setRunning());
    QCOMPARE(o.targetChar(), AnsiChar('j'));
}

void tst_DrillEngine::spaceReplaysTheHandsAndIsNeverAMiss_data() {
    QTest::addColumn<bool>("inEnterStep");
    QTest::newRow("in a set") << false;
    QTest::newRow("in the Enter step") << true;
}

void tst_DrillEngine::spaceReplaysTheHandsAndIsNeverAMiss() {
    QFETCH(bool, inEnterStep);
    DrillHarness h;
    DrillEngine& e = h.open();
    // A stand-in animation that has drawn its second frame.
    e.setHandAnimation([](HandAnimationState& hands) {
        hands.handPhase = 3;
        hands.handTimerInterval = kHandFrameInterval;
        return HandTimerOrder{true, kHandFrameInterval, false};
    });
    h.space();
    if (inEnterStep)
        for (int i = 0; i < 10; ++i)
            h.typeTarget();
    e.handTick();
    QCOMPARE(e.handPhase(), 3);
    QCOMPARE(h.timer(DrillTimer::HandTimer).intervalMs, 400);
    const auto starts = h.timer(DrillTimer::HandTimer).starts;
    const AnsiChar target = e.targetChar();
    const int presses = e.setPresses();
    const int errors = h.played(QStringLiteral("error.wav"));

    h.space();
    QVERIFY(h.timer(DrillTimer::HandTimer).running);
    QCOMPARE(h.timer(DrillTimer::HandTimer).intervalMs, 200);
    QVERIFY(h.timer(DrillTimer::HandTimer).starts > starts);
    QCOMPARE(e.handPhase(), 1);
    QCOMPARE(e.targetChar(), target);
    QCOMPARE(e.setPresses(), presses);
    QCOMPARE(e.setMisses(), 0);
    QCOMPARE(h.played(QStringLiteral("error.wav")), errors);
    QCOMPARE(e.awaitingEnter(), inEnterStep);
}

void tst_DrillEngine::handTimerWaitsTheHandDelayOnceAnAnimationEnds() {
    DrillHarness h;
    h.globals.record.setI32(L::kBegHandDelay, 1500);
    DrillEngine& e = h.open();
    QCOMPARE(h.timer(DrillTimer::HandTimer).intervalMs, 1000); // the design interval at first
    h.space();
    QVERIFY(h.timer(DrillTimer::HandTimer).running);
    QCOMPARE(h.timer(DrillTimer::HandTimer).intervalMs, 1000);
    const auto resets = e.view().pictureResets;
    e.handTick(); // no hands to draw: the animation ends at once
    QVERIFY(!h.timer(DrillTimer::HandTimer).running);
    QCOMPARE(h.timer(DrillTimer::HandTimer).intervalMs, 1500);
    QVERIFY(e.view().pictureResets > resets);
    h.typeTarget();
    QVERIFY(h.timer(DrillTimer::HandTimer).running);
    QCOMPARE(h.timer(DrillTimer::HandTimer).intervalMs, 1500);
    // The options window closed with another delay.
    h.globals.record.setI32(L::kBegHandDelay, 700);
    const auto starts = h.timer(DrillTimer::HandTimer).starts;
    e.applyHandDelay();
    QCOMPARE(h.timer(DrillTimer::HandTimer).intervalMs, 700);
    QVERIFY(h.timer(DrillTimer::HandTimer).starts > starts);
}

void tst_DrillEngine::bestTime_data() {
    QTest::addColumn<QList<int>>("seconds");
    QTest::addColumn<int>("best");
    QTest::addColumn<int>("beaten"); // record 32476
    QTest::addColumn<int>("last");
    QTest::newRow("first set") << QList<int>{5} << 5 << 0 << 5;
    QTest::newRow("equal") << QList<int>{5, 5} << 5 << 0 << 5;
    QTest::newRow("faster") << QList<int>{5, 3} << 3 << 3 << 3;
    QTest::newRow("slower") << QList<int>{3, 5} << 3 << 0 << 5;
    QTest::newRow("faster, slower, faster") << QList<int>{6, 4, 9, 2} << 2 << 2 << 2;
}

void tst_DrillEngine::bestTime() {
    QFETCH(QList<int>, seconds);
    QFETCH(int, best);
    QFETCH(int, beaten);
    QFETCH(int, last);
    DrillHarness h;
    h.globals.record.setFlag(L::kBegAddEnter, false);
    DrillEngine& e = h.open();
    for (int s : seconds) {
        h.space();
        for (int i = 0; i < 10; ++i) {
            if (i == 9)
                h.clock.advance(s * 1000 + 100);
            e.setClockTick();
            h.typeTarget();
        }
        QCOMPARE(h.caption(C::StatsTimeThisSet), QString::number(s));
    }
    QCOMPARE(h.caption(C::StatsBestTime), QString::number(best));
    QCOMPARE(h.globals.record.i32(L::kBegBestTime), best);
    QCOMPARE(h.globals.record.i32(L::kBegBestTimeBeaten), beaten);
    QCOMPARE(h.globals.drillSession.lastSetSeconds, last);

    // A new window begins with no best time: its first set sets it, slower or not.
    h.open();
    h.space();
    h.clock.advance(40000);
    for (int i = 0; i < 10; ++i)
        h.typeTarget();
    QCOMPARE(h.caption(C::StatsBestTime), QStringLiteral("40"));
    QCOMPARE(h.globals.record.i32(L::kBegBestTime), 40);
}

void tst_DrillEngine::setFinishedWithinItsFirstSecondTakesZero() {
    DrillHarness h;
    h.globals.record.setFlag(L::kBegAddEnter, false);
    h.open();
    h.space();
    for (int i = 0; i < 10; ++i) {
        h.clock.advance(90);
        h.typeTarget();
    }
    QCOMPARE(h.caption(C::SetSeconds), QStringLiteral("0"));
    QCOMPARE(h.caption(C::StatsTimeThisSet), QStringLiteral("0"));
    QCOMPARE(h.caption(C::StatsBestTime), QStringLiteral("0"));
    QCOMPARE(h.globals.record.i32(L::kBegBestTime), 0);
    QCOMPARE(h.globals.record.i64(L::kBegSeconds), 0);
}

void tst_DrillEngine::slowestKeyKeepsTheEarliestOfEqualTimes() {
    DrillHarness h;
    h.globals.record.setFlag(L::kBegAddEnter, false);
    DrillEngine& e = h.openOwnKeys(QStringLiteral("jkl"));
    h.space();
    const int delays[] = {100, 540, 540, 200, 540, 0, 0, 0, 0, 0}; // j k l j k l j k l j
    for (int d : delays) {
        h.clock.advance(d);
        h.typeTarget();
    }
    QCOMPARE(e.setSlowestTicks(), 11);
    QCOMPARE(e.setSlowestChar(), AnsiChar('k'));
    QCOMPARE(h.caption(C::StatsSlowestThisSet), QStringLiteral("k"));
    QCOMPARE(h.globals.record.byte(L::kBegSlowestKey), AnsiChar('k'));
    QCOMPARE(h.globals.record.byte(L::kBegSlowestKeyCopy), AnsiChar('k'));
    QCOMPARE(h.globals.drillSession.sessionSlowestTicks, 11);

    // The next set has its own slowest key; the session's moves only when beaten.
    h.space();
    for (int i = 0; i < 10; ++i) {
        h.clock.advance(i == 2 ? 300 : 10);
        h.typeTarget();
    }
    QCOMPARE(h.caption(C::StatsSlowestThisSet), QStringLiteral("l"));
    QCOMPARE(h.globals.record.byte(L::kBegSlowestKey), AnsiChar('k'));
    h.space();
    h.clock.advance(1000);
    h.typeTarget();
    QCOMPARE(h.globals.record.byte(L::kBegSlowestKey), AnsiChar('j'));
    QCOMPARE(h.globals.drillSession.sessionSlowestTicks, 19);
}

void tst_DrillEngine::shiftLetterErrors_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("right"); // misses on left-hand capitals
    QTest::addColumn<int>("left");
    QTest::newRow("A for a") << 0 << QStringLiteral("a") << QStringLiteral("A") << 0 << 0;
    QTest::newRow("a for A") << 0 << QStringLiteral("A") << QStringLiteral("a") << 1 << 0;
    QTest::newRow("h for H") << 0 << QStringLiteral("H") << QStringLiteral("h") << 0 << 1;
    QTest::newRow("Z is left-handed") << 0 << QStringLiteral("Z") << QStringLiteral("z") << 1 << 0;
    QTest::newRow("Y is right-handed") << 0 << QStringLiteral("Y") << QStringLiteral("y") << 0 << 1;
    QTest::newRow("German Y is left-handed")
        << 3 << QStringLiteral("Y") << QStringLiteral("y") << 1 << 0;
    QTest::newRow("German Z is right-handed")
        << 3 << QStringLiteral("Z") << QStringLiteral("z") << 0 << 1;
    QTest::newRow("a hit counts nothing")
        << 0 << QStringLiteral("A") << QStringLiteral("A") << 0 << 0;
    QTest::newRow("accented capitals are not counted")
        << 3 << QStringLiteral("Ä") << QStringLiteral("ä") << 0 << 0;
}

void tst_DrillEngine::shiftLetterErrors() {
    QFETCH(int, nationality);
    QFETCH(QString, target);
    QFETCH(QString, typed);
    QFETCH(int, right);
    QFETCH(int, left);
    DrillHarness h;
    h.globals.record.setNationality(static_cast<Nationality>(nationality));
    DrillEngine& e = h.openOwnKeys(target + QStringLiteral("b"));
    h.space();
    QCOMPARE(QString(fromWindows1252(e.targetChar())), target);
    e.handleDrillKey(DrillKey::fromTyped(typed.at(0).unicode()));
    QCOMPARE(e.setMisses(), typed == target ? 0 : 1);
    QCOMPARE(h.globals.drillSession.rightShiftLetterErrors, right);
    QCOMPARE(h.globals.drillSession.leftShiftLetterErrors, left);
    QCOMPARE(h.globals.record.i32(L::kBegLeftHandCapitalMisses), right);
    QCOMPARE(h.globals.record.i32(L::kBegRightHandCapitalMisses), left);
}

void tst_DrillEngine::ampersandShowsAsDoubleAmpersand() {
    DrillHarness h;
    h.globals.record.setFlag(L::kBegPauseOnMiss, false);
    DrillEngine& e = h.openOwnKeys(QStringLiteral("&b"));
    h.space();
    QCOMPARE(h.caption(C::TargetPanel), QStringLiteral("&&"));
    h.press('&');
    QCOMPARE(h.caption(C::LastCorrectKey), QStringLiteral("&&"));
    h.press('&'); // a miss for b
    QCOMPARE(h.caption(C::TypedInstead), QStringLiteral("&&"));
    QCOMPARE(h.caption(C::StatsTypedInstead), QStringLiteral("&& "));
    QCOMPARE(e.setMisses(), 1);
}

void tst_DrillEngine::everyRecordFieldAfterAScriptedSet() {
    // Own keys "aS;" make the targets a S ; a S ; a S ; a. Each press waits a known time;
    // the third and eighth are missed, the eighth by typing "a" for capital S.
    // The offsets are written out here, so a wrong entry in the layout is caught too.
    DrillHarness h;
    StudentRecord& r = h.globals.record;
    r.setFlag(32452, false); // no closing Enter
    r.setFlag(32453, false); // no pause after a miss
    r.setI32(32476, -1);
    DrillEngine& e = h.openOwnKeys(QStringLiteral("aS;"));
    const QByteArray targets = "aS;aS;aS;a";
    const int delays[] = {100, 250, 1000, 60, 54, 500, 700, 20, 300, 80};
    const char typed[] = {'a', 'S', 'x', 'a', 'S', ';', 'a', 'a', ';', 'a'};

    struct PerKey {
        std::int64_t timed = 0, ticks = 0, presented = 0, correct = 0;
    };
    std::map<int, PerKey> expected;
    int totalMs = 0;
    h.space();
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(e.targetChar(), AnsiChar(targets.at(i)));
        h.clock.advance(delays[i]);
        totalMs += delays[i];
        if (i % 3 == 0)
            e.setClockTick();
        h.press(AnsiChar(typed[i]));
        PerKey& k = expected[statisticsIndex(AnsiChar(targets.at(i)))];
        k.timed += 1;
        k.ticks += 1 + delays[i] / 54;
        k.presented += 1;
        k.correct += typed[i] == targets.at(i) ? 1 : 0;
    }
    QVERIFY(!e.setRunning());
    const int seconds = totalMs / 1000;

    QCOMPARE(r.i64(13088), seconds * 10000);
    QCOMPARE(r.i64(13112), seconds * 10000);
    QCOMPARE(r.i64(13096), 100000);
    QCOMPARE(r.i64(13104), 20000);
    QCOMPARE(r.i64(13120), 100000);
    QCOMPARE(r.i64(13128), 20000);
    QCOMPARE(h.globals.drillSession.sessionSetSeconds, seconds * 10000);
    for (const auto& [s, k] : expected) {
        QVERIFY(s > 0);
        QCOMPARE(perKeyAt(r, 30736, s), k.timed * 10000);
        QCOMPARE(perKeyAt(r, 29136, s), k.ticks * 10000);
        QCOMPARE(perKeyAt(r, 24336, s), k.presented * 10000);
        QCOMPARE(perKeyAt(r, 25936, s), k.correct * 10000);
        const std::int64_t avg = storedAverage(k.ticks * 10000, k.timed * 10000);
        QCOMPARE(perKeyAt(r, 27536, s), avg);
        QCOMPARE(perKeyAt(r, 17936, s), avg);
        const std::int64_t acc = storedRatio(k.correct * 10000, k.presented * 10000);
        QCOMPARE(perKeyAt(r, 22736, s), acc);
        QCOMPARE(perKeyAt(r, 13136, s), acc);
        QCOMPARE(h.globals.drillSession.averageSeconds[std::size_t(s)], avg);
        QCOMPARE(h.globals.drillSession.accuracy[std::size_t(s)], acc);
    }
    // "a": ticks 2+2+13+2 = 19 over 4 presses: 19 / 18.2 / 4 = 0.26098... s.
    QCOMPARE(perKeyAt(r, 27536, statisticsIndex('a')), 2610);
    // Nothing is booked under an index no target had.
    QCOMPARE(perKeyAt(r, 24336, statisticsIndex('d')), 0);
    QCOMPARE(r.i32(32336), 1); // S typed as a: a right Shift error
    QCOMPARE(r.i32(32340), 0);
    QCOMPARE(r.byte(32468), AnsiChar(';'));
    QCOMPARE(r.byte(32469), AnsiChar(';'));
    QCOMPARE(r.i32(32472), seconds);
    QCOMPARE(r.i32(32476), -1);
    QCOMPARE(h.caption(C::StatsCorrectThisSet), QStringLiteral("80%"));
    QCOMPARE(h.caption(C::StatsMissedTargets), QStringLiteral("; S "));
    QCOMPARE(h.caption(C::StatsTypedInstead), QStringLiteral("x a "));
    QCOMPARE(h.savedFile(), recordBytes(r));
}

void tst_DrillEngine::stalledTimersLoseNoTicks() {
    DrillHarness h;
    DrillEngine& e = h.openOwnKeys(QStringLiteral("fg"));
    h.space();
    h.clock.advance(2000); // no Timer4 event in between
    h.typeTarget();
    QCOMPARE(perKeyAt(h.globals.record, L::kBegTicks, statisticsIndex('f')), 380000);

    // Timer events only look at the clock: many of them count nothing extra.
    for (int i = 0; i < 100; ++i)
        e.reactionTick();
    h.clock.advance(54 * 3);
    e.reactionTick();
    QCOMPARE(e.keyTicks(), 4);
    h.typeTarget();
    QCOMPARE(perKeyAt(h.globals.record, L::kBegTicks, statisticsIndex('g')), 40000);
}

void tst_DrillEngine::setClockCountsElapsedSeconds() {
    DrillHarness h;
    DrillEngine& e = h.open();
    h.space();
    h.clock.advance(3500);
    e.setClockTick(); // one late event for three and a half seconds
    QCOMPARE(e.setSeconds(), 3);
    QCOMPARE(h.caption(C::SetSeconds), QStringLiteral("3"));
    QCOMPARE(h.globals.record.i64(L::kBegSeconds), 30000);
    QCOMPARE(h.globals.record.i64(L::kBegSecondsCopy), 30000);
    QCOMPARE(h.globals.drillSession.sessionSetSeconds, 30000);
    e.setClockTick(); // an early event adds nothing
    QCOMPARE(e.setSeconds(), 3);
    h.clock.advance(499);
    e.setClockTick();
    QCOMPARE(e.setSeconds(), 3);
    h.clock.advance(1);
    e.setClockTick();
    QCOMPARE(e.setSeconds(), 4);
    QCOMPARE(h.globals.record.i64(L::kBegSeconds), 40000);

    // The set clock wraps to 0 on reaching 30000 seconds.
    h.clock.advance(qint64(kSetSecondsWrapAt - 4) * 1000 + 2000);
    e.setClockTick();
    QCOMPARE(e.setSeconds(), 2);
    QCOMPARE(h.globals.record.i64(L::kBegSeconds), qint64(kSetSecondsWrapAt + 2) * 10000);
}

void tst_DrillEngine::setClockStopsAtTheClosingEnter_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Enter ends the set") << false;
    QTest::newRow("Escape drops the set") << true;
}

// The set's time ends with its last key: waiting for the closing Enter counts no seconds, even
// when a tick of the set clock comes in while the set waits.
void tst_DrillEngine::setClockStopsAtTheClosingEnter() {
    QFETCH(bool, escape);
    DrillHarness h;
    h.globals.record.setFlag(L::kBegAddEnter, true);
    DrillEngine& e = h.open();
    h.space();
    for (int i = 0; i < 10; ++i) {
        h.clock.advance(300);
        h.typeTarget();
    }
    QVERIFY(e.awaitingEnter());
    QVERIFY(!h.timer(DrillTimer::SetClockTimer).running);
    QCOMPARE(h.caption(C::SetSeconds), QStringLiteral("3"));

    h.clock.advance(5000);
    e.setClockTick();
    if (escape)
        h.escape();
    else
        h.enter();
    QCOMPARE(e.setSeconds(), 3);
    QCOMPARE(h.globals.record.i64(L::kBegSeconds), 30000);
    QCOMPARE(h.globals.drillSession.sessionSetSeconds, 30000);
    QCOMPARE(h.caption(C::StatsTimeThisSet), escape ? QString() : QStringLiteral("3"));
}

void tst_DrillEngine::blinkTimerBlinks() {
    DrillHarness h;
    DrillEngine& e = h.open();
    QVERIFY(h.timer(DrillTimer::BlinkTimer).running);
    QCOMPARE(h.timer(DrillTimer::BlinkTimer).intervalMs, 500);
    QCOMPARE(h.caption(C::Guidance), QString());
    e.blinkTick();
    QCOMPARE(h.caption(C::Guidance), QStringLiteral("Press the Spacebar to Begin."));
    e.blinkTick();
    QCOMPARE(h.caption(C::Guidance), QString());
    h.press('q'); // any key turns a visible prompt into one space
    QCOMPARE(h.caption(C::Guidance), QStringLiteral(" "));
    e.blinkTick();
    QCOMPARE(h.caption(C::Guidance), QString());

    h.space();
    h.typeWrong();
    QVERIFY(e.drillPaused());
    const QString guidance = h.caption(C::Guidance);
    QCOMPARE(h.caption(C::PauseCaption), QStringLiteral("Pause!"));
    e.blinkTick();
    QCOMPARE(h.caption(C::PauseCaption), QString());
    e.blinkTick();
    QCOMPARE(h.caption(C::PauseCaption), QStringLiteral("Pause!"));
    QCOMPARE(h.caption(C::Guidance), guidance);
}

void tst_DrillEngine::buttonsDuringAndAfterASet_data() {
    QTest::addColumn<bool>("ownKeys");
    QTest::newRow("home row") << false;
    QTest::newRow("own keys") << true;
}

void tst_DrillEngine::buttonsDuringAndAfterASet() {
    QFETCH(bool, ownKeys);
    DrillHarness h;
    if (ownKeys) {
        h.globals.activity.selectDrill(DrillKind::ChooseYourOwnKeys);
        h.open();
        for (C b : kDrillToolButtons)
            QCOMPARE(h.enabled(b), b == C::ExitLessonsButton);
        QVERIFY(!h.enabled(C::BeginTyping));
        h.engine->verifyOwnKeys(QStringLiteral("as"));
        QVERIFY(h.enabled(C::BeginTyping));
        QCOMPARE(h.caption(C::KeysToType), QStringLiteral("asasasasas"));
        h.engine->beginOwnKeys();
        QVERIFY(!h.visible(C::OwnKeysPanel));
    } else {
        h.open();
    }
    const auto offForOwnKeys = [&](C b) {
        return ownKeys &&
               (b == C::TwentyKeysButton || b == C::ThirtyKeysButton || b == C::UpperCaseButton);
    };
    for (C b : kDrillToolButtons)
        QCOMPARE(h.enabled(b), !offForOwnKeys(b));
    h.space();
    for (C b : kDrillToolButtons)
        QVERIFY(!h.enabled(b));
    h.escape();
    for (C b : kDrillToolButtons)
        QCOMPARE(h.enabled(b), !offForOwnKeys(b));
    h.globals.record.setFlag(L::kBegAddEnter, false);
    playSet(h, 10, {});
    for (C b : kDrillToolButtons)
        QCOMPARE(h.enabled(b), !offForOwnKeys(b));
}

void tst_DrillEngine::hiddenRowsSuppressTheirMarks() {
    DrillHarness h;
    h.globals.record.setFlag(L::kBegPauseOnMiss, false);
    DrillEngine& e = h.open();
    e.toggleRow(DrillRow::LastCorrect);
    QVERIFY(!h.visible(C::LastCorrectCaption));
    QVERIFY(!h.visible(C::LastCorrectKey));
    h.space();
    h.typeTarget();
    QVERIFY(!h.visible(C::HitMark));
    e.toggleRow(DrillRow::Missed);
    h.typeWrong();
    QVERIFY(!h.visible(C::MissedMark));
    QVERIFY(h.visible(C::TypedMark));
    h.escape();

    e.toggleRow(DrillRow::LastCorrect);
    QVERIFY(h.visible(C::LastCorrectCaption));
    QVERIFY(h.visible(C::LastCorrectKey));
    QVERIFY(!h.visible(C::HitMark)); // the mark only with the next hit
    h.space();
    h.typeTarget();
    QVERIFY(h.visible(C::HitMark));

    // A new window shows the rows as the student left them.
    h.open();
    QVERIFY(h.visible(C::LastCorrectCaption));
    QVERIFY(!h.visible(C::YouMissedCaption));
    QVERIFY(!h.visible(C::MissedTarget));
    QVERIFY(h.visible(C::ByTypingCaption));
}

void tst_DrillEngine::hiddenInstructionsStayHiddenAfterAPause_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("corrected") << false;
    QTest::newRow("abandoned") << true;
}

void tst_DrillEngine::hiddenInstructionsStayHiddenAfterAPause() {
    QFETCH(bool, escape);
    DrillHarness h;
    DrillEngine& e = h.open();
    e.toggleRow(DrillRow::Instructions);
    QVERIFY(!h.visible(C::Guidance));
    h.space();
    h.typeWrong();
    QVERIFY(e.drillPaused());
    if (escape)
        h.escape();
    else
        h.typeTarget();
    QVERIFY(!e.drillPaused());
    QVERIFY(!h.visible(C::Guidance));
    e.toggleRow(DrillRow::Instructions);
    QVERIFY(h.visible(C::Guidance));
}

void tst_DrillEngine::doEverythingIncludesCapitals() {
    DrillHarness h(DrillKind::DoEverything);
    DrillEngine& e = h.open();
    QVERIFY(e.lowerCaseOnly());
    h.space();
    QVERIFY(!e.lowerCaseOnly());
}

void tst_DrillEngine::firstScoredKeyOfTheSessionStartsTheSlowestKeyAfresh() {
    DrillHarness h;
    h.globals.drillSession.sessionSlowestTicks = 500; // left from an earlier session
    h.globals.record.setByte(L::kBegSlowestKey, 'q');
    h.globals.record.setByte(L::kBegSlowestKeyCopy, 'q');
    h.openOwnKeys(QStringLiteral("fj"));
    QVERIFY(!h.globals.sectionUsage.used(Section::BeginnersDrills));
    h.space();
    QVERIFY(!h.globals.sectionUsage.used(Section::BeginnersDrills)); // Space scores nothing
    h.typeTarget();
    QVERIFY(h.globals.sectionUsage.used(Section::BeginnersDrills));
    QCOMPARE(h.globals.drillSession.sessionSlowestTicks, 1);
    QCOMPARE(h.globals.record.byte(L::kBegSlowestKey), AnsiChar('f'));
    QCOMPARE(h.globals.record.byte(L::kBegSlowestKeyCopy), AnsiChar('f'));

    // Later in the session a key must beat the slowest one to replace it.
    h.clock.advance(540);
    h.typeTarget();
    QCOMPARE(h.globals.record.byte(L::kBegSlowestKey), AnsiChar('j'));
    h.typeTarget();
    QCOMPARE(h.globals.record.byte(L::kBegSlowestKey), AnsiChar('j'));
    QCOMPARE(h.globals.drillSession.sessionSlowestTicks, 11);
}

void tst_DrillEngine::sectionUsedOnlyOnceAKeyIsScored() {
    DrillHarness h;
    DrillEngine& e = h.open();
    h.space();
    h.escape(); // abandoned before any key
    QVERIFY(!h.globals.sectionUsage.used(Section::BeginnersDrills));
    h.space();
    h.typeTarget();
    QVERIFY(h.globals.sectionUsage.used(Section::BeginnersDrills));
    Q_UNUSED(e);
}

void tst_DrillEngine::soundsOfASet() {
    DrillHarness h;
    h.globals.record.setFlag(L::kBegPauseOnMiss, false);
    h.globals.record.setFlag(L::kBegAddEnter, false);
    h.open();
    h.space();
    QCOMPARE(h.sound.played.size(), 1);
    QVERIFY(h.sound.played.last().endsWith(QStringLiteral("start.wav")));
    h.typeTarget();
    QVERIFY(h.sound.played.last().endsWith(QStringLiteral("type2.wav")));
    h.typeWrong();
    QVERIFY(h.sound.played.last().endsWith(QStringLiteral("error.wav")));
    for (int i = 0; i < 8; ++i)
        h.typeTarget();
    QVERIFY(h.sound.played.last().endsWith(QStringLiteral("done.wav")));

    // No "done" sound with the sound setting off.
    h.globals.record.setFlag(L::kSoundOn, false);
    h.sound.played.clear();
    playSet(h, 10, {});
    QCOMPARE(h.played(QStringLiteral("done.wav")), 0);
}

QTEST_GUILESS_MAIN(tst_DrillEngine)
#include "tst_DrillEngine.moc"
