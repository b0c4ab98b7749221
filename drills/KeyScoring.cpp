// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/KeyScoring.h"

#include "core/FormatPercent.h"
#include "drills/ReactionClock.h"
#include "drills/ShiftLetterHands.h"
#include "students/DrillSessionFigures.h"
#include "students/FixedPoint.h"
#include "students/StudentRecord.h"

#include <cmath>

namespace kf {

namespace {

namespace L = layout;

// A fixed-point figure plus a real addend, through the one rounding.
std::int64_t plus(std::int64_t stored, long double addend) {
    return toFixedPoint(fromFixedPoint(stored) + addend);
}

void addToFigure(StudentRecord& record, std::size_t offset, long double addend) {
    record.setFigure(offset, record.figure(offset) + addend);
}

void addToPerKey(StudentRecord& record, std::size_t array, int index, long double addend) {
    record.setPerKey(array, index, record.perKey(array, index) + addend);
}

// Seconds per press: the tick sum in seconds over the number of timed presses.
long double averageSeconds(long double tickSum, long double timedPresses) {
    return tickSum / kTicksPerSecond / timedPresses;
}

// The panel's percent of correct presses: a perfect count is "100%", none right "0%".
QString correctPercent(std::int64_t hits, std::int64_t misses) {
    if (misses > 0 && hits != 0)
        return formatPercent(hits, misses + hits);
    return misses == 0 ? QStringLiteral("100%") : QStringLiteral("0%");
}

} // namespace

void recordKeySpeed(ScoreBook book, AnsiChar target, std::int32_t ticks) {
    const int s = statisticsIndex(target);
    if (s == 0)
        return;
    DrillSessionFigures& session = book.session;
    const auto i = static_cast<std::size_t>(s);
    session.timedPresses[i] = plus(session.timedPresses[i], 1);
    session.tickSum[i] = plus(session.tickSum[i], ticks);
    session.averageSeconds[i] = toFixedPoint(averageSeconds(
        fromFixedPoint(session.tickSum[i]), fromFixedPoint(session.timedPresses[i])));

    StudentRecord& record = book.record;
    record.setI64(L::kBegSessionAvgSeconds + (i - 1) * 8, session.averageSeconds[i]);
    addToPerKey(record, L::kBegTimedPresses, s, 1);
    addToPerKey(record, L::kBegTicks, s, ticks);
    record.setPerKey(
        L::kBegAvgSeconds, s,
        averageSeconds(record.perKey(L::kBegTicks, s), record.perKey(L::kBegTimedPresses, s)));
}

void recordKeyAccuracy(ScoreBook book, AnsiChar target, bool hit) {
    const int s = statisticsIndex(target);
    if (s == 0)
        return;
    DrillSessionFigures& session = book.session;
    StudentRecord& record = book.record;
    const auto i = static_cast<std::size_t>(s);

    session.presented[i] = plus(session.presented[i], 1);
    addToPerKey(record, L::kBegPresented, s, 1);
    if (hit) {
        session.correct[i] = plus(session.correct[i], 1);
        addToPerKey(record, L::kBegCorrect, s, 1);
    }
    session.accuracy[i] =
        toFixedPoint(fromFixedPoint(session.correct[i]) / fromFixedPoint(session.presented[i]));
    record.setI64(L::kBegSessionAccuracy + (i - 1) * 8, session.accuracy[i]);
    record.setPerKey(L::kBegAccuracy, s,
                     record.perKey(L::kBegCorrect, s) / record.perKey(L::kBegPresented, s));

    // A missed capital counts against the Shift key the other hand holds for it. The record
    // gets the counters after this press is counted, so the file never lags a miss behind.
    if (!hit) {
        switch (shiftForCapital(target, record.nationality())) {
        case ShiftSide::Right:
            ++session.rightShiftLetterErrors;
            break;
        case ShiftSide::Left:
            ++session.leftShiftLetterErrors;
            break;
        case ShiftSide::None:
            break;
        }
    }
    record.setI32(L::kBegLeftHandCapitalMisses, session.rightShiftLetterErrors);
    record.setI32(L::kBegRightHandCapitalMisses, session.leftShiftLetterErrors);
}

SetStatistics computeSetStatistics(ScoreBook book, std::optional<std::int32_t>& bestSeconds,
                                   const SetCount& set) {
    DrillSessionFigures& session = book.session;
    StudentRecord& record = book.record;

    // "Time this set:" shows the set clock, so its number is the set's seconds.
    session.lastSetSeconds = set.seconds;
    if (!bestSeconds) {
        bestSeconds = set.seconds;
        record.setI32(L::kBegBestTime, set.seconds);
    } else if (*bestSeconds > set.seconds) {
        bestSeconds = set.seconds;
        record.setI32(L::kBegBestTime, set.seconds);
        record.setI32(L::kBegBestTimeBeaten, set.seconds);
    }

    session.sessionMissesTotal += set.misses;
    session.sessionHitsTotal += set.hits;
    // The session totals are whole counts kept in doubles.
    const std::int64_t sessionMisses = std::llround(session.sessionMissesTotal);
    const std::int64_t sessionHits = std::llround(session.sessionHitsTotal);

    const long double presses = static_cast<long double>(set.misses) + set.hits;
    addToFigure(record, L::kBegKeysTotal, presses);
    addToFigure(record, L::kBegMissesTotal, set.misses);
    session.sessionPresses = plus(session.sessionPresses, presses);
    session.sessionMisses = plus(session.sessionMisses, set.misses);
    record.setI64(L::kBegSessionKeys, session.sessionPresses);
    record.setI64(L::kBegSessionMisses, session.sessionMisses);

    return {*bestSeconds, correctPercent(set.hits, set.misses),
            correctPercent(sessionHits, sessionMisses)};
}

} // namespace kf
