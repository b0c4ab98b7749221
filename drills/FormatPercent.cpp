// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/FormatPercent.h"

#include <cmath>

namespace kf {

QString FormatPercent(double fraction) {
    double whole = 0;
    const double part = std::modf(fraction, &whole);
    // Two decimals of the fractional part; its last two characters are the percent.
    const QString decimals = QString::number(part, 'f', 2);
    if (decimals == QStringLiteral("1.00"))
        return QStringLiteral("100%");
    return decimals.right(2) + u'%';
}

} // namespace kf
