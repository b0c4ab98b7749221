// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drawing helpers and colours shared by the generated pictures.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <span>

class QPainter;

namespace kf::assets {

namespace colours {
inline const QColor kPaper(254, 254, 246); // the windows' title and side areas
inline const QColor kSchemeGreen(92, 152, 158);
inline const QColor kSchemeGreenDark(67, 111, 116);
inline const QColor kLink(116, 61, 107); // the main window's link labels
inline const QColor kCase(196, 203, 211);
inline const QColor kCaseEdge(122, 131, 142);
inline const QColor kCaseLight(229, 233, 237);
inline const QColor kKeyFace(252, 252, 248);
inline const QColor kKeyFaceLow(238, 239, 236);
inline const QColor kKeySkirt(206, 210, 216);
inline const QColor kKeyEdge(106, 113, 123);
} // namespace colours

// An RGB picture of the given size filled with paper colour, at 96 dots per inch.
QImage newPicture(int width, int height);

// A font of one of the families the build installs, sized in pixels; the generator refuses to
// run when the family is missing (see requireFonts).
QFont fontOf(const QString& family, int pixels, bool bold, bool italic = false);

// Empty when every family the pictures use is installed, otherwise what is missing.
QString missingFonts();

// How a key cap looks: seen from above, its face sits nearer the top edge of the skirt.
struct KeyCapStyle {
    QColor face = colours::kKeyFace;
    QColor faceLow = colours::kKeyFaceLow; // the face shades towards this at the bottom
    QColor skirt = colours::kKeySkirt;
    QColor edge = colours::kKeyEdge;
    qreal radius = 4;
    qreal side = 3.5;   // skirt width left; one more pixel on the right
    qreal top = 1.5;    // skirt height above the face
    qreal bottom = 5.5; // skirt height below the face
};

// A key of several rectangles (the tall Enter) is drawn as their union.
void drawKeyCap(QPainter& painter, const QRectF& area, const KeyCapStyle& style = {});
void drawKeyCap(QPainter& painter, std::span<const QRectF> areas, const KeyCapStyle& style = {});

// A rounded panel with a light upper-left and a dark lower-right rim.
void drawBevelledPanel(QPainter& painter, const QRectF& area, qreal radius, const QColor& fill,
                       const QColor& edge);

// Writes a picture as a 24-bit BMP; empty, or what went wrong.
QString savePicture(const QImage& picture, const QString& path);

} // namespace kf::assets
