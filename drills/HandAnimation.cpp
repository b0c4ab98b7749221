// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/HandAnimation.h"

#include "core/ColourValue.h"
#include "drills/HandOutlines.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

namespace kf {

namespace {

constexpr AnsiChar kEnter = 13;

void moveTo(HandAnimationState& state, QPoint origin) {
    state.handX = origin.x();
    state.handY = origin.y();
}

// Frames 2 and 3 move the hand only where the key takes it away from its rest.
void moveHand(HandAnimationState& state, Hand hand, int phase, AnsiChar target,
              Nationality nationality) {
    if (const std::optional<QPoint> origin = handFrameOrigin(hand, phase, target, nationality))
        moveTo(state, *origin);
}

template <std::size_t N>
void drawOutline(QPainter& painter, const std::array<QPoint, N>& outline, QPoint origin) {
    std::array<QPoint, N> points = outline;
    for (QPoint& point : points)
        point += origin;
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}

constexpr int kSpriteMargin = 4;

bool sameStyle(const HandStyle& a, const HandStyle& b) {
    return a.penWidth == b.penWidth && a.colour == b.colour;
}

void setHandPen(QPainter& painter, const HandStyle& style) {
    QPen pen{QColor(style.colour)};
    pen.setWidth(style.penWidth == 2 ? 2 : 1);
    // A flat cap leaves the last point out, as the key marks' lines do.
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

HandTimerOrder orderOf(const HandAnimationState& state, bool restart) {
    return {state.handTimerRunning, state.handTimerInterval, restart};
}

// The animation is over: the next one waits for the hand delay again.
HandTimerOrder finish(HandAnimationState& state, int delayMs) {
    state.handPhase = 1;
    state.handTimerInterval = delayMs;
    state.handTimerRunning = false;
    return orderOf(state, false);
}

} // namespace

HandStyle handStyle(const StudentRecord& record) {
    HandStyle style;
    style.penWidth = record.i32(layout::kBegHandPen) == 2 ? 2 : 1;
    style.colour = rgbOfColourValue(record.i32(layout::kHandColour));
    // A negative delay from a damaged file would keep Timer1 from ever starting.
    style.delayMs = std::max(0, record.i32(layout::kBegHandDelay));
    return style;
}

HandScene makeHandScene(const CurrentKey& key, bool awaitingEnter, const StudentRecord& record,
                        bool largeFont) {
    return {key, {awaitingEnter, record.nationality(), largeFont}, handStyle(record)};
}

void applyHandTimerOrder(TimerView& timer, const HandTimerOrder& order) {
    const bool restart =
        order.running && (order.restart || !timer.running || timer.intervalMs != order.intervalMs);
    timer.running = order.running;
    timer.intervalMs = order.intervalMs;
    if (restart)
        ++timer.starts;
}

HandTimerOrder startHands(HandAnimationState& state) {
    state.handPhase = 1;
    state.handTimerRunning = true;
    return orderOf(state, true);
}

HandTimerOrder replayHands(HandAnimationState& state) {
    state.handTimerInterval = kHandReplayInterval;
    return startHands(state);
}

HandTimerOrder stopHands(HandAnimationState& state) {
    state.handTimerRunning = false;
    return orderOf(state, false);
}

HandTimerOrder setHandDelay(HandAnimationState& state, int delayMs) {
    state.handTimerInterval = delayMs;
    return orderOf(state, false);
}

void handPositionLeft(HandAnimationState& state, int phase, AnsiChar target,
                      Nationality nationality) {
    moveHand(state, Hand::Left, phase, target, nationality);
}

void handPositionRight(HandAnimationState& state, int phase, AnsiChar target,
                       Nationality nationality) {
    moveHand(state, Hand::Right, phase, target, nationality);
}

// A hand's outline from its origin, with room for the widest pen on every side.
QRect handBox(bool leftHand) {
    const auto bounds = [](const auto& outline) {
        QRect r(outline.front(), QSize(1, 1));
        for (const QPoint& p : outline)
            r |= QRect(p, QSize(1, 1));
        return r;
    };
    return (leftHand ? bounds(kLeftHandOutline) : bounds(kRightHandOutline))
        .adjusted(-kSpriteMargin, -kSpriteMargin, kSpriteMargin, kSpriteMargin);
}

const HandSprites::Sprite& HandSprites::ready(std::optional<Sprite>& sprite, bool leftHand,
                                              const HandStyle& style) {
    if (sprite && sameStyle(sprite->style, style))
        return *sprite;
    const QRect box = handBox(leftHand);
    Sprite drawn{QImage(box.size(), QImage::Format_ARGB32_Premultiplied), box.topLeft(), style};
    drawn.image.fill(Qt::transparent);
    QPainter painter(&drawn.image);
    setHandPen(painter, style);
    if (leftHand)
        drawOutline(painter, kLeftHandOutline, -box.topLeft());
    else
        drawOutline(painter, kRightHandOutline, -box.topLeft());
    painter.end();
    sprite = std::move(drawn);
    return *sprite;
}

void drawHands(QImage& picture, const HandAnimationState& state, const HandScene& scene) {
    QPainter painter(&picture);
    drawHighlights(painter, scene.key, scene.highlight);
    const QPoint origin(state.handX, state.handY);
    // Only the two-line pen goes through the costly general stroker; one-pixel lines take a
    // quick path of their own, whose pixels also depend on where the line lies, so they are
    // drawn in place.
    if (scene.sprites && scene.style.penWidth == 2) {
        // Without antialiasing every outline pixel is opaque: copying the ready outline gives
        // the very pixels stroking it here would.
        if (scene.key.leftHand) {
            const HandSprites::Sprite& s = scene.sprites->left(scene.style);
            painter.drawImage(origin + s.offset, s.image);
        }
        if (scene.key.rightHand) {
            const HandSprites::Sprite& s = scene.sprites->right(scene.style);
            painter.drawImage(origin + s.offset, s.image);
        }
        return;
    }
    setHandPen(painter, scene.style);
    if (scene.key.leftHand)
        drawOutline(painter, kLeftHandOutline, origin);
    if (scene.key.rightHand)
        drawOutline(painter, kRightHandOutline, origin);
}

QRect handsArea(const HandAnimationState& state, const HandScene& scene) {
    const QPoint origin(state.handX, state.handY);
    QRect area;
    if (scene.key.leftHand)
        area |= handBox(true).translated(origin);
    if (scene.key.rightHand)
        area |= handBox(false).translated(origin);
    return area;
}

namespace {

// Every frame starts from the clean picture. A picture of the same shape whose pixels nobody else
// shares is overwritten in place: a fresh 664 KB copy per frame cost an allocation and its page
// faults on top of the copying.
void startFromClean(QImage& picture, const QImage& clean) {
    if (picture.isDetached() && clean.format() == QImage::Format_RGB32 &&
        picture.format() == clean.format() && picture.size() == clean.size() &&
        picture.bytesPerLine() == clean.bytesPerLine()) {
        std::memcpy(picture.bits(), clean.constBits(), std::size_t(clean.sizeInBytes()));
        return;
    }
    picture = clean.convertToFormat(QImage::Format_RGB32);
}

} // namespace

HandTimerOrder animateHands(HandAnimationState& state, const HandScene& scene, QImage& picture,
                            const QImage& cleanPicture) {
    state.handTimerRunning = true; // a tick comes only from a running Timer1
    startFromClean(picture, cleanPicture);
    const AnsiChar target = scene.key.character;
    const Nationality nationality = scene.highlight.nationality;

    if (state.handPhase <= 1) {
        state.handTimerInterval = kHandFrameInterval;
        if (scene.key.leftHand)
            moveTo(state, leftHandHome(target));
        if (scene.key.rightHand)
            moveTo(state, rightHandHome(target));
        drawHands(picture, state, scene);
        if (isHomeKey(target, nationality))
            return finish(state, scene.style.delayMs);
        state.handPhase = 2;
        return orderOf(state, false);
    }

    const int frame = std::min(state.handPhase, 3);
    if (scene.key.leftHand)
        handPositionLeft(state, frame, target, nationality);
    if (scene.key.rightHand) {
        if (target == kEnter) {
            moveTo(state, enterHandOrigin(frame, nationality));
        } else {
            handPositionRight(state, frame, target, nationality);
        }
    }
    drawHands(picture, state, scene);
    if (frame == 3)
        return finish(state, scene.style.delayMs);
    state.handPhase = frame + 1;
    return orderOf(state, false);
}

} // namespace kf
