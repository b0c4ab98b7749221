// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/ChartDescription.h"
#include "progress/ChartTitles.h"
#include "students/SectionUsage.h"

#include <QString>
#include <optional>

namespace kf {

class StudentRecord;

// The time period of the overall charts, in the order of the selector's items.
enum class OverallPeriod : std::uint8_t { TodayOrLast, PastEightDays, AllDays };

// An overall chart and what the window's "Correct %:" and "WPM:" value panels show with it;
// nothing means the panel keeps its text.
struct OverallChart {
    ChartDescription chart;
    std::optional<QString> correctPercentText;
    std::optional<QString> wpmText;
};

// What the "WPM:" panel shows where no words per minute apply.
inline constexpr const char* kNotApplicable = QT_TRANSLATE_NOOP("Charts", "N/A");

// Percent correct of a section, figured as the daily roll-over figures it. session holds what
// this session has typed in the section so far (zero when nothing); "Today or Last" shows it
// once it has keys or errors, otherwise the latest session's figures kept in the record.
OverallChart overallAccuracyChart(const StudentRecord& record, Section section,
                                  const SectionUsage::WorkingTotals& session, OverallPeriod period,
                                  const ChartHeading& heading);

// Adjusted words per minute of a section, likewise ("Today or Last" takes the session once it
// has time, keys or errors); Beginners Drills have none.
OverallChart adjustedWpmChart(const StudentRecord& record, Section section,
                              const SectionUsage::WorkingTotals& session, OverallPeriod period,
                              const ChartHeading& heading);

} // namespace kf
