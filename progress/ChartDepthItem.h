// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QList>
#include <QPointF>
#include <QRectF>

namespace kf {

// The 3-D look of a bar chart, which Qt Charts does not draw: a back wall set back by the
// depth with the grid on it, a left wall and a floor, and the top and right faces of every bar.
// It lies under the chart's own bars, so their front faces cover what is behind them.
class ChartDepthItem : public QGraphicsItem {
public:
    struct Bar {
        QRectF front; // the front face as Qt Charts draws it, in chart coordinates
        QColor colour;
    };
    struct Frame {
        QRectF plotArea;
        QPointF depth;          // from a front corner to the back one
        QList<qreal> gridLines; // y of each grid line on the front plane
        QList<Bar> bars;        // from left to right
    };

    explicit ChartDepthItem(QGraphicsItem* parent = nullptr);

    void setFrame(const Frame& frame);
    const Frame& frame() const { return m_frame; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void paintWalls(QPainter& painter) const;
    void paintBarFaces(QPainter& painter, const Bar& bar) const;

    Frame m_frame;
};

} // namespace kf
