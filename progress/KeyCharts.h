// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/ChartDescription.h"
#include "progress/ChartTitles.h"
#include "students/DrillSessionFigures.h"

#include <QString>

namespace kf {

class StudentRecord;

// The time period of the per-key charts, in the order of the selector's items.
enum class KeyPeriod : std::uint8_t { TodayOrLast, TypingHistory };

// The groups of the "Characters" selector, in the order of its items.
enum class KeyGroup : std::uint8_t { LettersAndPunctuation, Numbers, Symbols, InternationalKeys };

struct StatisticsRange {
    int first = 0;
    int last = 0;
};

// The statistics indices a group charts, and the bar group (colour) of an index 1..108.
StatisticsRange keyGroupRange(KeyGroup group);
BarGroup keyBarGroup(int statisticsIndex);

// The character a bar of an index is labelled with: letters in upper case, every other
// character as it is (so 99 is the small and 100 the capital c with cedilla). Empty outside
// 1..108.
QString keyLabel(int statisticsIndex);

// The per-key figures "Today or Last" shows: this session's once a key was scored in it (a
// count or a figure is not zero), otherwise the latest session's kept in the record at
// latestOffset. The counts matter because a session of misses only has accuracies of 0, yet
// it is today's.
PerKeyFigures todayOrLastFigures(const PerKeyFigures& sessionFigures,
                                 const PerKeyFigures& sessionCounts, const StudentRecord& record,
                                 std::size_t latestOffset);

// Seconds per press of every key of the group, from the drills' figures.
ChartDescription keySpeedChart(const StudentRecord& record, const DrillSessionFigures& session,
                               KeyPeriod period, KeyGroup group, const ChartHeading& heading);

// Whole percent typed correctly of every key of the group, from the drills' figures.
ChartDescription keyAccuracyChart(const StudentRecord& record, const DrillSessionFigures& session,
                                  KeyPeriod period, KeyGroup group, const ChartHeading& heading);

// A stored accuracy fraction as the bar shows it: rounded to two decimals, times 100.
std::int32_t accuracyPercent(std::int64_t storedFraction);

} // namespace kf
