// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillEngine.h"

#include "core/ActivityState.h"
#include "drills/DrillCaption.h"
#include "drills/DrillLayout.h"
#include "drills/DrillTitles.h"
#include "drills/KeyScoring.h"
#include "drills/ReactionClock.h"
#include "keyboard/CurrentKey.h"
#include "keyboard/KeyTable.h"
#include "platform/Clock.h"
#include "platform/EventSounds.h"
#include "platform/Services.h"
#include "students/DrillSessionFigures.h"
#include "students/FixedPoint.h"
#include "students/SaveStudent.h"
#include "students/SectionUsage.h"
#include "students/StudentRecord.h"

#include <QCoreApplication>

namespace kf {

namespace {

using C = DrillControl;
namespace L = layout;

constexpr QRgb kTargetPanelColour = 0xFFFFFFFF; // the target shows in a white box
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// The drill window's texts, in the interface language; the window's own captions share the
// context, so each text is translated once.
QString text(const char* source) {
    return QCoreApplication::translate("DrillWindow", source);
}

constexpr const char* kPressSpaceToBegin =
    QT_TRANSLATE_NOOP("DrillWindow", "Press the Spacebar to Begin.");
constexpr const char* kPressSpaceToContinue =
    QT_TRANSLATE_NOOP("DrillWindow", "Press the Spacebar to continue.");
constexpr const char* kPause = QT_TRANSLATE_NOOP("DrillWindow", "Pause!");

bool isBlack(QRgb colour) {
    return qRed(colour) == 0 && qGreen(colour) == 0 && qBlue(colour) == 0;
}

void addToFigure(StudentRecord& record, std::size_t offset, long double addend) {
    record.setFigure(offset, record.figure(offset) + addend);
}

QString missMessage(const QString& target) {
    return text(QT_TRANSLATE_NOOP("DrillWindow",
                                  "You missed the \"%1\" key. Check your error to the left, locate "
                                  "the \" %1 \" key below, and type the correct key."))
        .arg(target);
}

} // namespace

DrillEngine::DrillEngine(DrillContext context, Services& services, std::uint32_t seed)
    : m_context(context)
    , m_services(services)
    , m_chooser(seed) {
    m_view.timer(DrillTimer::HandTimer).intervalMs = m_hands.handTimerInterval;
    m_view.timer(DrillTimer::BlinkTimer).intervalMs = kBlinkIntervalMs;
    m_view.timer(DrillTimer::SetClockTimer).intervalMs = kSetClockIntervalMs;
    m_view.timer(DrillTimer::ReactionTimer).intervalMs = kReactionIntervalMs;

    for (C hidden : {C::OwnKeysPanel, C::StatisticsPanel, C::PauseBox, C::HitMark, C::MissedMark,
                     C::TypedMark})
        setVisible(hidden, false);
    setEnabled(C::BeginTyping, false);
    setText(C::PauseCaption, text(kPause));
    setText(C::TypeTheCaption, text(QT_TRANSLATE_NOOP("DrillWindow", "Type the")));
    setText(C::CharacterCaption, text(QT_TRANSLATE_NOOP("DrillWindow", "Character")));
    setText(C::LastCorrectCaption, text(QT_TRANSLATE_NOOP("DrillWindow", "Last correct:")));
    setText(C::YouMissedCaption, text(QT_TRANSLATE_NOOP("DrillWindow", "You missed:")));
    setText(C::ByTypingCaption, text(QT_TRANSLATE_NOOP("DrillWindow", "by typing:")));
    setTargetPanel(50, QString());

    // The rows show as the student left them in an earlier drill window.
    for (DrillRow row :
         {DrillRow::LastCorrect, DrillRow::Missed, DrillRow::Typed, DrillRow::Instructions})
        showRow(row);

    m_drillWindowReady = true;
    m_lowerCaseOnly = true;
    m_setLength = 10;
    if (ownKeysDrill()) {
        setVisible(C::TipsPanel, false);
        setEnabled(C::TipsPanel, false);
    }
}

bool DrillEngine::ownKeysDrill() const {
    return m_context.activity
               .drillKindFlags[static_cast<std::size_t>(DrillKind::ChooseYourOwnKeys)] != 0;
}

std::int64_t DrillEngine::now() const {
    return m_services.clock.nowMs();
}

// ---- The drill start -----------------------------------------------------------------------

void DrillEngine::drillStart() {
    m_drillPaused = false;
    enableDrillButtons();
    m_handPenWidth = m_context.record.i32(L::kBegHandPen);
    const QString title = drillTitle(m_context.activity);
    setText(C::Title, title);
    setText(C::TitleShadow, title);
    setText(C::Guidance, text(kPressSpaceToBegin));
    startTimer(DrillTimer::BlinkTimer);
    clearText(C::TargetPanel);
    m_setRunning = false;
    m_setPresses = 0;
    m_targetChar = 0;
    m_keyTicks = 1;
    m_setSlowestTicks = 0;
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
    if (m_drillPaused) {
        handlePausedKey(key);
        return;
    }
    if (!m_drillWindowReady)
        return;

    const bool space = key.is(DrillKey::kSpace);
    const bool escape = key.is(DrillKey::kEscape);
    const bool enter = key.is(DrillKey::kEnter);
    if (enter && m_awaitingEnter) {
        resetTargetPanel();
        finishSet();
    } else if (space && !m_setRunning && !m_view[C::OwnKeysPanel].visible) {
        startSet();
    } else if (!space && !escape && !enter && m_setRunning && !m_awaitingEnter) {
        scoreKey(key);
    } else if (space && m_setRunning) {
        replayHands();
    } else if (escape && m_setRunning) {
        abandonSet();
    } else if (escape) {
        leaveDrill();
    }
}

void DrillEngine::handlePausedKey(const DrillKey& key) {
    if (key.is(DrillKey::kEscape)) {
        stopHands();
        setVisible(C::PauseBox, false);
        m_drillPaused = false;
        showUnlessHidden(C::Guidance, DrillRow::Instructions);
        clearErrorDisplay();
        abandonSet();
    } else if (!key.is(m_targetChar)) {
        playSound(kSoundError);
    } else {
        correctingPress();
    }
}

// The student typed the missed target: a new key comes up. This press is not counted, timed
// or recorded.
void DrillEngine::correctingPress() {
    m_hands.handPhase = 1;
    stopHands();
    for (C image : {C::HitMark, C::MissedMark, C::TypedMark})
        setVisible(image, false);
    resetPicture();
    setVisible(C::PauseBox, false);
    clearText(C::MissedTarget);
    clearText(C::TypedInstead);
    clearText(C::TargetPanel);
    stopTimer(DrillTimer::BlinkTimer);
    chooseNextKey();
    startHands();
    startTimer(DrillTimer::ReactionTimer);
    startReactionClock();
    m_drillPaused = false;
    showUnlessHidden(C::Guidance, DrillRow::Instructions);
    playSound(kSoundKeyTap);
    if (m_setPresses == m_setLength)
        endSet();
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

// ---- A set ---------------------------------------------------------------------------------

void DrillEngine::startSet() {
    setVisible(C::TipsPanel, false);
    disableDrillButtons();
    resetTargetPanel();
    for (C image : {C::HitMark, C::MissedMark, C::TypedMark})
        setVisible(image, false);

    m_context.currentKey.leftShift = false;
    m_context.currentKey.rightShift = false;
    m_awaitingEnter = false;
    m_setMisses = 0;
    m_setHits = 0;
    m_hands.handPhase = 1;
    m_setPresses = 0;

    setVisible(C::StatisticsPanel, false);
    m_setRunning = true;
    playSound(kSoundStart);

    resetPicture();
    clearDrillTexts();
    stopTimer(DrillTimer::BlinkTimer);

    chooseNextKey();
    startTimer(DrillTimer::ReactionTimer);
    m_setSlowestTicks = 0;
    startReactionClock();
    startHands();
    m_setSeconds = 0;
    m_setStartedMs = now();
    m_secondsBooked = 0;
    startTimer(DrillTimer::SetClockTimer);
}

bool DrillEngine::scoreKey(const DrillKey& key) {
    m_context.currentKey.leftShift = false;
    m_context.currentKey.rightShift = false;
    m_hands.handPhase = 1;
    stopTimer(DrillTimer::ReactionTimer);
    m_keyTicks = reactionTicks(now() - m_targetShownMs);

    const ScoreBook book{m_context.record, m_context.figures};
    recordKeySpeed(book, m_targetChar, m_keyTicks);
    recordKeyAccuracy(book, m_targetChar, key.is(m_targetChar));
    recordSlowest();

    const QString targetCaption = characterCaption(m_targetChar);
    if (key.is(m_targetChar)) {
        stopHands();
        setText(C::LastCorrectKey, key.caption());
        showUnlessHidden(C::HitMark, DrillRow::LastCorrect);
        setVisible(C::MissedMark, false);
        setVisible(C::TypedMark, false);
        clearText(C::MissedTarget);
        clearText(C::TypedInstead);
        ++m_setPresses;
        setText(C::PressesSoFar, QString::number(m_setPresses));
        ++m_setHits;
        playSound(kSoundKeyTap);
        resetPicture();
        if (m_setPresses == m_setLength) {
            endSet();
            return true;
        }
    } else {
        m_view[C::StatsMissedTargets].caption += targetCaption + u' ';
        m_view[C::StatsTypedInstead].caption += key.caption() + u' ';
        setVisible(C::HitMark, false);
        showUnlessHidden(C::MissedMark, DrillRow::Missed);
        showUnlessHidden(C::TypedMark, DrillRow::Typed);
        clearText(C::LastCorrectKey);
        setText(C::MissedTarget, targetCaption);
        setText(C::TypedInstead, key.caption());
        playSound(kSoundError);
        ++m_setPresses;
        setText(C::PressesSoFar, QString::number(m_setPresses));
        ++m_setMisses;
        // Read at each miss, so a change in the options window counts at once.
        const bool pauseAfterMiss = m_context.record.flag(L::kBegPauseOnMiss);
        if (m_setPresses == m_setLength && !pauseAfterMiss) {
            endSet();
            return true;
        }
        if (pauseAfterMiss) {
            startMissPause();
            return false;
        }
    }
    showNextTarget();
    return false;
}

void DrillEngine::startMissPause() {
    m_drillPaused = true;
    setVisible(C::Guidance, false);
    startTimer(DrillTimer::BlinkTimer);
    setVisible(C::PauseBox, true);
    setText(C::PauseExplanation, missMessage(characterCaption(m_targetChar)));
}

void DrillEngine::showNextTarget() {
    stopHands();
    resetPicture();
    chooseNextKey();
    startHands();
    startTimer(DrillTimer::ReactionTimer);
    startReactionClock();
}

void DrillEngine::startReactionClock() {
    m_keyTicks = 1;
    m_targetShownMs = now();
}

void DrillEngine::chooseNextKey() {
    ChooserSettings settings;
    settings.kind = m_context.activity.drillKind();
    settings.nationality = m_context.record.nationality();
    settings.lowerCaseOnly = m_lowerCaseOnly;
    settings.customKeys = m_ownKeys;
    settings.setPresses = m_setPresses;
    const ChosenKey chosen =
        m_chooser.choose(settings, m_context.currentKey, m_context.studentName);
    m_lowerCaseOnly = settings.lowerCaseOnly;
    m_context.currentKey = chosen.key;
    m_targetChar = chosen.key.character;
    if (chosen.guidance)
        setText(C::Guidance, plainTextCaption(*chosen.guidance));
    if (m_drillPaused)
        setVisible(C::Guidance, false);
    setText(C::TargetPanel, targetPanelText(m_targetChar));
    m_view.target.fontColour =
        targetPanelFontColour(m_targetChar, settings.nationality, kTargetPanelColour);
}

// ---- Per-key figures -----------------------------------------------------------------------

void DrillEngine::recordSlowest() {
    const std::int32_t t = m_keyTicks;
    DrillSessionFigures& session = m_context.figures;
    if (!beginnersSectionUsed()) {
        session.sessionSlowestTicks = 0;
        m_context.record.setByte(L::kBegSlowestKeyCopy, 0);
        markBeginnersSectionUsed();
    }
    if (t > m_setSlowestTicks) {
        m_setSlowestTicks = t;
        m_setSlowestChar = m_targetChar;
        setText(C::StatsSlowestThisSet, characterCaption(m_targetChar));
    }
    if (t > session.sessionSlowestTicks) {
        session.sessionSlowestTicks = t;
        m_context.record.setByte(L::kBegSlowestKey, m_targetChar);
        m_context.record.setByte(L::kBegSlowestKeyCopy, m_targetChar);
    }
}

// ---- The end of a set ----------------------------------------------------------------------

void DrillEngine::endSet() {
    // Read now, so a change in the options window counts from the next set end.
    if (m_context.record.flag(L::kBegAddEnter))
        beginEnterStep();
    else
        finishSet();
}

void DrillEngine::beginEnterStep() {
    m_context.currentKey.leftShift = false;
    m_context.currentKey.rightShift = false;
    m_awaitingEnter = true;
    stopSetClock();
    resetPicture();
    setTargetPanel(150, text(QT_TRANSLATE_NOOP("DrillWindow", "Press Enter!")));
    m_view.target.fontSize = 10;
    m_view.target.fontColour = isBlack(kTargetPanelColour) ? kWhite : kBlack;
    setVisible(C::TypeTheCaption, false);
    setVisible(C::CharacterCaption, false);
    m_context.currentKey.leftHand = false;
    m_context.currentKey.rightHand = true;
    m_targetChar = DrillKey::kEnter;
    m_context.currentKey.character = DrillKey::kEnter;
    startHands();
}

void DrillEngine::resetTargetPanel() {
    m_awaitingEnter = false;
    setTargetPanel(50, QString());
    m_view.target.fontSize = 14;
    setVisible(C::TypeTheCaption, true);
    setVisible(C::CharacterCaption, true);
}

void DrillEngine::finishSet() {
    stopSetClock();
    enableButtonsAfterSet();
    m_setRunning = false;
    startTimer(DrillTimer::BlinkTimer);

    setVisible(C::TypeTheCaption, false);
    setVisible(C::CharacterCaption, false);
    setTargetPanel(80, text(QT_TRANSLATE_NOOP("DrillWindow", "Done!")));
    m_view.target.fontColour = isBlack(kTargetPanelColour) ? kWhite : kBlack;

    clearText(C::LastCorrectKey);
    clearText(C::MissedTarget);
    clearText(C::TypedInstead);
    for (C image : {C::HitMark, C::MissedMark, C::TypedMark})
        setVisible(image, false);
    setVisible(C::StatisticsPanel, true);

    if (m_context.record.flag(L::kSoundOn))
        playSound(kSoundDone);
    setText(C::StatsTimeThisSet, m_view[C::SetSeconds].caption);
    showSetStatistics();

    stopHands();
    resetPicture();
    saveStudentFile();
}

void DrillEngine::showSetStatistics() {
    const SetStatistics shown =
        computeSetStatistics({m_context.record, m_context.figures}, m_bestSeconds,
                             {m_setSeconds, m_setHits, m_setMisses});
    setText(C::StatsBestTime, QString::number(shown.bestSeconds));
    setText(C::StatsCorrectThisSet, shown.correctThisSet);
    setText(C::StatsCorrectThisSession, shown.correctThisSession);
    setText(C::StatsNumberMissed, QString::number(m_setMisses));

    if (!beginnersSectionUsed()) {
        m_context.figures.sessionSlowestTicks = 0;
        m_context.record.setByte(L::kBegSlowestKeyCopy, 0);
    }
    markBeginnersSectionUsed();

    setText(C::StatsSlowestThisSet, characterCaption(m_setSlowestChar));
}

void DrillEngine::clearStatistics() {
    for (C c : {C::StatsMissedTargets, C::StatsTypedInstead, C::StatsTimeThisSet, C::StatsBestTime,
                C::StatsCorrectThisSet, C::StatsCorrectThisSession, C::StatsSlowestThisSet,
                C::StatsNumberMissed})
        clearText(c);
    // "Best Time:" is empty again, so the next set's time is the best.
    m_bestSeconds.reset();
}

void DrillEngine::abandonSet() {
    enableButtonsAfterSet();
    if (m_awaitingEnter)
        resetTargetPanel();
    stopSetClock();
    m_setPresses = 0;
    stopHands();
    resetPicture();
    m_setRunning = false;
    startTimer(DrillTimer::BlinkTimer);
    clearText(C::LastCorrectKey);
    clearText(C::MissedTarget);
    clearText(C::TypedInstead);
    for (C image : {C::HitMark, C::MissedMark, C::TypedMark})
        setVisible(image, false);
    setText(C::Guidance, text(kPressSpaceToContinue));
    clearText(C::PressesSoFar);
    clearText(C::TargetPanel);
    clearText(C::SetSeconds);
}

void DrillEngine::leaveDrill() {
    resetTargetPanel();
    m_awaitingEnter = false;
    m_setRunning = false;
    m_drillWindowReady = false;
    stopAllTimers();
    m_view.closeRequested = true;
}

void DrillEngine::stopAllTimers() {
    stopSetClock();
    for (DrillTimer t : {DrillTimer::HandTimer, DrillTimer::BlinkTimer, DrillTimer::SetClockTimer,
                         DrillTimer::ReactionTimer})
        stopTimer(t);
}

void DrillEngine::clearErrorDisplay() {
    for (C panel : {C::TargetPanel, C::LastCorrectKey, C::StatsMissedTargets, C::StatsTypedInstead,
                    C::MissedTarget, C::TypedInstead})
        clearText(panel);
    for (C image : {C::HitMark, C::MissedMark, C::TypedMark})
        setVisible(image, false);
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

void DrillEngine::setTargetPanel(int width, const QString& caption) {
    m_view.target.width = width;
    m_view.target.left = centredLeft(kTargetBoxWidth, width);
    setText(C::TargetPanel, caption);
}

// ---- Time ----------------------------------------------------------------------------------

// Counts the whole seconds the clock says have passed since the set began and are not yet
// counted: each adds one to the set clock and to both seconds totals of the record.
void DrillEngine::bookElapsedSeconds() {
    if (!m_view.timer(DrillTimer::SetClockTimer).running)
        return;
    const std::int64_t elapsed = (now() - m_setStartedMs) / 1000;
    if (elapsed <= m_secondsBooked)
        return;
    StudentRecord& record = m_context.record;
    for (; m_secondsBooked < elapsed; ++m_secondsBooked) {
        m_setSeconds = m_setSeconds + 1 == kSetSecondsWrapAt ? 0 : m_setSeconds + 1;
        addToFigure(record, L::kBegSecondsCopy, 1);
        addToFigure(record, L::kBegSeconds, 1);
    }
    m_context.figures.sessionSetSeconds = toFixedPoint(m_setSeconds);
    setText(C::SetSeconds, QString::number(m_setSeconds));
}

// The set clock stops: what has passed is counted, and the time shows even for a set finished
// within its first second (as 0).
void DrillEngine::stopSetClock() {
    if (!m_view.timer(DrillTimer::SetClockTimer).running)
        return;
    bookElapsedSeconds();
    setText(C::SetSeconds, QString::number(m_setSeconds));
    stopTimer(DrillTimer::SetClockTimer);
}

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
    if (m_drillPaused) {
        const bool shown = m_view[C::PauseCaption].caption == text(kPause);
        setText(C::PauseCaption, shown ? QString() : text(kPause));
        return;
    }
    const bool empty = m_view[C::Guidance].caption.isEmpty();
    setText(C::Guidance, empty ? text(kPressSpaceToBegin) : QString());
}

void DrillEngine::setClockTick() {
    bookElapsedSeconds();
}

void DrillEngine::reactionTick() {
    if (m_view.timer(DrillTimer::ReactionTimer).running)
        m_keyTicks = reactionTicks(now() - m_targetShownMs);
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

// ---- Buttons -------------------------------------------------------------------------------

void DrillEngine::chooseSetLength(int length) {
    playSound(kSoundClick);
    m_setLength = length;
}

void DrillEngine::chooseLowerCaseOnly(bool on) {
    playSound(kSoundClick);
    m_lowerCaseOnly = on;
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
    m_ownKeys = result.keys;
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
    saveStudent(m_context.session, m_services.dialogs);
}

void DrillEngine::playSound(int code) {
    kf::playSound({m_context.record, m_context.folder, m_context.soundDevice}, m_services.sound,
                  code);
}

bool DrillEngine::beginnersSectionUsed() const {
    return m_context.sectionUsage.used(Section::BeginnersDrills);
}

void DrillEngine::markBeginnersSectionUsed() {
    m_context.sectionUsage.markUsed(Section::BeginnersDrills);
}

} // namespace kf
