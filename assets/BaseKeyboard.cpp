// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/BaseKeyboard.h"

#include "assets/Drawing.h"
#include "keyboard/KeySlots.h"
#include "keyboard/PictureBuilder.h"

#include <QPainter>
#include <array>
#include <cstddef>
#include <span>

namespace kf::assets {

namespace {

// A key in the coordinates of the key table: it covers the columns left..right and the rows
// top..bottom - 1, the same pixels a highlight of that key fills.
using Key = KeyRect;

// A name on a modifier key, with the upper-left corner of its text and its size in pixels. The
// names the key highlighting writes over a key stand where it writes them.
struct KeyName {
    const char16_t* text;
    int x;
    int y;
    int pixels = 11;
};

// The character keys of each keyboard, as runs of the key table's slots.
struct SlotRun {
    Slot first;
    Slot last;
};

// clang-format off
constexpr auto kEnglishUSSlots = std::to_array<SlotRun>({
    {Slot::N0, Slot::N12}, {Slot::T0, Slot::T12}, {Slot::H0, Slot::H10}, {Slot::B1, Slot::B10},
});
constexpr auto kInternationalSlots = std::to_array<SlotRun>({
    {Slot::N0, Slot::N12}, {Slot::T0, Slot::T11}, {Slot::H0, Slot::H11}, {Slot::B0, Slot::B10},
});

// Keys both keyboards have in the same place. The right Shift, the keys of the space bar row
// and the Enter key sit under the rectangles the key highlighting fills for them.
constexpr Key kBackspace{496, 14, 568, 52};
constexpr Key kTab{15, 56, 65, 94};
constexpr Key kCapsLock{15, 98, 76, 136};
constexpr Key kRightShift{470, 140, 568, 178};
constexpr auto kSpaceBarRow = std::to_array<Key>({
    {15, 182, 77, 220},   // Control
    {82, 182, 135, 220},  // Alt
    {140, 182, 444, 220}, // space bar
    {449, 182, 502, 220}, // Alt (English US) or Alt Gr
    {507, 182, 568, 220}, // Control
});

// English US: a one-row Enter and a wide left Shift.
constexpr auto kEnglishUSKeys = std::to_array<Key>({
    {489, 98, 568, 136}, // Enter
    {15, 140, 96, 178},  // left Shift
});

// International: a short left Shift beside the extra key B0.
constexpr Key kShortLeftShift{15, 140, 58, 178};
// Its Enter reaches from the top row down into the home row.
constexpr Key kTallEnterTop{515, 56, 568, 94};
constexpr Key kTallEnterFoot{525, 56, 568, 136};

constexpr auto kSharedNames = std::to_array<KeyName>({
    {u"Backspace", 503, 26, 10},
    {u"Tab", 28, 69},
    {u"Alt", 99, 193},
    {u"Shift", 495, 151},
});
constexpr auto kEnglishUSNames = std::to_array<KeyName>({
    {u"Alt", 466, 193},
    {u"Enter", 525, 111},
    {u"Shift", 43, 151},
});
constexpr auto kInternationalNames = std::to_array<KeyName>({
    {u"Alt Gr", 459, 194},
    {u"Enter", 530, 111},
    {u"Shift", 22, 151},
});

// Outlined upward arrows beside "Shift", and the Enter key's return arrow: the same strokes
// the key highlighting draws, so a highlighted key keeps its look.
constexpr auto kRightShiftArrow = std::to_array<QPoint>({
    {480, 159}, {484, 159}, {484, 167}, {488, 167}, {488, 159}, {493, 159}, {486, 153}, {480, 159},
});
constexpr auto kLeftShiftArrow = std::to_array<QPoint>({
    {27, 158}, {31, 158}, {31, 166}, {35, 166}, {35, 158}, {40, 158}, {33, 152}, {27, 158},
});
constexpr auto kReturnStem = std::to_array<QPoint>({{519, 115}, {519, 123}, {503, 123}});
constexpr auto kReturnHead = std::to_array<QPoint>({
    {504, 123}, {504, 127}, {500, 122}, {504, 117}, {504, 126}, {501, 122}, {503, 118},
    {504, 125}, {502, 122}, {502, 119},
});
constexpr QPoint kTallEnterArrowShift{33, -48};
// clang-format on

// Pixel rectangle of a key: one column wider than its table rectangle, as the highlight.
QRectF keyArea(const Key& key) {
    return QRectF(key.left, key.top, key.right + 1 - key.left, key.bottom - key.top);
}

void drawCase(QPainter& painter) {
    painter.fillRect(0, 0, kKeyboardWidth, kKeyboardHeight, colours::kPaper);
    const QRectF body(4.5, 3.5, 578, 274);
    drawBevelledPanel(painter, body, 12, colours::kCase, colours::kCaseEdge);
    // The palm rest below the space bar row, set off by a groove.
    painter.setPen(QPen(colours::kCaseEdge, 1));
    painter.drawLine(QPointF(12, 230.5), QPointF(575, 230.5));
    painter.setPen(QPen(colours::kCaseLight, 1));
    painter.drawLine(QPointF(12, 231.5), QPointF(575, 231.5));
    // The maker's name, pressed into the palm rest.
    painter.setFont(fontOf(QStringLiteral("DejaVu Serif"), 13, true));
    painter.setPen(colours::kCaseLight);
    drawTextAt(painter, QStringLiteral("Keyfarer"), QPoint(497, 252));
    painter.setPen(colours::kCaseEdge);
    drawTextAt(painter, QStringLiteral("Keyfarer"), QPoint(496, 251));
}

void drawKeys(QPainter& painter, std::span<const Key> keys) {
    for (const Key& key : keys)
        drawKeyCap(painter, keyArea(key));
}

void drawSlots(QPainter& painter, std::span<const SlotRun> runs) {
    for (const SlotRun& run : runs) {
        for (auto slot = static_cast<std::size_t>(run.first);
             slot <= static_cast<std::size_t>(run.last); ++slot)
            drawKeyCap(painter, keyArea(kSlotGeometry.at(slot).rect));
    }
}

void drawTallEnter(QPainter& painter) {
    drawKeyCap(painter, std::array{keyArea(kTallEnterTop), keyArea(kTallEnterFoot)});
}

void drawNames(QPainter& painter, std::span<const KeyName> names) {
    for (const KeyName& name : names) {
        painter.setFont(fontOf(QStringLiteral("DejaVu Sans"), name.pixels, true));
        drawTextAt(painter, QString::fromUtf16(name.text), QPoint(name.x, name.y));
    }
}

void drawStroke(QPainter& painter, std::span<const QPoint> points, int width) {
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}

} // namespace

QImage drawBaseKeyboard(BaseKeyboard kind) {
    QImage picture = newPicture(kKeyboardWidth, kKeyboardHeight);
    const bool english = kind == BaseKeyboard::EnglishUS;
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        drawCase(painter);
        drawSlots(painter, english ? std::span<const SlotRun>(kEnglishUSSlots)
                                   : std::span<const SlotRun>(kInternationalSlots));
        drawKeys(painter, std::array{kBackspace, kTab, kCapsLock, kRightShift});
        drawKeys(painter, kSpaceBarRow);
        if (english) {
            drawKeys(painter, kEnglishUSKeys);
        } else {
            drawKeyCap(painter, keyArea(kShortLeftShift));
            drawTallEnter(painter);
        }

        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::black);
        drawNames(painter, kSharedNames);
        drawNames(painter, english ? std::span<const KeyName>(kEnglishUSNames)
                                   : std::span<const KeyName>(kInternationalNames));
        drawStroke(painter, kRightShiftArrow, 1);
        if (english) {
            drawStroke(painter, kLeftShiftArrow, 1);
        } else {
            // The tall Enter shows its arrow in the top row, above the name.
            painter.translate(kTallEnterArrowShift);
        }
        drawStroke(painter, kReturnStem, 2);
        drawStroke(painter, kReturnHead, 1);
    }
    // The English US picture is shown as it is, so it names its Caps Lock and Control keys; the
    // builder names them on the international picture for each nationality.
    if (english)
        drawLockAndControlNames(picture, Nationality::EnglishUS);
    return picture;
}

} // namespace kf::assets
