// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillEngine.h"

#include "core/ActivityState.h"
#include "drills/DrillCaption.h"
#include "drills/DrillLayout.h"
#include "drills/DrillTitles.h"
#include "platform/EventSounds.h"
#include "platform/Services.h"
#include "students/RecordLayout.h"
#include "students/SaveStudent.h"
#include "students/StudentRecord.h"
#include "students/StudentSession.h"
#include "students/WriteJournal.h"

namespace kf {

namespace {

using C = DrillControl;
using T = DrillText;

constexpr QRgb kTargetPanelColour = 0xFFFFFFFF; // the target shows in a white box
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

constexpr bool isBlack(QRgb colour) {
    return qRed(colour) == 0 && qGreen(colour) == 0 && qBlue(colour) == 0;
}
// A message in the target panel stands out from the panel's colour.
constexpr QRgb kTargetMessageColour = isBlack(kTargetPanelColour) ? kWhite : kBlack;

} // namespace

DrillEngine::DrillEngine(DrillContext context, Services& services, std::uint32_t seed)
    : m_context(context)
    , m_services(services)
    , m_set(context, services.clock, seed) {
    m_view.timer(DrillTimer::HandTimer).intervalMs = m_hands.handTimerInterval;
    m_view.timer(DrillTimer::BlinkTimer).intervalMs = kBlinkIntervalMs;
    m_view.timer(DrillTimer::SetClockTimer).intervalMs = kSetClockIntervalMs;
    m_view.timer(DrillTimer::ReactionTimer).intervalMs = kReactionIntervalMs;

    for (C hidden : {C::OwnKeysPanel, C::StatisticsPanel, C::PauseBox, C::HitMark, C::MissedMark,
                     C::TypedMark})
        setVisible(hidden, false);
    setEnabled(C::BeginTyping, false);
    setText(C::PauseCaption, drillText(T::Pause));
    setText(C::TypeTheCaption, drillText(T::TypeThe));
    setText(C::CharacterCaption, drillText(T::Character));
    setText(C::LastCorrectCaption, drillText(T::LastCorrect));
    setText(C::YouMissedCaption, drillText(T::YouMissed));
    setText(C::ByTypingCaption, drillText(T::ByTyping));
    setTargetPanel(50, QString());

    // The rows show as the student left them in an earlier drill window.
    for (DrillRow row :
         {DrillRow::LastCorrect, DrillRow::Missed, DrillRow::Typed, DrillRow::Instructions})
        showRow(row);

    m_drillWindowReady = true;
    if (ownKeysDrill()) {
        setVisible(C::TipsPanel, false);
        setEnabled(C::TipsPanel, false);
    }
}

bool DrillEngine::ownKeysDrill() const {
    return m_context.activity
               .drillKindFlags[static_cast<std::size_t>(DrillKind::ChooseYourOwnKeys)] != 0;
}

// ---- The drill start -----------------------------------------------------------------------

void DrillEngine::drillStart() {
    m_set.reset();
    enableDrillButtons();
    m_handPenWidth = m_context.record.i32(layout::kBegHandPen);
    const QString title = drillTitle(m_context.activity);
    setText(C::Title, title);
    setText(C::TitleShadow, title);
    setText(C::Guidance, drillText(T::PressSpaceToBegin));
    startTimer(DrillTimer::BlinkTimer);
    clearText(C::TargetPanel);
    clearDrillTexts();
    if (ownKeysDrill()) {
        setVisible(C::OwnKeysPanel, true);
        disableDrillButtons();
        setEnabled(C::ExitLessonsButton, true);
    }
}

// ---- Key dispatch --------------------------------------------------------------------------

void DrillEngine::handleDrillKey(const DrillKey& key) {
    if (m_view[C::Guidance].visible)
        setText(C::Guidance, QStringLiteral(" "));
    if (m_set.paused()) {
        handlePausedKey(key);
        return;
    }
    if (!m_drillWindowReady)
        return;

    const bool space = key.is(DrillKey::kSpace);
    const bool escape = key.is(DrillKey::kEscape);
    const bool enter = key.is(DrillKey::kEnter);
    const bool running = m_set.running();
    if (enter && m_set.awaitingEnter()) {
        resetTargetPanel();
        finishSet();
    } else if (space && !running && !m_view[C::OwnKeysPanel].visible) {
        startSet();
    } else if (!space && !escape && !enter && running && !m_set.awaitingEnter()) {
        scoreKey(key);
    } else if (space && running) {
        replayHands();
    } else if (escape && running) {
        abandonSet();
    } else if (escape) {
        leaveDrill();
    }
}

void DrillEngine::handlePausedKey(const DrillKey& key) {
    if (key.is(DrillKey::kEscape)) {
        stopHands();
        setVisible(C::PauseBox, false);
        showUnlessHidden(C::Guidance, DrillRow::Instructions);
        clearErrorDisplay();
        abandonSet();
    } else if (!m_set.isTarget(key)) {
        playSound(kSoundError);
    } else {
        correctingPress();
    }
}

void DrillEngine::correctingPress() {
    m_hands.handPhase = 1;
    stopHands();
    hideMarks();
    resetPicture();
    setVisible(C::PauseBox, false);
    clearText(C::MissedTarget);
    clearText(C::TypedInstead);
    clearText(C::TargetPanel);
    stopTimer(DrillTimer::BlinkTimer);
    showTarget(m_set.resumeAfterMiss());
    startHands();
    startTimer(DrillTimer::ReactionTimer);
    showUnlessHidden(C::Guidance, DrillRow::Instructions);
    playSound(kSoundKeyTap);
    if (m_set.complete())
        endSet();
}

// ---- A set ---------------------------------------------------------------------------------

void DrillEngine::startSet() {
    setVisible(C::TipsPanel, false);
    disableDrillButtons();
    resetTargetPanel();
    hideMarks();
    m_hands.handPhase = 1;
    setVisible(C::StatisticsPanel, false);
    playSound(kSoundStart);
    resetPicture();
    clearDrillTexts();
    stopTimer(DrillTimer::BlinkTimer);

    showTarget(m_set.start());
    startTimer(DrillTimer::ReactionTimer);
    startHands();
    startTimer(DrillTimer::SetClockTimer);
}

void DrillEngine::scoreKey(const DrillKey& key) {
    m_hands.handPhase = 1;
    stopTimer(DrillTimer::ReactionTimer);
    const JudgedPress press = m_set.judge(key);
    journalPress(key, press);
    if (press.slowestOfSet)
        setText(C::StatsSlowestThisSet, characterCaption(m_set.target()));
    if (press.hit)
        showHit(key);
    else
        showMiss(key);

    if (press.setComplete)
        endSet();
    else if (press.pauseAfterMiss)
        startMissPause();
    else
        showNextTarget();
}

void DrillEngine::showHit(const DrillKey& key) {
    stopHands();
    setText(C::LastCorrectKey, key.caption());
    showUnlessHidden(C::HitMark, DrillRow::LastCorrect);
    setVisible(C::MissedMark, false);
    setVisible(C::TypedMark, false);
    clearText(C::MissedTarget);
    clearText(C::TypedInstead);
    setText(C::PressesSoFar, QString::number(m_set.presses()));
    playSound(kSoundKeyTap);
    resetPicture();
}

void DrillEngine::showMiss(const DrillKey& key) {
    const QString targetCaption = characterCaption(m_set.target());
    m_view[C::StatsMissedTargets].caption += targetCaption + u' ';
    m_view[C::StatsTypedInstead].caption += key.caption() + u' ';
    setVisible(C::HitMark, false);
    showUnlessHidden(C::MissedMark, DrillRow::Missed);
    showUnlessHidden(C::TypedMark, DrillRow::Typed);
    clearText(C::LastCorrectKey);
    setText(C::MissedTarget, targetCaption);
    setText(C::TypedInstead, key.caption());
    playSound(kSoundError);
    setText(C::PressesSoFar, QString::number(m_set.presses()));
}

void DrillEngine::startMissPause() {
    setVisible(C::Guidance, false);
    startTimer(DrillTimer::BlinkTimer);
    setVisible(C::PauseBox, true);
    setText(C::PauseExplanation, missExplanation(characterCaption(m_set.target())));
}

void DrillEngine::showNextTarget() {
    stopHands();
    resetPicture();
    showTarget(m_set.nextTarget());
    startHands();
    startTimer(DrillTimer::ReactionTimer);
}

void DrillEngine::showTarget(const ChosenKey& chosen) {
    if (chosen.guidance)
        setText(C::Guidance, plainTextCaption(*chosen.guidance));
    const AnsiChar target = m_set.target();
    setText(C::TargetPanel, targetPanelText(target));
    m_view.target.fontColour =
        targetPanelFontColour(target, m_context.record.nationality(), kTargetPanelColour);
}

// ---- The end of a set ----------------------------------------------------------------------

void DrillEngine::endSet() {
    if (m_set.awaitClosingEnter())
        showEnterStep();
    else
        finishSet();
}

void DrillEngine::showEnterStep() {
    stopSetClock();
    resetPicture();
    showTargetMessage(150, T::PressEnter);
    m_view.target.fontSize = 10;
    setVisible(C::TypeTheCaption, false);
    setVisible(C::CharacterCaption, false);
    startHands();
}

void DrillEngine::finishSet() {
    stopSetClock();
    enableButtonsAfterSet();
    startTimer(DrillTimer::BlinkTimer);

    setVisible(C::TypeTheCaption, false);
    setVisible(C::CharacterCaption, false);
    showTargetMessage(80, T::Done);

    clearText(C::LastCorrectKey);
    clearText(C::MissedTarget);
    clearText(C::TypedInstead);
    hideMarks();
    setVisible(C::StatisticsPanel, true);

    if (m_context.record.flag(layout::kSoundOn))
        playSound(kSoundDone);
    setText(C::StatsTimeThisSet, m_view[C::SetSeconds].caption);
    showSetStatistics(m_set.finish());

    stopHands();
    resetPicture();
    saveStudentFile();
}

void DrillEngine::showSetStatistics(const SetStatistics& shown) {
    setText(C::StatsBestTime, QString::number(shown.bestSeconds));
    setText(C::StatsCorrectThisSet, shown.correctThisSet);
    setText(C::StatsCorrectThisSession, shown.correctThisSession);
    setText(C::StatsNumberMissed, QString::number(m_set.misses()));
    setText(C::StatsSlowestThisSet, characterCaption(m_set.slowestChar()));
}

void DrillEngine::clearStatistics() {
    for (C c : {C::StatsMissedTargets, C::StatsTypedInstead, C::StatsTimeThisSet, C::StatsBestTime,
                C::StatsCorrectThisSet, C::StatsCorrectThisSession, C::StatsSlowestThisSet,
                C::StatsNumberMissed})
        clearText(c);
    // "Best Time:" is empty again, so the next set's time is the best.
    m_set.forgetBestTime();
}

void DrillEngine::abandonSet() {
    enableButtonsAfterSet();
    if (m_set.awaitingEnter())
        resetTargetPanel();
    stopSetClock();
    m_set.abandon();
    m_context.session.closeJournalSet();
    stopHands();
    resetPicture();
    startTimer(DrillTimer::BlinkTimer);
    clearText(C::LastCorrectKey);
    clearText(C::MissedTarget);
    clearText(C::TypedInstead);
    hideMarks();
    setText(C::Guidance, drillText(T::PressSpaceToContinue));
    clearText(C::PressesSoFar);
    clearText(C::TargetPanel);
    clearText(C::SetSeconds);
}

void DrillEngine::leaveDrill() {
    resetTargetPanel();
    m_set.leave();
    m_drillWindowReady = false;
    stopAllTimers();
    m_view.closeRequested = true;
}

// ---- The window's controls -----------------------------------------------------------------

void DrillEngine::resetTargetPanel() {
    setTargetPanel(50, QString());
    m_view.target.fontSize = 14;
    setVisible(C::TypeTheCaption, true);
    setVisible(C::CharacterCaption, true);
}

void DrillEngine::setTargetPanel(int width, const QString& caption) {
    m_view.target.width = width;
    m_view.target.left = centredLeft(kTargetBoxWidth, width);
    setText(C::TargetPanel, caption);
}

void DrillEngine::showTargetMessage(int width, DrillText message) {
    setTargetPanel(width, drillText(message));
    m_view.target.fontColour = kTargetMessageColour;
}

void DrillEngine::hideMarks() {
    for (C image : {C::HitMark, C::MissedMark, C::TypedMark})
        setVisible(image, false);
}

void DrillEngine::clearErrorDisplay() {
    for (C panel : {C::TargetPanel, C::LastCorrectKey, C::StatsMissedTargets, C::StatsTypedInstead,
                    C::MissedTarget, C::TypedInstead})
        clearText(panel);
    hideMarks();
}

void DrillEngine::clearDrillTexts() {
    for (C text : {C::Guidance, C::PressesSoFar, C::TargetPanel, C::SetSeconds, C::LastCorrectKey,
                   C::StatsMissedTargets, C::StatsTypedInstead, C::MissedTarget, C::TypedInstead})
        clearText(text);
}

void DrillEngine::disableDrillButtons() {
    for (C button : kDrillToolButtons)
        setEnabled(button, false);
}

void DrillEngine::enableDrillButtons() {
    for (C button : kDrillToolButtons)
        setEnabled(button, true);
}

// Own-keys sets are ten keys typed as listed: "20", "30" and "A" stay off.
void DrillEngine::enableButtonsAfterSet() {
    enableDrillButtons();
    if (ownKeysDrill()) {
        for (C button : {C::TwentyKeysButton, C::ThirtyKeysButton, C::UpperCaseButton})
            setEnabled(button, false);
    }
}

// ---- Buttons -------------------------------------------------------------------------------

void DrillEngine::chooseSetLength(int length) {
    playSound(kSoundClick);
    m_set.setLength(length);
}

void DrillEngine::chooseLowerCaseOnly(bool on) {
    playSound(kSoundClick);
    m_set.setLowerCaseOnly(on);
}

bool DrillEngine::rowHidden(DrillRow row) const {
    return m_context.rowsHidden.isHidden(row);
}

void DrillEngine::toggleRow(DrillRow row) {
    m_context.rowsHidden.toggle(row);
    showRow(row);
}

void DrillEngine::showRow(DrillRow row) {
    const bool shown = !rowHidden(row);
    switch (row) {
    case DrillRow::LastCorrect:
        setVisible(C::LastCorrectCaption, shown);
        setVisible(C::LastCorrectKey, shown);
        if (!shown)
            setVisible(C::HitMark, false); // the mark comes back only with the next hit
        break;
    case DrillRow::Missed:
        setVisible(C::YouMissedCaption, shown);
        setVisible(C::MissedTarget, shown);
        if (!shown)
            setVisible(C::MissedMark, false);
        break;
    case DrillRow::Typed:
        setVisible(C::ByTypingCaption, shown);
        setVisible(C::TypedInstead, shown);
        if (!shown)
            setVisible(C::TypedMark, false);
        break;
    case DrillRow::Instructions:
        setVisible(C::Guidance, shown);
        break;
    }
}

OwnKeysResult DrillEngine::verifyOwnKeys(const QString& typed) {
    OwnKeysResult result = kf::verifyOwnKeys(typed, m_context.record.nationality());
    if (!result.enough)
        return result;
    m_set.setOwnKeys(result.keys);
    setEnabled(C::BeginTyping, true);
    setText(C::KeysToType, plainTextCaption(result.shownKeys));
    setText(C::NotAllowedKeys, plainTextCaption(result.notAllowed));
    return result;
}

void DrillEngine::beginOwnKeys() {
    if (!ownKeysDrill())
        return;
    setVisible(C::OwnKeysPanel, false);
    enableButtonsAfterSet();
}

// ---- Services ------------------------------------------------------------------------------

void DrillEngine::saveStudentFile() {
    saveStudentInBackground(m_context.session, m_services.dialogs);
    writeJournal(m_context.session, m_services.dialogs);
}

void DrillEngine::playSound(int code) {
    kf::playSound({m_context.record, m_context.folder, m_context.soundDevice}, m_services.sound,
                  code);
}

} // namespace kf
