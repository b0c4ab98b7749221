// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/KeyTable.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace kf {

class StudentRecord;
struct DrillSessionFigures;

// Where the drill books a press: the student record in memory and the working figures of this
// session. The scoring reaches nothing else, so it is checked with a record and figures alone.
struct ScoreBook {
    StudentRecord& record;
    DrillSessionFigures& session;
};

// A timed press of the target: its reaction time in ticks joins the target's average seconds in
// the session and in the record. A character without a statistics slot is not booked.
void recordKeySpeed(ScoreBook book, AnsiChar target, std::int32_t ticks);

// A judged press of the target: presented and (on a hit) correct counts, the accuracies, and for
// a missed capital the letter error of the hand that holds the Shift key.
void recordKeyAccuracy(ScoreBook book, AnsiChar target, bool hit);

// A finished set as the drill counted it.
struct SetCount {
    std::int32_t seconds = 0;
    std::int32_t hits = 0;
    std::int32_t misses = 0;
};

// What the statistics panel shows of a finished set.
struct SetStatistics {
    std::int32_t bestSeconds = 0;
    QString correctThisSet;
    QString correctThisSession;
};

// Books a finished set into the session totals and the record, and settles the best time of
// the drill window (bestSeconds: none before its first set; a faster set beats it).
SetStatistics computeSetStatistics(ScoreBook book, std::optional<std::int32_t>& bestSeconds,
                                   const SetCount& set);

} // namespace kf
