// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/OverallCharts.h"

#include "progress/SectionTotals.h"
#include "progress/StudentFigures.h"
#include "students/DailyRollover.h"
#include "students/StudentRecord.h"

#include <array>

namespace kf {

namespace {

constexpr std::array<const char*, 3> kAccuracyTitles = {
    QT_TRANSLATE_NOOP("Charts", "Percent Correct (today or last) -- "),
    QT_TRANSLATE_NOOP("Charts", "Percent Correct (past 8 days) -- "),
    QT_TRANSLATE_NOOP("Charts", "Percent Correct (all days) -- "),
};
constexpr std::array<const char*, 3> kWpmTitles = {
    QT_TRANSLATE_NOOP("Charts", "Adjusted WPM (today or last) -- "),
    QT_TRANSLATE_NOOP("Charts", "Adjusted WPM (past 8 days) -- "),
    QT_TRANSLATE_NOOP("Charts", "Adjusted WPM (all days) -- "),
};
// Empty lines under the title text keep the value marks clear of it.
constexpr int kAccuracyTitleReturns = 3;
constexpr int kWpmTitleReturns = 2;

const char* periodTitle(const std::array<const char*, 3>& titles, OverallPeriod period) {
    return titles.at(static_cast<std::size_t>(period));
}

// The eight entries of a history as green bars without labels, the latest session first.
QList<ChartBar> historyBars(const SessionHistory& history) {
    QList<ChartBar> bars;
    for (const std::int32_t figure : history)
        bars.append({QString(), double(figure), BarGroup::Green});
    return bars;
}

ChartBar figureBar(std::int32_t figure) {
    return {QString(), double(figure), BarGroup::Red};
}

} // namespace

OverallChart overallAccuracyChart(const StudentRecord& record, Section section,
                                  const SectionUsage::WorkingTotals& session, OverallPeriod period,
                                  const ChartHeading& heading) {
    OverallChart out;
    out.chart.kind = ChartKind::OverallAccuracy;
    out.chart.titleLines = titleLines(
        chartTitle(periodTitle(kAccuracyTitles, period), heading, kAccuracyTitleReturns));
    switch (period) {
    case OverallPeriod::TodayOrLast: {
        const bool typedToday = session.keys != 0 || session.errors != 0;
        const bool damaged = typedToday ? damagedTotals(session) : latestDamaged(record, section);
        const std::int32_t percent =
            typedToday ? (damaged ? 0 : percentCorrect(session.keys, session.errors))
                       : accuracyLatest(record, section);
        out.chart.bars.append(figureBar(percent));
        // A student who never typed shows 0, never the figure of the student viewed before.
        out.correctPercentText = damaged ? damagedFigureText() : QString::number(percent);
        break;
    }
    case OverallPeriod::PastEightDays:
        out.chart.bars = historyBars(percentCorrectHistory(record, section));
        break;
    case OverallPeriod::AllDays: {
        const bool damaged = allDaysDamaged(record, section);
        const std::int32_t percent = accuracyAllDays(record, section);
        out.chart.bars.append(figureBar(percent));
        out.correctPercentText = damaged ? damagedFigureText() : QString::number(percent);
        break;
    }
    }
    if (!sectionHistories(section).countsWords)
        out.wpmText = chartText(kNotApplicable);
    return out;
}

OverallChart adjustedWpmChart(const StudentRecord& record, Section section,
                              const SectionUsage::WorkingTotals& session, OverallPeriod period,
                              const ChartHeading& heading) {
    OverallChart out;
    out.chart.kind = ChartKind::AdjustedWpm;
    const SectionHistories& histories = sectionHistories(section);
    if (!histories.countsWords) {
        out.chart.titleLines = QStringList{chartText(kNoWpmChartTitle)};
        out.wpmText = chartText(kNotApplicable);
        return out;
    }
    out.chart.titleLines =
        titleLines(chartTitle(periodTitle(kWpmTitles, period), heading, kWpmTitleReturns));
    switch (period) {
    case OverallPeriod::TodayOrLast: {
        const bool typedToday = session.seconds != 0 || session.keys != 0 || session.errors != 0;
        const bool damaged = typedToday ? damagedTotals(session) : latestDamaged(record, section);
        const std::int32_t wpm = typedToday ? (damaged ? 0 : sessionSpeed(session).adjustedWpm)
                                            : adjustedWpmLatest(record, section);
        out.chart.bars.append(figureBar(wpm));
        out.wpmText = damaged ? damagedFigureText() : QString::number(wpm);
        break;
    }
    case OverallPeriod::PastEightDays:
        out.chart.bars = historyBars(adjustedWpmHistory(record, section));
        out.wpmText = chartText(kNotApplicable);
        break;
    case OverallPeriod::AllDays: {
        const bool damaged = allDaysDamaged(record, section);
        const std::int32_t wpm = adjustedWpmAllDays(record, section);
        out.chart.bars.append(figureBar(wpm));
        out.wpmText = damaged ? damagedFigureText() : QString::number(wpm);
        break;
    }
    }
    return out;
}

} // namespace kf
