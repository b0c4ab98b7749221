// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/Artwork.h"

#include "assets/Drawing.h"
#include "widgets/ProgramPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>

namespace kf::assets {

namespace {

// The highlight colours of the drill window: the logo spells "Key" on keys marked as targets.
const KeyCapStyle kTargetCap{QColor(132, 196, 145),
                             QColor(104, 170, 118),
                             QColor(78, 140, 96),
                             QColor(50, 104, 66),
                             7,
                             5.5,
                             3.5,
                             9.5};
const KeyCapStyle kIvoryCap{colours::kKeyFace,
                            colours::kKeyFaceLow,
                            colours::kKeySkirt,
                            colours::kKeyEdge,
                            7,
                            5.5,
                            3.5,
                            9.5};

// A soft shadow under a shape, as a few widening translucent copies.
void drawShadow(QPainter& painter, const QRectF& area, qreal radius) {
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int spread = 4; spread >= 1; --spread) {
        painter.setBrush(QColor(60, 70, 80, 14));
        const QRectF blur = area.translated(2, 3).adjusted(-spread, -spread, spread, spread);
        painter.drawRoundedRect(blur, radius + spread, radius + spread);
    }
    painter.restore();
}

void drawCentredText(QPainter& painter, const QRectF& box, const QString& text) {
    painter.drawText(box, Qt::AlignCenter, text);
}

// A four-pointed star, the wayfarer's compass.
void drawCompassStar(QPainter& painter, QPointF centre, qreal size, const QColor& colour) {
    const qreal waist = size * 0.22;
    QPolygonF star;
    for (int i = 0; i < 8; ++i) {
        const qreal reach = i % 2 == 0 ? size : waist;
        // The eight points of the star, clockwise from the north, along the axes and diagonals.
        static constexpr std::array<QPointF, 8> kDirections{{{0, -1},
                                                             {0.7071, -0.7071},
                                                             {1, 0},
                                                             {0.7071, 0.7071},
                                                             {0, 1},
                                                             {-0.7071, 0.7071},
                                                             {-1, 0},
                                                             {-0.7071, -0.7071}}};
        star << centre + kDirections[static_cast<std::size_t>(i)] * reach;
    }
    painter.save();
    painter.setPen(QPen(colour.darker(130), 1));
    painter.setBrush(colour);
    painter.drawPolygon(star);
    painter.restore();
}

QImage drawLogo() {
    QImage picture = newPicture(499, 233);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // Eight keys along a gentle smile, "KEY" marked as targets, "FARER" plain.
    constexpr std::array<int, 8> kLift{14, 7, 3, 0, 0, 3, 7, 14};
    constexpr qreal kCap = 54;
    constexpr qreal kPitch = 59;
    const qreal left = (499 - (7 * kPitch + kCap)) / 2;
    const QString word = QStringLiteral("KEYFARER");
    painter.setFont(fontOf(QStringLiteral("DejaVu Sans"), 34, true));
    for (std::size_t i = 0; i < kLift.size(); ++i) {
        const QRectF cap(left + static_cast<qreal>(i) * kPitch, 22 + kLift[i], kCap, kCap + 4);
        const bool target = i < 3;
        drawShadow(painter, cap, 7);
        drawKeyCap(painter, cap, target ? kTargetCap : kIvoryCap);
        painter.setPen(target ? QColor(255, 255, 250) : QColor(52, 60, 70));
        drawCentredText(painter, cap.adjusted(5, 2, -6, -9), word.at(static_cast<qsizetype>(i)));
    }

    // The title line, and an ornament of two rules around a compass star.
    painter.setPen(colours::kLink);
    painter.setFont(fontOf(QStringLiteral("Liberation Serif"), 34, true, true));
    drawCentredText(painter, QRectF(0, 112, 499, 50), QStringLiteral("Learn the Keyboard"));
    painter.setPen(QPen(colours::kSchemeGreen, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(96, 186), QPointF(230, 186));
    painter.drawLine(QPointF(269, 186), QPointF(403, 186));
    drawCompassStar(painter, QPointF(249.5, 186), 14, colours::kSchemeGreen);
    painter.setPen(colours::kSchemeGreenDark);
    painter.setFont(fontOf(QStringLiteral("DejaVu Serif"), 15, true));
    drawCentredText(painter, QRectF(0, 200, 499, 26), QStringLiteral("one key at a time"));
    return picture;
}

// A left-pointing arrow beside the links, to show a new student where to begin.
QImage drawHint() {
    QImage picture = newPicture(28, 22);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow(
        {{1.5, 11}, {12, 1.5}, {12, 7}, {26.5, 7}, {26.5, 15}, {12, 15}, {12, 20.5}});
    painter.setPen(QPen(QColor(150, 20, 34), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(214, 44, 60));
    painter.drawPolygon(arrow);
    return picture;
}

// The About box's picture on paper.
QImage drawAbout() {
    QImage picture = newPicture(96, 96);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintProgramPicture(painter);
    return picture;
}

// The title and side areas as the main window first paints them: paper framed in the colour
// of the first scheme.
QImage drawFramedPaper(int width, int height) {
    QImage picture = newPicture(width, height);
    QPainter painter(&picture);
    painter.setPen(QPen(colours::kSchemeGreen, 2));
    painter.setBrush(colours::kPaper);
    painter.drawRect(QRect(QPoint(3, 3), QPoint(width - 3, height - 2)));
    return picture;
}

// 16 x 16 triangles on a button face, drawn pixel by pixel so they stay crisp.
QImage drawGlyph(bool up) {
    QImage picture = newPicture(16, 16);
    picture.fill(QColor(240, 240, 240));
    QPainter painter(&picture);
    for (int row = 0; row < 6; ++row) {
        const int y = up ? 5 + row : 10 - row;
        painter.fillRect(QRect(7 - row, y, 2 + 2 * row, 1), QColor(56, 64, 74));
    }
    return picture;
}

} // namespace

// One key with the program's initial and a star. The letter is drawn as a shape, so that a
// scalable copy of the picture needs no font where it is shown.
void paintProgramPicture(QPainter& painter) {
    const QRectF cap(10, 8, 76, 78);
    drawShadow(painter, cap, 9);
    drawKeyCap(painter, cap, kTargetCap);
    QPainterPath letter;
    letter.addText(0, 0, fontOf(QStringLiteral("DejaVu Serif"), 48, true), QStringLiteral("K"));
    const QRectF face = cap.adjusted(5, 2, -6, -10);
    letter.translate(face.center() - letter.boundingRect().center());
    painter.fillPath(letter, QColor(255, 255, 250));
    drawCompassStar(painter, QPointF(73, 20), 7, QColor(250, 226, 120));
}

QStringList writeArtwork(const QDir& out) {
    struct Picture {
        const char* name;
        QImage image;
    };
    const std::array<Picture, 8> pictures{{
        {kLogoPicture, drawLogo()},
        {kHintPicture, drawHint()},
        {kAboutPicture, drawAbout()},
        {kTitlePicture, drawFramedPaper(800, 317)},
        {kLeftSidePicture, drawFramedPaper(106, 283)},
        {kRightSidePicture, drawFramedPaper(107, 283)},
        {kUpGlyph, drawGlyph(true)},
        {kDownGlyph, drawGlyph(false)},
    }};
    QStringList errors;
    for (const Picture& picture : pictures) {
        const QString error = savePicture(picture.image, out.filePath(QLatin1String(picture.name)));
        if (!error.isEmpty())
            errors << error;
    }
    return errors;
}

} // namespace kf::assets
