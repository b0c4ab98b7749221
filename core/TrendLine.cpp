// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TrendLine.h"

#include <algorithm>

namespace kf {

QPolygonF trendLine(const QList<int>& percents, const QRectF& box) {
    QPolygonF points;
    const qsizetype count = percents.size();
    for (qsizetype i = 0; i < count; ++i) {
        const double share = std::clamp(percents.at(i), 0, 100) / 100.0;
        const double x = count == 1 ? box.center().x()
                                    : box.left() + box.width() * double(i) / double(count - 1);
        points.append({x, box.bottom() - box.height() * share});
    }
    return points;
}

} // namespace kf
