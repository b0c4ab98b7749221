// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kf {

// A fraction 0..1 as the statistics panel shows it: always two digits before the percent sign
// ("70%", "03%", "00%"), and "100%" for a fraction that rounds to 1.00.
QString FormatPercent(double fraction);

} // namespace kf
