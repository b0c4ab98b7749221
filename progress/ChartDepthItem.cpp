// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ChartDepthItem.h"

#include <QPainter>
#include <QPolygonF>

namespace kf {

namespace {

const QColor kWallColour(Qt::white);
const QColor kSideWallColour(236, 236, 236);
const QColor kEdgeColour(128, 128, 128);
const QColor kGridColour(192, 192, 192);

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d) {
    return QPolygonF({a, b, c, d});
}

} // namespace

ChartDepthItem::ChartDepthItem(QGraphicsItem* parent)
    : QGraphicsItem(parent) {}

void ChartDepthItem::setFrame(const Frame& frame) {
    prepareGeometryChange();
    m_frame = frame;
    update();
}

QRectF ChartDepthItem::boundingRect() const {
    const QRectF plot = m_frame.plotArea;
    return plot.united(plot.translated(m_frame.depth)).adjusted(-1, -1, 1, 1);
}

void ChartDepthItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (m_frame.plotArea.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    paintWalls(*painter);
    for (const Bar& bar : m_frame.bars)
        paintBarFaces(*painter, bar);
    painter->restore();
}

void ChartDepthItem::paintWalls(QPainter& painter) const {
    const QRectF front = m_frame.plotArea;
    const QPointF d = m_frame.depth;
    const QRectF back = front.translated(d);

    painter.setPen(QPen(kEdgeColour, 1));
    painter.setBrush(kWallColour);
    painter.drawRect(back);
    painter.setBrush(kSideWallColour);
    painter.drawPolygon(
        quad(front.topLeft(), back.topLeft(), back.bottomLeft(), front.bottomLeft()));
    painter.drawPolygon(
        quad(front.bottomLeft(), back.bottomLeft(), back.bottomRight(), front.bottomRight()));

    // Each grid line runs along the back wall and comes forward along the left wall.
    painter.setPen(QPen(kGridColour, 1));
    for (const qreal y : m_frame.gridLines) {
        const QPointF left(front.left(), y);
        painter.drawLine(left, left + d);
        painter.drawLine(left + d, QPointF(back.right(), y + d.y()));
    }
}

void ChartDepthItem::paintBarFaces(QPainter& painter, const Bar& bar) const {
    const QRectF r = bar.front;
    if (r.height() <= 0 || r.width() <= 0)
        return;
    const QPointF d = m_frame.depth;
    painter.setPen(QPen(bar.colour.darker(220), 1));
    painter.setBrush(bar.colour.darker(125));
    painter.drawPolygon(quad(r.topLeft(), r.topLeft() + d, r.topRight() + d, r.topRight()));
    painter.setBrush(bar.colour.darker(170));
    painter.drawPolygon(quad(r.topRight(), r.topRight() + d, r.bottomRight() + d, r.bottomRight()));
}

} // namespace kf
