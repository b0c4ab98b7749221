// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/KeyCharts.h"

#include "keyboard/KeyTable.h"
#include "keyboard/Windows1252.h"
#include "students/FixedPoint.h"
#include "students/StudentRecord.h"

#include <algorithm>
#include <array>
#include <limits>

namespace kf {

using namespace layout;

namespace {

inline constexpr int kLastStatisticsIndex = 108;

// Consecutive indices of one selector group that share a colour.
struct KeyRun {
    KeyGroup group;
    int first;
    int last;
    BarGroup colour;
};

constexpr std::array<KeyRun, 8> kKeyRuns = {{
    {KeyGroup::LettersAndPunctuation, 1, 10, BarGroup::Red},     // home row
    {KeyGroup::LettersAndPunctuation, 11, 20, BarGroup::Green},  // top row
    {KeyGroup::LettersAndPunctuation, 21, 29, BarGroup::Blue},   // bottom row
    {KeyGroup::LettersAndPunctuation, 30, 37, BarGroup::Purple}, // punctuation
    {KeyGroup::Numbers, 38, 47, BarGroup::Blue},
    {KeyGroup::Symbols, 48, 68, BarGroup::Red},
    {KeyGroup::InternationalKeys, 69, 92, BarGroup::Green},
    {KeyGroup::InternationalKeys, 93, 108, BarGroup::Purple},
}};

// Label of every statistics index. Both cases of a letter share an index; the upper-case
// one has the lower byte, so the first character found for an index is the label.
const std::array<QString, kLastStatisticsIndex + 1>& labelTable() {
    static const auto table = [] {
        std::array<QString, kLastStatisticsIndex + 1> labels;
        for (int byte = 1; byte < 256; ++byte) {
            const auto character = static_cast<AnsiChar>(byte);
            const int index = statisticsIndex(character);
            if (index >= 1 && index <= kLastStatisticsIndex && labels.at(index).isEmpty())
                labels.at(index) = QString(fromWindows1252(character));
        }
        return labels;
    }();
    return table;
}

struct KeyTitles {
    const char* todayOrLast;
    const char* history;
};

constexpr KeyTitles kSpeedTitles = {
    QT_TRANSLATE_NOOP("Charts", "Key Speed in Seconds (today or latest) -- "),
    QT_TRANSLATE_NOOP("Charts", "Key Speed in Seconds (all days) -- ")};
constexpr KeyTitles kAccuracyTitles = {
    QT_TRANSLATE_NOOP("Charts", "Percent Correct (today or latest) -- "),
    QT_TRANSLATE_NOOP("Charts", "Percent Correct (all days) -- ")};

const char* periodTitle(const KeyTitles& titles, KeyPeriod period) {
    return period == KeyPeriod::TodayOrLast ? titles.todayOrLast : titles.history;
}

PerKeyFigures recordFigures(const StudentRecord& record, std::size_t offset) {
    PerKeyFigures figures{};
    for (int index = 1; index <= static_cast<int>(kPerKeyCount); ++index)
        figures.at(index) = record.perKeyStored(offset, index);
    return figures;
}

template <typename BarValue>
ChartDescription keyChart(ChartKind kind, const PerKeyFigures& figures, KeyGroup group,
                          const QString& title, BarValue barValue) {
    ChartDescription chart{.kind = kind, .titleLines = titleLines(title), .bars = {}};
    const StatisticsRange range = keyGroupRange(group);
    for (int index = range.first; index <= range.last; ++index)
        chart.bars.append({keyLabel(index), barValue(figures.at(index)), keyBarGroup(index)});
    return chart;
}

} // namespace

StatisticsRange keyGroupRange(KeyGroup group) {
    StatisticsRange range{kLastStatisticsIndex + 1, 0};
    for (const KeyRun& run : kKeyRuns) {
        if (run.group == group) {
            range.first = std::min(range.first, run.first);
            range.last = std::max(range.last, run.last);
        }
    }
    return range;
}

BarGroup keyBarGroup(int statisticsIndex) {
    for (const KeyRun& run : kKeyRuns)
        if (statisticsIndex >= run.first && statisticsIndex <= run.last)
            return run.colour;
    return BarGroup::Red;
}

QString keyLabel(int statisticsIndex) {
    if (statisticsIndex < 1 || statisticsIndex > kLastStatisticsIndex)
        return {};
    return labelTable().at(statisticsIndex);
}

PerKeyFigures todayOrLastFigures(const PerKeyFigures& sessionFigures,
                                 const PerKeyFigures& sessionCounts, const StudentRecord& record,
                                 std::size_t latestOffset) {
    const auto anyNonZero = [](const PerKeyFigures& figures) {
        return std::any_of(figures.begin() + 1, figures.end(),
                           [](std::int64_t v) { return v != 0; });
    };
    const bool typedToday = anyNonZero(sessionCounts) || anyNonZero(sessionFigures);
    return typedToday ? sessionFigures : recordFigures(record, latestOffset);
}

std::int32_t accuracyPercent(std::int64_t storedFraction) {
    // Two decimals of the fraction are the whole percent: stored / 100, rounded once. A
    // damaged file can hold any figure; it stops at the ends of the range instead of wrapping.
    constexpr auto kLowest = static_cast<long double>(std::numeric_limits<std::int32_t>::min());
    constexpr auto kHighest = static_cast<long double>(std::numeric_limits<std::int32_t>::max());
    return roundHalfEven(
        std::clamp(static_cast<long double>(storedFraction) / 100.0L, kLowest, kHighest));
}

ChartDescription keySpeedChart(const StudentRecord& record, const DrillSessionFigures& session,
                               KeyPeriod period, KeyGroup group, const ChartHeading& heading) {
    const PerKeyFigures figures =
        period == KeyPeriod::TodayOrLast
            ? todayOrLastFigures(session.averageSeconds, session.timedPresses, record,
                                 kBegSessionAvgSeconds)
            : recordFigures(record, kBegAvgSeconds);
    return keyChart(ChartKind::KeySpeed, figures, group,
                    chartTitle(periodTitle(kSpeedTitles, period), heading),
                    [](std::int64_t stored) { return double(fromFixedPoint(stored)); });
}

ChartDescription keyAccuracyChart(const StudentRecord& record, const DrillSessionFigures& session,
                                  KeyPeriod period, KeyGroup group, const ChartHeading& heading) {
    const PerKeyFigures figures =
        period == KeyPeriod::TodayOrLast
            ? todayOrLastFigures(session.accuracy, session.presented, record, kBegSessionAccuracy)
            : recordFigures(record, kBegAccuracy);
    return keyChart(ChartKind::KeyAccuracy, figures, group,
                    chartTitle(periodTitle(kAccuracyTitles, period), heading),
                    [](std::int64_t stored) { return double(accuracyPercent(stored)); });
}

} // namespace kf
