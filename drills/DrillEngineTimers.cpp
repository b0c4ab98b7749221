// SPDX-License-Identifier: GPL-3.0-or-later
// The drill engine's timers: what each tick of the drill window's four timers does, and the
// hand timer's orders. The figures never count ticks; a tick only makes the engine read the clock.
#include "drills/DrillEngine.h"
#include "students/StudentSession.h"

namespace kf {

using C = DrillControl;

void DrillEngine::handTick() {
    if (m_handAnimation) {
        applyHandTimer(m_handAnimation(m_hands));
        return;
    }
    // No hands to draw: the animation is over at its first tick.
    resetPicture();
    m_hands.handPhase = 1;
    applyHandDelay();
    stopHands();
}

void DrillEngine::applyHandDelay() {
    applyHandTimer(setHandDelay(m_hands, handStyle(m_context.record).delayMs));
}

void DrillEngine::blinkTick() {
    const QString pause = drillText(DrillText::Pause);
    if (m_set.paused()) {
        const bool shown = m_view[C::PauseCaption].caption == pause;
        setText(C::PauseCaption, shown ? QString() : pause);
        return;
    }
    const bool empty = m_view[C::Guidance].caption.isEmpty();
    setText(C::Guidance, empty ? drillText(DrillText::PressSpaceToBegin) : QString());
}

void DrillEngine::setClockTick() {
    if (m_set.bookElapsedSeconds())
        showSetSeconds();
}

void DrillEngine::reactionTick() {
    if (m_view.timer(DrillTimer::ReactionTimer).running)
        m_set.updateKeyTicks();
}

void DrillEngine::showSetSeconds() {
    setText(C::SetSeconds, QString::number(m_set.seconds()));
}

// The set clock stops: what has passed is counted, and the time shows even for a set finished
// within its first second (as 0).
void DrillEngine::stopSetClock() {
    if (!m_view.timer(DrillTimer::SetClockTimer).running)
        return;
    m_set.stopClock();
    showSetSeconds();
    stopTimer(DrillTimer::SetClockTimer);
}

void DrillEngine::stopAllTimers() {
    m_context.session.closeJournalSet(); // a set left unfinished is a set of its own
    stopSetClock();
    for (DrillTimer t : {DrillTimer::HandTimer, DrillTimer::BlinkTimer, DrillTimer::SetClockTimer,
                         DrillTimer::ReactionTimer})
        stopTimer(t);
}

void DrillEngine::startTimer(DrillTimer t) {
    TimerView& timer = m_view.timer(t);
    if (!timer.running) {
        timer.running = true;
        ++timer.starts;
    }
}

void DrillEngine::stopTimer(DrillTimer t) {
    m_view.timer(t).running = false;
}

void DrillEngine::replayHands() {
    applyHandTimer(kf::replayHands(m_hands));
}

void DrillEngine::startHands() {
    applyHandTimer(kf::startHands(m_hands));
}

void DrillEngine::stopHands() {
    applyHandTimer(kf::stopHands(m_hands));
}

void DrillEngine::applyHandTimer(const HandTimerOrder& order) {
    applyHandTimerOrder(m_view.timer(DrillTimer::HandTimer), order);
}

} // namespace kf
