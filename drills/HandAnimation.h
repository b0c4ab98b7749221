// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The hands drawn over the drill window's keyboard picture: after the hand delay the hand that
// types the target appears resting on the home row, then, 400 ms apart, two more frames move it
// toward the key. Every frame starts from the clean picture and draws the key marks, then the
// hand. Timer1 of the drill window drives the frames; this logic decides its interval and when it
// runs, and the window only carries that out (applyHandTimerOrder).

#include "core/ColourValue.h"
#include "drills/DrillView.h"
#include "drills/HandPositions.h"
#include "keyboard/CurrentKey.h"
#include "keyboard/KeyHighlighter.h"
#include "keyboard/Nationality.h"
#include "students/RecordLayout.h"

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <optional>

namespace kf {

class StudentRecord;

inline constexpr int kHandTimerDesignInterval = 1000; // Timer1 of a drill window just created
inline constexpr int kHandFrameInterval = 400;        // between the frames of one animation
inline constexpr int kHandReplayInterval = 200;       // before the first frame of a replay

// How the student wants the hands: line width ("Two Lines" 2, else 1), colour, delay.
struct HandStyle {
    int penWidth = 2;
    QRgb colour = rgbOfColourValue(layout::kDefaultHandColour);
    int delayMs = 900;
};
// The Beginners Drills settings of the record.
HandStyle handStyle(const StudentRecord& record);

// The two hand outlines drawn once in the student's style onto transparent pictures, so a frame
// copies a ready picture instead of stroking 80-odd points. Kept by whoever draws the frames;
// a changed style draws the outline anew.
class HandSprites {
public:
    struct Sprite {
        QImage image;
        QPoint offset; // of the picture's corner from the hand's origin
        HandStyle style;
    };
    const Sprite& left(const HandStyle& style) { return ready(m_left, true, style); }
    const Sprite& right(const HandStyle& style) { return ready(m_right, false, style); }

private:
    static const Sprite& ready(std::optional<Sprite>& sprite, bool leftHand,
                               const HandStyle& style);
    std::optional<Sprite> m_left;
    std::optional<Sprite> m_right;
};

// Everything one frame is drawn from.
struct HandScene {
    CurrentKey key;             // the target; character 13 during the closing Enter
    HighlightContext highlight; // the Enter step, the keyboard, the large-font flag
    HandStyle style;
    HandSprites* sprites = nullptr; // ready outlines; without them the outlines are stroked
};
HandScene makeHandScene(const CurrentKey& key, bool awaitingEnter, const StudentRecord& record,
                        bool largeFont);

// The animation's state, owned by the drill window.
struct HandAnimationState {
    int handPhase = 1; // the next frame: 1 at home, 2 halfway, 3 at the key
    int handX = 0;     // origin of the hand outline on the picture
    int handY = 0;
    int handTimerInterval = kHandTimerDesignInterval;
    bool handTimerRunning = false;
};

// What Timer1 must do after a call.
struct HandTimerOrder {
    bool running = false;
    int intervalMs = kHandTimerDesignInterval;
    bool restart = false; // count anew from now even if the interval is unchanged
};
// Carries an order out on the hand timer of the drill's view: a running timer whose interval
// changes, or that is told to, counts afresh from now (one more start).
void applyHandTimerOrder(TimerView& timer, const HandTimerOrder& order);

// A new target (or the closing Enter): the animation begins again at frame 1, after Timer1's
// current interval. That is the hand delay, unless the last animation was cut short (then 400 ms
// or 200 ms) or the window is new and no options were saved since (1000 ms).
HandTimerOrder startHands(HandAnimationState& state);
// Space during a set: the animation again from frame 1, after 200 ms.
HandTimerOrder replayHands(HandAnimationState& state);
// A press, the end of a set, an abandoned set or leaving the drill. The interval stays as it is.
HandTimerOrder stopHands(HandAnimationState& state);
// The options window closed: the hand delay becomes Timer1's interval.
HandTimerOrder setHandDelay(HandAnimationState& state, int delayMs);

// One tick of Timer1: resets the picture from the clean copy and draws the next frame onto it.
HandTimerOrder animateHands(HandAnimationState& state, const HandScene& scene, QImage& picture,
                            const QImage& cleanPicture);
// The key marks, then the active hand (or hands) at the state's origin.
void drawHands(QImage& picture, const HandAnimationState& state, const HandScene& scene);
// Where drawHands may draw the active hands (not the marks) at the state's origin, the widest pen
// included: what changes between two frames for one target.
QRect handsArea(const HandAnimationState& state, const HandScene& scene);
// The origin of frame 2 or 3 of the left or the right hand for a target on a keyboard. Keys that
// the hand reaches without moving, and keys of the other hand, leave the origin as it is.
void handPositionLeft(HandAnimationState& state, int phase, AnsiChar target,
                      Nationality nationality);
void handPositionRight(HandAnimationState& state, int phase, AnsiChar target,
                       Nationality nationality);

} // namespace kf
