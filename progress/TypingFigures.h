// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/ProgramSection.h"

#include <cstdint>

namespace kf {

class StudentRecord;

// Typing time, keys typed and errors of a stretch of typing, as stored fixed-point figures
// (value x 10,000).
struct TypingTotals {
    std::int64_t seconds = 0;
    std::int64_t keys = 0;
    std::int64_t errors = 0;

    friend bool operator==(const TypingTotals&, const TypingTotals&) = default;
};

// A figure as a whole number, ties to even; values beyond the 32-bit range saturate.
std::int32_t wholeNumber(long double value);

// Whole percent of keys typed correctly: round((K - E) / K x 100); 0 without keys.
std::int32_t percentCorrect(const TypingTotals& totals);

// Words per minute (five keys make a word) times the fraction typed correctly, rounded to a
// whole number. Minutes, words per minute and the fraction each go through the fixed-point
// rounding on the way, as the stored figures do; no time or no keys gives 0.
std::int32_t adjustedWpm(const TypingTotals& totals);

// The section's figures of the latest session and of all days, as kept in the record.
TypingTotals latestTotals(const StudentRecord& record, ProgramSection section);
TypingTotals allDaysTotals(const StudentRecord& record, ProgramSection section);

} // namespace kf
