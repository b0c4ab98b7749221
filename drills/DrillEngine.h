// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/DrillContext.h"
#include "drills/DrillKey.h"
#include "drills/DrillRows.h"
#include "drills/DrillSet.h"
#include "drills/DrillTexts.h"
#include "drills/DrillView.h"
#include "drills/HandAnimation.h"
#include "drills/OwnKeys.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <random>

namespace kf {

struct Services;

// Runs the Beginners drills of one drill window: sets of 10, 20 or 30 keys, each key timed,
// judged and booked into the session figures and the student record; the set statistics at
// the end; the student file written after every finished set. The rules of a set are the
// DrillSet's; the engine carries each of its steps into what the student sees and hears, the
// timers and the student file. It draws nothing: what the student sees goes into the view,
// which the window renders and tests read.
//
// Time comes from the injected clock. The window's timers only make the engine look at the
// clock and refresh what is shown, so a busy event loop delays the display, never the figures.
class DrillEngine {
public:
    // Draws one frame of the hands on a tick of Timer1 and says what Timer1 does next.
    using HandAnimation = std::function<HandTimerOrder(HandAnimationState&)>;

    static constexpr int kBlinkIntervalMs = 500;
    static constexpr int kSetClockIntervalMs = 1000;
    static constexpr int kReactionIntervalMs = 54;

    // The drill window was created for the drill kind flagged in the activity.
    DrillEngine(DrillContext context, Services& services,
                std::uint32_t seed = std::random_device{}());

    const DrillView& view() const { return m_view; }

    // The window is shown: the drill title and the prompt to begin.
    void drillStart();
    // Every key the window sees, whatever control has the focus.
    void handleDrillKey(const DrillKey& key);
    void handTick();
    void blinkTick();
    void setClockTick();
    void reactionTick();
    // Escape with no set, or "Exit to Main Menu": the window is to close.
    void leaveDrill();
    // The window closes, however it was asked to: nothing runs on.
    void stopAllTimers();

    // Tool buttons.
    void chooseSetLength(int length);  // "10", "20", "30"
    void chooseLowerCaseOnly(bool on); // "a" and "A"
    void toggleRow(DrillRow row);      // the hide/show buttons
    bool rowHidden(DrillRow row) const;
    // "Verify these Keys" and "Begin Typing" of the own-keys panel.
    OwnKeysResult verifyOwnKeys(const QString& typed);
    void beginOwnKeys();
    // The options window closed: the next hands wait the student's hand delay.
    void applyHandDelay();
    // Another student's record was read in for viewing: the set statistics shown are nobody's
    // now, and the next finished set starts a new best time.
    void clearStatistics();

    // The hand animation's part of Timer1. Without one, a tick ends the animation at once.
    void setHandAnimation(HandAnimation animation) { m_handAnimation = std::move(animation); }
    const HandAnimationState& hands() const { return m_hands; }

    bool drillWindowReady() const { return m_drillWindowReady; }
    bool setRunning() const { return m_set.running(); }
    bool drillPaused() const { return m_set.paused(); }
    bool awaitingEnter() const { return m_set.awaitingEnter(); }
    std::int32_t setLength() const { return m_set.length(); }
    bool lowerCaseOnly() const { return m_set.lowerCaseOnly(); }
    AnsiChar targetChar() const { return m_set.target(); }
    std::int32_t keyTicks() const { return m_set.keyTicks(); }
    std::int32_t setPresses() const { return m_set.presses(); }
    std::int32_t setHits() const { return m_set.hits(); }
    std::int32_t setMisses() const { return m_set.misses(); }
    std::int32_t setSeconds() const { return m_set.seconds(); }
    std::int32_t setSlowestTicks() const { return m_set.slowestTicks(); }
    AnsiChar setSlowestChar() const { return m_set.slowestChar(); }
    std::int32_t handPhase() const { return m_hands.handPhase; }
    std::int32_t handPenWidth() const { return m_handPenWidth; }
    const QByteArray& ownKeys() const { return m_set.ownKeys(); }
    bool ownKeysDrill() const;

private:
    // Key dispatch.
    void handlePausedKey(const DrillKey& key);
    // The missed target typed during the pause: the set goes on with a new target.
    void correctingPress();

    // A set, as the student sees it.
    void startSet();
    void scoreKey(const DrillKey& key);
    void showHit(const DrillKey& key);
    void showMiss(const DrillKey& key);
    void startMissPause();
    void showNextTarget();
    // The chosen target in the target panel, with its finger guidance.
    void showTarget(const ChosenKey& chosen);
    void endSet();
    void showEnterStep();
    void finishSet();
    void showSetStatistics(const SetStatistics& shown);
    void abandonSet();

    // The window's controls.
    void resetTargetPanel();
    void setTargetPanel(int width, const QString& caption);
    // A message instead of a target ("Press Enter!", "Done!") in a panel of that width.
    void showTargetMessage(int width, DrillText message);
    void hideMarks();
    void clearErrorDisplay();
    void clearDrillTexts();
    void disableDrillButtons();
    void enableDrillButtons();
    void enableButtonsAfterSet();
    // Shows or hides a row as its hidden flag says.
    void showRow(DrillRow row);
    // The keyboard picture goes back to its unmarked copy.
    void resetPicture() { ++m_view.pictureResets; }
    void setText(DrillControl c, const QString& caption) { m_view[c].caption = caption; }
    void clearText(DrillControl c) { m_view[c].caption.clear(); }
    void setVisible(DrillControl c, bool visible) { m_view[c].visible = visible; }
    void setEnabled(DrillControl c, bool enabled) { m_view[c].enabled = enabled; }
    void showUnlessHidden(DrillControl c, DrillRow row) { setVisible(c, !rowHidden(row)); }

    // Timers and hands.
    void startTimer(DrillTimer t);
    void stopTimer(DrillTimer t);
    void showSetSeconds();
    void stopSetClock();
    void replayHands();
    void startHands();
    void stopHands();
    void applyHandTimer(const HandTimerOrder& order);

    // Services.
    void saveStudentFile();
    // The press goes into the student's press journal, written at the set's end.
    void journalPress(const DrillKey& key, const JudgedPress& press);
    void playSound(int code);

    DrillContext m_context;
    Services& m_services;
    DrillSet m_set;
    DrillView m_view;
    HandAnimation m_handAnimation;

    bool m_drillWindowReady = false;
    HandAnimationState m_hands; // the next frame and Timer1's interval
    std::int32_t m_handPenWidth = 1;
};

} // namespace kf
