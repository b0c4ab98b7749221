// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace kf {

namespace {

const QColor kInk(40, 40, 40);
const QColor kGreen(30, 150, 60);
const QColor kRed(200, 30, 40);

void drawHitMark(QPainter& p) {
    p.setPen(QPen(kGreen, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(5, 15), QPointF(11, 22), QPointF(23, 6)}));
}

void drawMissMark(QPainter& p) {
    p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 6), QPointF(22, 22));
    p.drawLine(QPointF(22, 6), QPointF(6, 22));
}

void drawHandDelay(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(3, 3, 18, 18));
    p.drawLine(QPointF(12, 12), QPointF(12, 6));
    p.drawLine(QPointF(12, 12), QPointF(16, 14));
}

void drawSound(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({QPointF(3, 9), QPointF(8, 9), QPointF(13, 4), QPointF(13, 20),
                             QPointF(8, 15), QPointF(3, 15)}));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11, 7, 8, 10), -60 * 16, 120 * 16);
    p.drawArc(QRectF(11, 3, 12, 18), -60 * 16, 120 * 16);
}

void drawColours(QPainter& p) {
    const QColor colours[] = {QColor(92, 152, 158), QColor(103, 130, 180), QColor(201, 82, 123),
                              QColor(172, 123, 171)};
    p.setPen(QPen(kInk, 1));
    for (int i = 0; i < 4; ++i) {
        const int column = i % 2;
        const int row = i / 2;
        p.setBrush(colours[i]);
        p.drawRect(QRectF(3 + column * 10, 3 + row * 10, 8, 8));
    }
}

void drawCharts(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(3, 21), QPointF(21, 21));
    p.setBrush(QColor(70, 120, 200));
    p.drawRect(QRectF(4, 12, 4, 9));
    p.drawRect(QRectF(10, 6, 4, 15));
    p.drawRect(QRectF(16, 9, 4, 12));
}

void drawKeyboard(QPainter& p, bool labelled) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2, 6, 20, 12));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(4 + col * 4.5, 8 + row * 4.5, 3, 3));
    if (labelled) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 0, 24, 7), Qt::AlignCenter, QStringLiteral("ABC"));
    }
}

void drawExit(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 3, 10, 18));
    p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(10, 12), QPointF(21, 12));
    p.drawPolyline(QPolygonF({QPointF(17, 8), QPointF(21, 12), QPointF(17, 16)}));
}

} // namespace

QImage drawDrillGlyph(DrillGlyph glyph) {
    const bool mark = glyph == DrillGlyph::HitMark || glyph == DrillGlyph::MissMark;
    const int size = mark ? kMarkSize : kToolGlyphSize;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (glyph) {
    case DrillGlyph::HitMark:
        drawHitMark(p);
        break;
    case DrillGlyph::MissMark:
        drawMissMark(p);
        break;
    case DrillGlyph::HandDelay:
        drawHandDelay(p);
        break;
    case DrillGlyph::Sound:
        drawSound(p);
        break;
    case DrillGlyph::Colours:
        drawColours(p);
        break;
    case DrillGlyph::Charts:
        drawCharts(p);
        break;
    case DrillGlyph::ShowKeys:
        drawKeyboard(p, true);
        break;
    case DrillGlyph::HideKeys:
        drawKeyboard(p, false);
        break;
    case DrillGlyph::ExitLessons:
        drawExit(p);
        break;
    }
    return image;
}

} // namespace kf
