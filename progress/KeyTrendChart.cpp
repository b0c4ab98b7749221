// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/KeyTrendChart.h"

#include "progress/TroubleKeysTexts.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>

namespace kf {

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 90;
constexpr int kTitleHeight = 16;
constexpr int kMargin = 4;
constexpr double kScaleTop = 100; // words a minute and percent share the scale
constexpr QRgb kSpeedColour = 0xFF1F5FBF;
constexpr QRgb kAccuracyColour = 0xFFC0392B;

QPainterPath linePath(const std::vector<KeySetPoint>& points, const QRectF& area,
                      const std::function<double(const KeySetPoint&)>& value) {
    QPainterPath path;
    const double step =
        points.size() > 1 ? area.width() / static_cast<double>(points.size() - 1) : 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double y = std::clamp(value(points[i]), 0.0, kScaleTop);
        const QPointF at(area.left() + step * static_cast<double>(i),
                         area.bottom() - area.height() * y / kScaleTop);
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    return path;
}

} // namespace

KeyTrendChart::KeyTrendChart(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

QSize KeyTrendChart::sizeHint() const {
    return {kWidth, kHeight};
}

void KeyTrendChart::show(int key, std::vector<KeySetPoint> points) {
    m_key = key;
    m_points = std::move(points);
    setObjectName(QStringLiteral("TroubleKeyChart%1").arg(key));
    const QString description = keyChartDescription(key, m_points);
    setAccessibleName(keyCaption(key));
    setAccessibleDescription(description);
    setToolTip(description);
    setFixedSize(sizeHint());
    update();
}

void KeyTrendChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(hasFocus() ? QPen(palette().highlight().color(), 2) : QPen(Qt::gray));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.drawText(QRect(kMargin, 0, width() - 2 * kMargin, kTitleHeight), Qt::AlignCenter,
                     keyCaption(m_key));
    const QRectF area(kMargin, kTitleHeight, width() - 2 * kMargin,
                      height() - kTitleHeight - kMargin);
    painter.setPen(QPen(Qt::lightGray, 1, Qt::DotLine));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(QPointF(area.left(), area.center().y()),
                     QPointF(area.right(), area.center().y()));
    painter.setPen(QPen(QColor::fromRgba(kSpeedColour), 2));
    painter.drawPath(
        linePath(m_points, area, [](const KeySetPoint& p) { return p.wordsPerMinute; }));
    painter.setPen(QPen(QColor::fromRgba(kAccuracyColour), 2, Qt::DashLine));
    painter.drawPath(
        linePath(m_points, area, [](const KeySetPoint& p) { return p.accuracy * kScaleTop; }));
}

} // namespace kf
