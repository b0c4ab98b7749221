// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/TroubleKeys.h"

#include <QWidget>
#include <vector>

namespace kf {

// A small line chart of one key over its last sets: speed in words a minute (blue, solid) and
// accuracy in percent (red, dashed), both on one 0..100 scale.
class KeyTrendChart : public QWidget {
    Q_OBJECT

public:
    static constexpr int kLastSets = 20;

    explicit KeyTrendChart(QWidget* parent = nullptr);

    void show(int key, std::vector<KeySetPoint> points);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_key = 0;
    std::vector<KeySetPoint> m_points;
};

} // namespace kf
