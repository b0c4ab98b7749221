// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/StudentFigures.h"

#include "progress/SectionTotals.h"
#include "students/DailyRollover.h"
#include "students/FixedPoint.h"
#include "students/StudentRecord.h"

namespace kf {

namespace {

std::int32_t accuracyOf(const SectionUsage::WorkingTotals& totals) {
    return damagedTotals(totals) ? 0 : percentCorrect(totals.keys, totals.errors);
}

std::int32_t adjustedWpmOf(const SectionUsage::WorkingTotals& totals, Section section) {
    if (!sectionHistories(section).countsWords || damagedTotals(totals))
        return 0;
    return sessionSpeed(totals).adjustedWpm;
}

bool anyFigure(const SectionUsage::WorkingTotals& totals) {
    return totals.seconds != 0 || totals.keys != 0 || totals.errors != 0;
}

SessionHistory historyAt(const StudentRecord& record, std::size_t offset) {
    SessionHistory out{};
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = record.history(offset, static_cast<int>(i));
    return out;
}

} // namespace

bool latestDamaged(const StudentRecord& record, Section section) {
    return damagedTotals(latestTotals(record, section));
}

bool allDaysDamaged(const StudentRecord& record, Section section) {
    return damagedTotals(allDaysTotals(record, section));
}

std::int32_t accuracyLatest(const StudentRecord& record, Section section) {
    return accuracyOf(latestTotals(record, section));
}

std::int32_t accuracyAllDays(const StudentRecord& record, Section section) {
    return accuracyOf(allDaysTotals(record, section));
}

std::int32_t adjustedWpmLatest(const StudentRecord& record, Section section) {
    return adjustedWpmOf(latestTotals(record, section), section);
}

std::int32_t adjustedWpmAllDays(const StudentRecord& record, Section section) {
    return adjustedWpmOf(allDaysTotals(record, section), section);
}

bool holdsWordFigures(const StudentRecord& record, Section section) {
    return sectionHistories(section).countsWords &&
           (anyFigure(latestTotals(record, section)) || anyFigure(allDaysTotals(record, section)));
}

std::int64_t drillKeysAllDays(const StudentRecord& record) {
    return roundHalfEven(record.figure(layout::kBegKeysTotal));
}

AnsiChar slowestLetterOfSession(const StudentRecord& record) {
    return record.byte(layout::kBegSlowestKey);
}

std::int32_t bestSetTime(const StudentRecord& record) {
    return record.i32(layout::kBegBestTime);
}

SessionHistory percentCorrectHistory(const StudentRecord& record, Section section) {
    return historyAt(record, sectionHistories(section).percentCorrect);
}

SessionHistory adjustedWpmHistory(const StudentRecord& record, Section section) {
    return historyAt(record, sectionHistories(section).adjustedWpm);
}

int sessionsRecorded(const SessionHistory& history) {
    int count = 0;
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (history[i] != 0)
            count = static_cast<int>(i) + 1;
    }
    return count;
}

} // namespace kf
