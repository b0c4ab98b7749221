// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/DailyRollover.h"

#include "core/FormatPercent.h"
#include "students/FixedPoint.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace kf {

namespace {

using namespace layout;

constexpr SectionHistories wordCounting(Section s, std::size_t block) {
    return {s, true, block + section::kPercentHistory, block + section::kAdjustedWpmHistory,
            block + section::kWpmHistory};
}

// In section order; the six word-counting sections own the six section blocks in order.
constexpr SectionHistories kHistories[kSectionCount] = {
    wordCounting(Section::Lessons, kSectionBlocks[0]),
    {Section::BeginnersDrills, false, kBegPercentHistory, 0, 0},
    wordCounting(Section::IntermediateDrills, kSectionBlocks[1]),
    wordCounting(Section::AdvancedDrills, kSectionBlocks[2]),
    wordCounting(Section::LetterGame, kSectionBlocks[3]),
    wordCounting(Section::TenLineTests, kSectionBlocks[4]),
    wordCounting(Section::TimedTests, kSectionBlocks[5]),
};

constexpr long double kKeysPerWord = 5.0L;
constexpr long double kStoredSecondsPerMinute = 60.0L * kFixedPointScale;

// A figure as a whole number for a history. A damaged record can hold figures whose quotients
// leave the range of a history element; they stop at its ends instead of wrapping.
std::int32_t wholeNumber(long double value) {
    constexpr auto lowest = static_cast<long double>(std::numeric_limits<std::int32_t>::min());
    constexpr auto highest = static_cast<long double>(std::numeric_limits<std::int32_t>::max());
    return roundHalfEven(std::clamp(value, lowest, highest));
}

// Keys and errors of a section's session: Beginners Drills reads the latest-session figures the
// drill engine copied into the record at the end of each set.
SectionUsage::WorkingTotals sessionCounts(const StudentRecord& record, const SectionUsage& usage,
                                          Section s) {
    if (s == Section::BeginnersDrills)
        return {0, record.i64(kBegSessionKeys), record.i64(kBegSessionMisses)};
    return usage.totals(s);
}

} // namespace

const SectionHistories& sectionHistories(Section section) {
    return kHistories[static_cast<std::size_t>(section)];
}

std::vector<RolloverStep> rolloverSteps(const SectionUsage& usage) {
    std::vector<RolloverStep> steps;
    for (const SectionHistories& h : kHistories) {
        if (h.countsWords && usage.used(h.section))
            steps.push_back({RolloverPart::WordsPerMinute, h.section});
    }
    for (const SectionHistories& h : kHistories) {
        if (usage.used(h.section))
            steps.push_back({RolloverPart::PercentCorrect, h.section});
    }
    return steps;
}

SessionSpeed sessionSpeed(const SectionUsage::WorkingTotals& totals) {
    const long double keys = fromFixedPoint(totals.keys);
    const long double errors = fromFixedPoint(totals.errors);
    // Minutes are a figure of their own, kept to four decimals before they divide anything:
    // the stored seconds over 600,000 are the minutes.
    const long double minutes = fromFixedPoint(
        toFixedPoint(static_cast<long double>(totals.seconds) / kStoredSecondsPerMinute));
    const long double wpm =
        minutes > 0 ? fromFixedPoint(toFixedPoint(keys / kKeysPerWord / minutes)) : 0.0L;
    const long double accuracy =
        keys > 0 ? fromFixedPoint(toFixedPoint((keys - errors) / keys)) : 0.0L;
    return {wholeNumber(wpm), wholeNumber(accuracy * wpm)};
}

bool damagedTotals(const SectionUsage::WorkingTotals& totals) {
    // Ten billion keys: a key a second, day and night, for three hundred years.
    constexpr std::int64_t kMostKeys = 10'000'000'000LL * 10'000;
    return totals.seconds < 0 || totals.keys < 0 || totals.errors < 0 ||
           (totals.keys > 0 && totals.errors > totals.keys) || totals.keys > kMostKeys ||
           totals.seconds > kMostKeys;
}

QString damagedFigureText() {
    return QCoreApplication::translate("Charts", kDamagedFigure);
}

std::int32_t percentCorrect(std::int64_t keys, std::int64_t errors) {
    // On the stored counts themselves, so that a decimal tie is a tie; a damaged file's
    // difference that leaves the 64-bit range stops at its end.
    std::int64_t correct = 0;
    if (__builtin_sub_overflow(keys, errors, &correct))
        correct = errors > 0 ? std::numeric_limits<std::int64_t>::min()
                             : std::numeric_limits<std::int64_t>::max();
    return wholePercent(correct, keys, PercentTie::ToEven);
}

void dailyRollover(StudentRecord& record, const SectionUsage& usage) {
    for (const RolloverStep& step : rolloverSteps(usage)) {
        const SectionHistories& h = sectionHistories(step.section);
        const SectionUsage::WorkingTotals counts = sessionCounts(record, usage, step.section);
        if (step.part == RolloverPart::WordsPerMinute) {
            const SessionSpeed speed = sessionSpeed(counts);
            record.pushHistory(h.wpm, speed.wpm);
            record.pushHistory(h.adjustedWpm, speed.adjustedWpm);
        } else {
            record.pushHistory(h.percentCorrect, percentCorrect(counts.keys, counts.errors));
        }
    }
}

} // namespace kf
