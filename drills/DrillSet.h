// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/DrillContext.h"
#include "drills/DrillKey.h"
#include "drills/KeyScoring.h"
#include "keyboard/NextKeyChooser.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace kf {

class Clock;

// What one press of a running set came to.
struct JudgedPress {
    bool hit = false;
    bool slowestOfSet = false;   // the slowest key of the set so far
    bool pauseAfterMiss = false; // a miss, and the set now waits for the target
    bool setComplete = false;    // the set's last press: the set ends
    std::int32_t reactionMs = 0; // since the target came up
};

// The rules of the sets of the Beginners drills, whatever the window shows of them: which key is
// the target, whether a press hits it, the pause after a miss until the target is typed, when a
// set ends and whether a closing Enter follows, and the set's figures, booked into the session
// figures and the student record. Reaction time and set seconds are read from the clock.
class DrillSet {
public:
    DrillSet(DrillContext context, const Clock& clock, std::uint32_t seed);

    bool running() const { return m_running; }
    bool paused() const { return m_paused; }
    bool awaitingEnter() const { return m_awaitingEnter; }
    std::int32_t length() const { return m_length; }
    bool lowerCaseOnly() const { return m_lowerCaseOnly; }
    const QByteArray& ownKeys() const { return m_ownKeys; }
    AnsiChar target() const { return m_target; }
    std::int32_t keyTicks() const { return m_keyTicks; }
    std::int32_t presses() const { return m_presses; }
    std::int32_t hits() const { return m_hits; }
    std::int32_t misses() const { return m_misses; }
    std::int32_t seconds() const { return m_seconds; }
    std::int32_t slowestTicks() const { return m_slowestTicks; }
    AnsiChar slowestChar() const { return m_slowestChar; }
    bool complete() const { return m_presses == m_length; }
    bool isTarget(const DrillKey& key) const { return key.is(m_target); }

    // The choices of the tool buttons and the own-keys panel.
    void setLength(std::int32_t length) { m_length = length; }
    void setLowerCaseOnly(bool on) { m_lowerCaseOnly = on; }
    void setOwnKeys(const QByteArray& keys) { m_ownKeys = keys; }

    // The drill (re)starts: no set runs and no target is up.
    void reset();
    // A set begins from nothing: the first target comes up, and the set clock starts.
    ChosenKey start();
    // A press of a running set, timed and judged against the target and booked.
    JudgedPress judge(const DrillKey& key);
    // After a press: the next target comes up, its reaction clock starting from 1.
    ChosenKey nextTarget();
    // The student typed the missed target: the pause ends and a new target comes up. This press
    // is not counted, timed or booked.
    ChosenKey resumeAfterMiss();
    // The set's last press is in. Returns true when the options ask for a closing Enter: the
    // set's clock stops and the set waits for Enter, which the right hand types.
    bool awaitClosingEnter();
    // The set is done: its figures join the session and the record, and the best time is settled.
    SetStatistics finish();
    // Escape during a set: the set is dropped; what it booked so far stays.
    void abandon();
    // The drill window closes.
    void leave();
    // Another student's record was read in: the next finished set starts a new best time.
    void forgetBestTime() { m_bestSeconds.reset(); }

    // The reaction ticks of the target that is up, as the clock says now.
    void updateKeyTicks();
    // Books the whole seconds that passed since the set began and are not yet counted; true when
    // there were any.
    bool bookElapsedSeconds();
    // The set's clock stops, what has passed counted.
    void stopClock();

private:
    ChosenKey chooseTarget();
    void startReactionClock();
    // Shift is let go at every press: the next target says which hand holds it.
    void releaseShift();
    // Returns true when the press was the slowest of the set so far.
    bool recordSlowest();
    // The section's first scored key of the session starts the session's slowest key afresh.
    void openBeginnersSection();
    std::int64_t now() const;

    DrillContext m_context;
    const Clock& m_clock;
    NextKeyChooser m_chooser;

    bool m_running = false;
    bool m_paused = false;
    bool m_awaitingEnter = false;
    std::int32_t m_length = 10;
    bool m_lowerCaseOnly = true;
    QByteArray m_ownKeys;
    AnsiChar m_target = 0;
    std::int32_t m_keyTicks = 1;
    std::int32_t m_presses = 0;
    std::int32_t m_hits = 0;
    std::int32_t m_misses = 0;
    std::int32_t m_seconds = 0;
    std::int32_t m_slowestTicks = 0;
    AnsiChar m_slowestChar = 0;
    std::optional<std::int32_t> m_bestSeconds; // of this drill window, once a set is done

    std::int64_t m_targetShownMs = 0;
    bool m_clockRunning = false;
    std::int64_t m_startedMs = 0;
    std::int64_t m_secondsBooked = 0; // whole seconds of this set already counted
};

} // namespace kf
