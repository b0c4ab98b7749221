// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/SectionUsage.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kf {

class StudentRecord;

// Where a section's eight-session histories lie in the student record. Beginners Drills counts
// no words per minute: its two spare histories are never filled.
struct SectionHistories {
    Section section;
    bool countsWords;
    std::size_t percentCorrect;
    std::size_t adjustedWpm; // only when countsWords
    std::size_t wpm;         // only when countsWords
};
const SectionHistories& sectionHistories(Section section);

// The roll-over in two parts: first the words-per-minute histories of every used section that
// counts words, then the percent-correct history of every used section, each in section order.
enum class RolloverPart : std::uint8_t { WordsPerMinute, PercentCorrect };
struct RolloverStep {
    RolloverPart part;
    Section section;

    bool operator==(const RolloverStep&) const = default;
};
std::vector<RolloverStep> rolloverSteps(const SectionUsage& usage);

// A session's speed in whole words per minute (five keys make a word), plain and weighted by
// the fraction typed correctly; 0 when there was no time or no key.
struct SessionSpeed {
    std::int32_t wpm = 0;
    std::int32_t adjustedWpm = 0;
};
SessionSpeed sessionSpeed(const SectionUsage::WorkingTotals& totals);

// Whole percent of keys typed correctly; 0 when no key was typed. Keys and errors are
// fixed-point figures.
std::int32_t percentCorrect(std::int64_t keys, std::int64_t errors);

// Figures no real typing reaches, found only in a damaged file: negative counts or time, more
// errors than keys, or more keys than a lifetime of typing. The charts and the report show such
// figures as damaged instead of as a number.
bool damagedTotals(const SectionUsage::WorkingTotals& totals);
inline constexpr const char* kDamagedFigure = QT_TRANSLATE_NOOP("Charts", "damaged");
// The word shown for such a figure, in the interface language.
QString damagedFigureText();

// The session of the student whose record this is has ended: every section used in it gets one
// new entry in each of its histories, the oldest entry dropping out. Nothing else changes; the
// caller writes the record back when it should be.
void dailyRollover(StudentRecord& record, const SectionUsage& usage);

} // namespace kf
