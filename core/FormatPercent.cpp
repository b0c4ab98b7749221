// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FormatPercent.h"

#include <limits>

namespace kf {

namespace {

__extension__ using Wide = __int128;

} // namespace

std::int32_t wholePercent(std::int64_t part, std::int64_t whole, PercentTie tie) {
    if (whole <= 0)
        return 0;
    const Wide scaled = Wide(part) * 100;
    Wide quotient = scaled / whole;
    Wide remainder = scaled % whole;
    if (remainder < 0) { // floor, so the remainder below counts towards the next whole up
        quotient -= 1;
        remainder += whole;
    }
    const Wide twice = remainder * 2;
    const bool up =
        twice > whole || (twice == whole && (tie == PercentTie::Up || quotient % 2 != 0));
    const Wide percent = quotient + (up ? 1 : 0);
    // A damaged file can hold any figure; the percent stops at the ends of its range.
    constexpr Wide kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr Wide kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(percent < kLowest    ? kLowest
                                     : percent > kHighest ? kHighest
                                                          : percent);
}

QString formatPercent(std::int64_t correct, std::int64_t presses) {
    const std::int32_t percent = wholePercent(correct, presses, PercentTie::Up);
    if (percent >= 100)
        return QStringLiteral("100%");
    return QStringLiteral("%1%").arg(qMax(percent, 0), 2, 10, QLatin1Char('0'));
}

} // namespace kf
