// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyHighlighter.h"

#include "keyboard/KeyboardFont.h"
#include "keyboard/Windows1252.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace kf {

namespace {

// The modifier names were laid out for 8 points; the key labels match the picture's own labels.
constexpr int kModifierNamePixels = 11;

struct KeyColours {
    QRgb outline;
    int outlineWidth;
    QRgb fill;
    QRgb bevel;
};

constexpr KeyColours kTargetColours{qRgb(65, 131, 86), 3, qRgb(112, 180, 126), qRgb(185, 221, 186)};
constexpr KeyColours kDeadKeyColours{qRgb(86, 98, 175), 3, qRgb(125, 149, 191),
                                     qRgb(168, 185, 223)};

constexpr QRgb kModifierOutline = qRgb(206, 30, 48);
constexpr int kModifierOutlineWidth = 2;
constexpr QRgb kModifierFill = qRgb(239, 241, 160);
constexpr QRgb kTextColour = qRgb(0, 0, 0);

constexpr AnsiChar kEnter = 13;

// A dead key is marked like a target key on its own rectangle. The acute key's mark stops one
// pixel short of the H10 key's right edge.
struct DeadKeyMark {
    KeyRect rect;
    AnsiChar label;
    LabelPoint labelPoint;
};
constexpr DeadKeyMark kAcuteMark{{451, 98, 483, 136}, 180, {464, 107}}; // ´ on H10
constexpr DeadKeyMark kGraveMark{{440, 56, 472, 94}, 96, {454, 65}};    // ` on T10

struct Stroke {
    int width;
    std::span<const QPoint> points;
};

// A yellow key: its box (right and bottom edges outside it), its name and up to two black
// strokes (the arrows of the English US Shift and Enter keys).
struct ModifierMark {
    KeyRect box;
    const char16_t* name;
    QPoint nameAt;
    std::array<Stroke, 2> strokes;
};

constexpr auto kRightShiftArrow =
    std::to_array<QPoint>({{480, 159}, {484, 159}, {484, 167}, {488, 167}, {488, 159}, {493, 159}});
constexpr auto kRightShiftArrowHead = std::to_array<QPoint>({{493, 159}, {486, 153}, {480, 159}});
constexpr auto kLeftShiftArrow =
    std::to_array<QPoint>({{27, 158}, {31, 158}, {31, 166}, {35, 166}, {35, 158}, {40, 158}});
constexpr auto kLeftShiftArrowHead = std::to_array<QPoint>({{40, 158}, {33, 152}, {27, 158}});
constexpr auto kEnterArrowShaft = std::to_array<QPoint>({{519, 115}, {519, 123}, {503, 123}});
// Zigzags over the triangle of the arrow head so that it comes out filled.
constexpr auto kEnterArrowHead = std::to_array<QPoint>({{504, 123},
                                                        {504, 127},
                                                        {500, 122},
                                                        {504, 117},
                                                        {504, 126},
                                                        {501, 122},
                                                        {503, 118},
                                                        {504, 125},
                                                        {502, 122},
                                                        {502, 119}});

constexpr ModifierMark kAltGrMark{{452, 184, 499, 217}, u"Alt Gr", {459, 194}, {}};
constexpr ModifierMark kRightShiftMark{{474, 143, 568, 175},
                                       u"Shift",
                                       {495, 151},
                                       {{{1, kRightShiftArrow}, {1, kRightShiftArrowHead}}}};
constexpr ModifierMark kEnglishLeftShiftMark{
    {18, 143, 93, 175}, u"Shift", {43, 151}, {{{1, kLeftShiftArrow}, {1, kLeftShiftArrowHead}}}};
// Beside the extra key left of Z the other keyboards have a shorter left Shift, without arrow.
constexpr ModifierMark kShortLeftShiftMark{{17, 142, 58, 175}, u"Shift", {22, 151}, {}};
constexpr ModifierMark kEnglishEnterMark{
    {491, 100, 569, 134}, u"Enter", {525, 111}, {{{2, kEnterArrowShaft}, {1, kEnterArrowHead}}}};
// The other keyboards have the tall Enter key that reaches into the top letter row.
constexpr ModifierMark kTallEnterMark{{525, 98, 569, 135}, u"Enter", {530, 111}, {}};

// Pixel rules of the marks. A box (left, top)-(right, bottom) covers columns left..right - 1 and
// rows top..bottom - 1. A line from one point to another covers the pixels from the first up to,
// not including, the last. A pen w pixels wide covers, across a line through pixel c, the pixels
// c - w / 2 .. c - w / 2 + w - 1; a box's outline is such a line along each of its outermost
// columns and rows. These are the rules of the polyline drawing of the hands too, so straight
// lines drawn here and slanted ones drawn by QPainter meet without gaps.
constexpr int penStart(int c, int width) {
    return c - width / 2;
}

void fillSpan(QPainter& painter, int x0, int y0, int x1, int y1, QRgb colour) {
    if (x1 < x0 || y1 < y0)
        return;
    painter.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), QColor(colour));
}

// A horizontal or vertical line.
void drawStraightLine(QPainter& painter, QPoint from, QPoint to, int width, QRgb colour) {
    if (from.y() == to.y()) {
        const int first = to.x() >= from.x() ? from.x() : to.x() + 1;
        const int last = to.x() >= from.x() ? to.x() - 1 : from.x();
        const int top = penStart(from.y(), width);
        fillSpan(painter, first, top, last, top + width - 1, colour);
    } else if (from.x() == to.x()) {
        const int first = to.y() >= from.y() ? from.y() : to.y() + 1;
        const int last = to.y() >= from.y() ? to.y() - 1 : from.y();
        const int left = penStart(from.x(), width);
        fillSpan(painter, left, first, left + width - 1, last, colour);
    }
}

void drawOutlinedBox(QPainter& painter, const KeyRect& box, QRgb fill, QRgb outline, int width) {
    const int right = box.right - 1;
    const int bottom = box.bottom - 1;
    if (right < box.left || bottom < box.top)
        return;
    fillSpan(painter, box.left, box.top, right, bottom, fill);
    const int x0 = penStart(box.left, width);
    const int x1 = penStart(right, width) + width - 1;
    const int y0 = penStart(box.top, width);
    const int y1 = penStart(bottom, width) + width - 1;
    fillSpan(painter, x0, y0, x1, y0 + width - 1, outline);          // top
    fillSpan(painter, x0, penStart(bottom, width), x1, y1, outline); // bottom
    fillSpan(painter, x0, y0, x0 + width - 1, y1, outline);          // left
    fillSpan(painter, penStart(right, width), y0, x1, y1, outline);  // right
}

void drawPolyline(QPainter& painter, const Stroke& stroke, QRgb colour) {
    if (stroke.points.size() < 2)
        return;
    QPen pen{QColor(colour)};
    pen.setWidth(stroke.width);
    // A flat cap leaves the last point out, as the line rule above does.
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(stroke.points.data(), static_cast<int>(stroke.points.size()));
}

// The text's upper-left corner at origin: the top of the font's line, not of the glyphs.
void drawTextAt(QPainter& painter, const QString& text, QPoint origin) {
    const int ascent = QFontMetrics(painter.font()).ascent();
    painter.setPen(QColor(kTextColour));
    painter.drawText(QPoint(origin.x(), origin.y() + ascent), text);
}

// A green or blue key: the box one pixel wider than the key's rectangle, light bevel lines along
// its upper and left edges, and the label on a transparent background.
void drawBevelledKey(QPainter& painter, const KeyRect& rect, AnsiChar label, LabelPoint labelPoint,
                     const KeyColours& colours, bool largeFont) {
    const int l = rect.left;
    const int t = rect.top;
    const int r = rect.right;
    const int b = rect.bottom;
    drawOutlinedBox(painter, {l, t, r + 1, b}, colours.fill, colours.outline, colours.outlineWidth);
    drawStraightLine(painter, {l + 1, t}, {r + 1, t}, 1, colours.bevel);
    drawStraightLine(painter, {l, t + 1}, {l, b}, 1, colours.bevel);
    drawStraightLine(painter, {l + 1, t + 1}, {r - 1, t + 1}, 2, colours.bevel);
    drawStraightLine(painter, {l + 1, t + 1}, {l + 1, b - 1}, 2, colours.bevel);
    drawStraightLine(painter, {l + 2, t + 1}, {l + 2, b - 2}, 2, colours.bevel);

    painter.setFont(highlightLabelFont(largeFont));
    painter.setBackgroundMode(Qt::TransparentMode);
    drawTextAt(painter, QString(fromWindows1252(label)), {labelPoint.x, labelPoint.y});
}

// Colour is not the only cue: marks differ in shape too, so they can be told apart in grey or by
// someone who does not see the green, blue, yellow and red apart. The target key is underlined
// by a solid black bar, a key to press first by a dashed one, and a key to hold or press gets
// black corner notches at its top.
constexpr int kCueBarInset = 6;      // from the key's left and right edges
constexpr int kCueBarFromBottom = 5; // its first row above the key's bottom edge
constexpr int kCueBarHeight = 2;
constexpr int kCueDash = 3;  // dash and gap lengths of a key to press first
constexpr int kCueNotch = 4; // sides of the corner notches

enum class CueBar : std::uint8_t { Solid, Dashed };

void drawCueBar(QPainter& painter, const KeyRect& rect, CueBar style) {
    const int top = rect.bottom - kCueBarFromBottom;
    const int first = rect.left + kCueBarInset;
    const int last = rect.right - kCueBarInset;
    for (int x = first; x <= last; x += style == CueBar::Solid ? last - first + 1 : 2 * kCueDash) {
        const int end = style == CueBar::Solid ? last : std::min(last, x + kCueDash - 1);
        fillSpan(painter, x, top, end, top + kCueBarHeight - 1, kTextColour);
    }
}

void drawCornerNotches(QPainter& painter, const KeyRect& box) {
    const int top = box.top + 1;
    const int left = box.left + 1;
    const int right = box.right - 3; // the last column inside the outline
    for (int row = 0; row < kCueNotch; ++row) {
        const int length = kCueNotch - row;
        fillSpan(painter, left, top + row, left + length - 1, top + row, kTextColour);
        fillSpan(painter, right - length + 1, top + row, right, top + row, kTextColour);
    }
}

void drawDeadKey(QPainter& painter, const DeadKeyMark& mark, bool largeFont) {
    drawBevelledKey(painter, mark.rect, mark.label, mark.labelPoint, kDeadKeyColours, largeFont);
    drawCueBar(painter, mark.rect, CueBar::Dashed);
}

void drawModifier(QPainter& painter, const ModifierMark& mark) {
    drawOutlinedBox(painter, mark.box, kModifierFill, kModifierOutline, kModifierOutlineWidth);
    painter.setFont(modifierNameFont());
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor(kModifierFill));
    drawTextAt(painter, QString::fromUtf16(mark.name), mark.nameAt);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const Stroke& stroke : mark.strokes) {
        drawPolyline(painter, stroke, kTextColour);
    }
    drawCornerNotches(painter, mark.box);
}

bool isEnglishUS(Nationality nationality) {
    return nationality == Nationality::EnglishUS;
}

} // namespace

QFont highlightLabelFont(bool largeFont) {
    return keyboardFont(largeFont ? kLargeFontKeyLabelPixels : kKeyLabelPixels);
}

QFont modifierNameFont() {
    return keyboardFont(kModifierNamePixels);
}

void drawHighlights(QPainter& painter, const CurrentKey& key, const HighlightContext& context) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The keys that go with the target are left out while only Enter is wanted.
    if (!context.awaitingEnter) {
        if (key.deadAcute)
            drawDeadKey(painter, kAcuteMark, context.largeFont);
        if (key.deadGrave)
            drawDeadKey(painter, kGraveMark, context.largeFont);
        if (key.altGr)
            drawModifier(painter, kAltGrMark);
    }
    // A target the keyboard has no key for has no mark.
    if (key.character != kEnter && key.rect != KeyRect{}) {
        drawBevelledKey(painter, key.rect, key.label, key.labelPoint, kTargetColours,
                        context.largeFont);
        drawCueBar(painter, key.rect, CueBar::Solid);
    }
    if (context.awaitingEnter)
        drawModifier(painter,
                     isEnglishUS(context.nationality) ? kEnglishEnterMark : kTallEnterMark);
    if (key.rightShift)
        drawModifier(painter, kRightShiftMark);
    if (key.leftShift)
        drawModifier(painter, isEnglishUS(context.nationality) ? kEnglishLeftShiftMark
                                                               : kShortLeftShiftMark);
    painter.restore();
}

void drawHighlights(QImage& picture, const CurrentKey& key, const HighlightContext& context) {
    QPainter painter(&picture);
    drawHighlights(painter, key, context);
}

} // namespace kf
