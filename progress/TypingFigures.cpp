// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/TypingFigures.h"

#include "students/FixedPoint.h"
#include "students/StudentRecord.h"

#include <algorithm>
#include <limits>

namespace kf {

namespace {

// A student file can hold any bytes. Converting a value that does not fit is undefined, so a
// figure far beyond any real typing saturates instead (about 9 x 10^13 keys or seconds).
std::int64_t storedFigure(long double value) {
    constexpr long double kLimit = 9.0e17L / kFixedPointScale;
    return toFixedPoint(std::clamp(value, -kLimit, kLimit));
}

// Minutes as a stored figure, taken from the stored seconds the way the roll-over does.
std::int64_t storedMinutes(std::int64_t storedSeconds) {
    return storedFigure(static_cast<long double>(storedSeconds) / 600000.0L);
}

} // namespace

std::int32_t wholeNumber(long double value) {
    constexpr auto kLow = static_cast<long double>(std::numeric_limits<std::int32_t>::min());
    constexpr auto kHigh = static_cast<long double>(std::numeric_limits<std::int32_t>::max());
    return roundHalfEven(std::clamp(value, kLow, kHigh));
}

std::int32_t percentCorrect(const TypingTotals& totals) {
    if (totals.keys == 0)
        return 0;
    const long double keys = fromFixedPoint(totals.keys);
    const long double errors = fromFixedPoint(totals.errors);
    return wholeNumber((keys - errors) / keys * 100.0L);
}

std::int32_t adjustedWpm(const TypingTotals& totals) {
    const long double minutes = fromFixedPoint(storedMinutes(totals.seconds));
    const long double keys = fromFixedPoint(totals.keys);
    const long double errors = fromFixedPoint(totals.errors);
    const std::int64_t wpm = minutes > 0 ? storedFigure(keys / 5.0L / minutes) : 0;
    const std::int64_t accuracy = totals.keys != 0 ? storedFigure((keys - errors) / keys) : 0;
    return wholeNumber(fromFixedPoint(accuracy) * fromFixedPoint(wpm));
}

TypingTotals latestTotals(const StudentRecord& record, ProgramSection section) {
    const SectionFields fields = sectionFields(section);
    return {
        .seconds = fields.hasWpm ? record.i64(fields.latestSeconds) : 0,
        .keys = record.i64(fields.latestKeys),
        .errors = record.i64(fields.latestErrors),
    };
}

TypingTotals allDaysTotals(const StudentRecord& record, ProgramSection section) {
    const SectionFields fields = sectionFields(section);
    return {
        .seconds = record.i64(fields.allDaysSeconds),
        .keys = record.i64(fields.allDaysKeys),
        .errors = record.i64(fields.allDaysErrors),
    };
}

} // namespace kf
