// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/Drawing.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QStringList>

namespace kf::assets {

namespace {

constexpr int kDotsPerMeter = 3780; // 96 dots per inch

} // namespace

QImage newPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.setDotsPerMeterX(kDotsPerMeter);
    picture.setDotsPerMeterY(kDotsPerMeter);
    picture.fill(colours::kPaper);
    return picture;
}

QFont fontOf(const QString& family, int pixels, bool bold, bool italic) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoSubpixelAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QString missingFonts() {
    QStringList missing;
    for (const QString& family : {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif"),
                                  QStringLiteral("Liberation Serif")}) {
        if (QFontInfo(fontOf(family, 12, true)).family() != family)
            missing << family;
    }
    return missing.join(QStringLiteral(", "));
}

void drawKeyCap(QPainter& painter, std::span<const QRectF> areas, const KeyCapStyle& style) {
    QPainterPath outline;
    QPainterPath face;
    for (const QRectF& area : areas) {
        QPainterPath part;
        part.addRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), style.radius, style.radius);
        outline = outline.united(part);
        part.clear();
        part.addRoundedRect(area.adjusted(style.side, style.top, -style.side - 1, -style.bottom),
                            style.radius - 1, style.radius - 1);
        face = face.united(part);
    }

    painter.save();
    painter.setPen(QPen(style.edge, 1));
    painter.setBrush(style.skirt);
    painter.drawPath(outline);

    const QRectF faceBounds = face.boundingRect();
    QLinearGradient shine(faceBounds.topLeft(), faceBounds.bottomLeft());
    shine.setColorAt(0, style.face);
    shine.setColorAt(1, style.faceLow);
    painter.setPen(QPen(style.skirt.darker(115), 1));
    painter.setBrush(shine);
    painter.drawPath(face);
    painter.restore();
}

void drawKeyCap(QPainter& painter, const QRectF& area, const KeyCapStyle& style) {
    drawKeyCap(painter, std::span<const QRectF>(&area, 1), style);
}

void drawBevelledPanel(QPainter& painter, const QRectF& area, qreal radius, const QColor& fill,
                       const QColor& edge) {
    painter.save();
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(area, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(fill.lighter(112), 1));
    painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    painter.restore();
}

QString savePicture(const QImage& picture, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        return QStringLiteral("%1: the picture could not be encoded").arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return {};
}

} // namespace kf::assets
