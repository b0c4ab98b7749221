// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillSet.h"

#include "drills/ReactionClock.h"
#include "keyboard/CurrentKey.h"
#include "platform/Clock.h"
#include "students/DrillSessionFigures.h"
#include "students/FixedPoint.h"
#include "students/RecordLayout.h"
#include "students/SectionUsage.h"
#include "students/StudentRecord.h"

namespace kf {

namespace L = layout;

namespace {

void addToFigure(StudentRecord& record, std::size_t offset, long double addend) {
    record.setFigure(offset, record.figure(offset) + addend);
}

} // namespace

DrillSet::DrillSet(DrillContext context, const Clock& clock, std::uint32_t seed)
    : m_context(context)
    , m_clock(clock)
    , m_chooser(seed) {}

std::int64_t DrillSet::now() const {
    return m_clock.nowMs();
}

void DrillSet::reset() {
    m_paused = false;
    m_running = false;
    m_presses = 0;
    m_target = 0;
    m_keyTicks = 1;
    m_slowestTicks = 0;
}

ChosenKey DrillSet::start() {
    releaseShift();
    m_awaitingEnter = false;
    m_misses = 0;
    m_hits = 0;
    m_presses = 0;
    m_running = true;
    ChosenKey chosen = chooseTarget();
    m_slowestTicks = 0;
    startReactionClock();
    m_seconds = 0;
    m_startedMs = now();
    m_secondsBooked = 0;
    m_clockRunning = true;
    return chosen;
}

JudgedPress DrillSet::judge(const DrillKey& key) {
    releaseShift();
    const std::int64_t reactionMs = now() - m_targetShownMs;
    m_keyTicks = reactionTicks(reactionMs);

    JudgedPress press;
    press.reactionMs = static_cast<std::int32_t>(reactionMs);
    press.hit = isTarget(key);
    const ScoreBook book{m_context.record, m_context.figures};
    recordKeySpeed(book, m_target, m_keyTicks);
    recordKeyAccuracy(book, m_target, press.hit);
    press.slowestOfSet = recordSlowest();

    ++m_presses;
    if (press.hit) {
        ++m_hits;
        press.setComplete = complete();
        return press;
    }
    ++m_misses;
    // Read at each miss, so a change in the options window counts at once.
    press.pauseAfterMiss = m_context.record.flag(L::kBegPauseOnMiss);
    m_paused = press.pauseAfterMiss;
    // A paused set ends only once its last target is typed.
    press.setComplete = complete() && !press.pauseAfterMiss;
    return press;
}

ChosenKey DrillSet::nextTarget() {
    ChosenKey chosen = chooseTarget();
    startReactionClock();
    return chosen;
}

ChosenKey DrillSet::resumeAfterMiss() {
    m_paused = false;
    return nextTarget();
}

bool DrillSet::awaitClosingEnter() {
    // Read now, so a change in the options window counts from the next set end.
    if (!m_context.record.flag(L::kBegAddEnter))
        return false;
    releaseShift();
    m_awaitingEnter = true;
    stopClock();
    CurrentKey& key = m_context.currentKey;
    key.leftHand = false;
    key.rightHand = true;
    key.character = DrillKey::kEnter;
    m_target = DrillKey::kEnter;
    return true;
}

SetStatistics DrillSet::finish() {
    stopClock();
    m_awaitingEnter = false;
    m_running = false;
    SetStatistics shown = computeSetStatistics({m_context.record, m_context.figures}, m_bestSeconds,
                                               {m_seconds, m_hits, m_misses});
    openBeginnersSection();
    return shown;
}

void DrillSet::abandon() {
    stopClock();
    m_paused = false;
    m_awaitingEnter = false;
    m_presses = 0;
    m_running = false;
}

void DrillSet::leave() {
    stopClock();
    m_awaitingEnter = false;
    m_running = false;
}

ChosenKey DrillSet::chooseTarget() {
    ChooserSettings settings;
    settings.kind = m_context.activity.drillKind();
    settings.nationality = m_context.record.nationality();
    settings.lowerCaseOnly = m_lowerCaseOnly;
    settings.customKeys = m_ownKeys;
    settings.setPresses = m_presses;
    ChosenKey chosen = m_chooser.choose(settings, m_context.currentKey, m_context.studentName);
    // "Do Everything" turns upper case on for the rest of the drill.
    m_lowerCaseOnly = settings.lowerCaseOnly;
    m_context.currentKey = chosen.key;
    m_target = chosen.key.character;
    return chosen;
}

void DrillSet::startReactionClock() {
    m_keyTicks = 1;
    m_targetShownMs = now();
}

void DrillSet::updateKeyTicks() {
    m_keyTicks = reactionTicks(now() - m_targetShownMs);
}

void DrillSet::releaseShift() {
    m_context.currentKey.leftShift = false;
    m_context.currentKey.rightShift = false;
}

bool DrillSet::recordSlowest() {
    openBeginnersSection();
    const bool slowestOfSet = m_keyTicks > m_slowestTicks;
    if (slowestOfSet) {
        m_slowestTicks = m_keyTicks;
        m_slowestChar = m_target;
    }
    DrillSessionFigures& session = m_context.figures;
    if (m_keyTicks > session.sessionSlowestTicks) {
        session.sessionSlowestTicks = m_keyTicks;
        m_context.record.setByte(L::kBegSlowestKey, m_target);
        m_context.record.setByte(L::kBegSlowestKeyCopy, m_target);
    }
    return slowestOfSet;
}

void DrillSet::openBeginnersSection() {
    SectionUsage& usage = m_context.sectionUsage;
    if (usage.used(Section::BeginnersDrills))
        return;
    m_context.figures.sessionSlowestTicks = 0;
    m_context.record.setByte(L::kBegSlowestKeyCopy, 0);
    usage.markUsed(Section::BeginnersDrills);
}

// Each whole second adds one to the set clock and to both seconds totals of the record.
bool DrillSet::bookElapsedSeconds() {
    if (!m_clockRunning)
        return false;
    const std::int64_t elapsed = (now() - m_startedMs) / 1000;
    if (elapsed <= m_secondsBooked)
        return false;
    for (; m_secondsBooked < elapsed; ++m_secondsBooked) {
        m_seconds = m_seconds + 1 == kSetSecondsWrapAt ? 0 : m_seconds + 1;
        addToFigure(m_context.record, L::kBegSecondsCopy, 1);
        addToFigure(m_context.record, L::kBegSeconds, 1);
    }
    m_context.figures.sessionSetSeconds = toFixedPoint(m_seconds);
    return true;
}

void DrillSet::stopClock() {
    bookElapsedSeconds();
    m_clockRunning = false;
}

} // namespace kf
