// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

namespace kf {

// How a whole percent settles an exact half.
enum class PercentTie : std::uint8_t { Up, ToEven };

// part / whole as a whole percent, worked out on the counts themselves so that a decimal tie
// (1 in 40 is 97.5 %) is seen as the tie it is; a binary fraction would land on either side of
// it. A whole of zero or less gives 0.
std::int32_t wholePercent(std::int64_t part, std::int64_t whole, PercentTie tie);

// correct / presses as the statistics panel shows it: always two digits before the percent sign
// ("70%", "03%", "00%"), ties rounded up, and "100%" from 99.5 % on.
QString formatPercent(std::int64_t correct, std::int64_t presses);

} // namespace kf
