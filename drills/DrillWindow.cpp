// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillWindow.h"

#include "core/ColourScheme.h"
#include "drills/DrillCaption.h"
#include "drills/DrillKeyInput.h"
#include "drills/DrillLayout.h"
#include "drills/DrillWindowStyle.h"
#include "keyboard/KeyboardPictureFile.h"
#include "options/PreferencesDialog.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "progress/OpenChartsWindow.h"
#include "students/StudentSettings.h"
#include "widgets/PictureView.h"
#include "widgets/ProgramPictures.h"
#include "widgets/SchemePicture.h"
#include "widgets/TranslatedText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <utility>

namespace kf {

namespace {

using C = DrillControl;
using namespace begstyle;

// The hide/show buttons of the rows: which row, and the hint while it is hidden.
struct RowButton {
    DrillRow row;
    const char* name;
    const char* hiddenHint;
};
constexpr std::array<RowButton, kDrillRowCount> kRowButtons = {{
    {DrillRow::LastCorrect, "SpeedButton1",
     QT_TRANSLATE_NOOP("DrillWindow", "Click to see Last Correct")},
    {DrillRow::Missed, "SpeedButton2",
     QT_TRANSLATE_NOOP("DrillWindow", "Click to see Missed Letters")},
    {DrillRow::Typed, "SpeedButton3", QT_TRANSLATE_NOOP("DrillWindow", "Click to see Errors here")},
    {DrillRow::Instructions, "SpeedButton4",
     QT_TRANSLATE_NOOP("DrillWindow", "Click to see text description")},
}};
constexpr const char* kShownRowHint = QT_TRANSLATE_NOOP("DrillWindow", "Hide this if Distracting");
// The instructions' button keeps its first hint until its row is first hidden.
constexpr const char* kFirstInstructionsHint = "Click to Hide";
constexpr const char* kContext = "DrillWindow";

// Gives a control a new accessible name and description. Qt sends the name and description change
// events itself, only on a real change; a screen reader speaks a change on the focused control
// without the focus moving.
void setAccessibleText(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace

DrillWindow::DrillWindow(const DrillWindowState& state, Services& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_state(state)
    , m_services(services)
    , m_engine(state.drillContext(), services) {
    setObjectName(QStringLiteral("BegForm"));
    setUiWindowTitle(this, kContext,
                     QT_TRANSLATE_NOOP("DrillWindow", "Keyfarer Typing Tutor (Beginners Drills)"));
    setFont(windowFont());
    setProperty("helpFile", QString::fromLatin1(kHelpFile));
    setProperty("helpContext", 50);
    setAttribute(Qt::WA_InputMethodEnabled);
    buildWindow();
    cacheControls();
    connectButtons();
    loadKeyboardPictures();
    // Each tick of Timer1 draws the next frame of the hands, with the key marks, on a fresh copy
    // of the keyboard picture.
    m_engine.setHandAnimation([this](HandAnimationState& hands) {
        HandScene scene = makeHandScene(m_state.currentKey, m_engine.awaitingEnter(),
                                        m_state.student.record, m_state.student.activity.largeFont);
        scene.sprites = &m_handSprites;
        // Frame 1 draws the marks of a new target; frames 2 and 3 only move the hands.
        const bool marksDrawn = hands.handPhase <= 1 || !m_handsShown;
        std::swap(m_keyboard, m_spareKeyboard); // the shown frame stays as it is meanwhile
        const HandTimerOrder order = animateHands(hands, scene, m_keyboard, m_cleanKeyboard);
        const QRect handsNow = handsArea(hands, scene);
        if (marksDrawn)
            showKeyboardImage();
        else
            m_keyboardLabel->showPicture(m_keyboard, *m_handsShown | handsNow);
        m_handsShown = handsNow;
        return order;
    });
    for (const RowButton& b : kRowButtons)
        showRowButton(b.row);
    render();
}

DrillWindow::~DrillWindow() {
    if (m_filtering)
        qApp->removeEventFilter(this);
}

void DrillWindow::buildTimers() {
    const char* names[] = {"Timer1", "Timer2", "Timer3", "Timer4"};
    for (std::size_t i = 0; i < m_timers.size(); ++i) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(names[i]));
        m_timers[i] = timer;
    }
    // The set clock and the reaction clock only refresh what is shown, from the monotonic
    // clock; precise timers keep that refresh close to the second.
    m_timers[2]->setTimerType(Qt::PreciseTimer);
    m_timers[3]->setTimerType(Qt::PreciseTimer);
    connect(m_timers[0], &QTimer::timeout, this, &DrillWindow::handTick);
    connect(m_timers[1], &QTimer::timeout, this, &DrillWindow::blinkTick);
    connect(m_timers[2], &QTimer::timeout, this, &DrillWindow::setClockTick);
    connect(m_timers[3], &QTimer::timeout, this, &DrillWindow::reactionTick);
}

void DrillWindow::handTick() {
    m_engine.handTick();
    render();
}

void DrillWindow::blinkTick() {
    m_engine.blinkTick();
    render();
}

void DrillWindow::setClockTick() {
    m_engine.setClockTick();
    render();
}

// The reaction clock only counts: nothing on screen changes, so nothing is rendered. Its timer
// does not run in the window (see renderTimer); the engine keeps its state for what it reports.
void DrillWindow::reactionTick() {
    m_engine.reactionTick();
}

void DrillWindow::cacheControls() {
    for (std::size_t i = 0; i < kDrillControlCount; ++i) {
        m_controls[i] = findChild<QWidget*>(str(kDrillControlNames[i].objectName));
        Q_ASSERT_X(m_controls[i], "DrillWindow", kDrillControlNames[i].objectName.data());
        // Captions belong to labels and caption panels; the mark images hold pictures.
        if (!kDrillControlNames[i].objectName.starts_with("Image"))
            m_captions[i].label = qobject_cast<QLabel*>(m_controls[i]);
    }
}

void DrillWindow::connectButtons() {
    const auto onClick = [this](const char* name, auto handler) {
        auto* button = findChild<QAbstractButton*>(QString::fromLatin1(name));
        connect(button, &QAbstractButton::clicked, this, [this, handler] {
            handler();
            render();
        });
    };
    onClick("SpeedButton6", [this] { m_engine.chooseSetLength(10); });
    onClick("SpeedButton7", [this] { m_engine.chooseSetLength(20); });
    onClick("SpeedButton8", [this] { m_engine.chooseSetLength(30); });
    onClick("SpeedButton15", [this] { m_engine.chooseLowerCaseOnly(false); });
    onClick("SpeedButton16", [this] { m_engine.chooseLowerCaseOnly(true); });
    onClick("SpeedButton5", [this] { openOptions(OptionsPage::BeginnersIntermediate); });
    onClick("SpeedButton18", [this] { openOptions(OptionsPage::BeginnersIntermediate); });
    onClick("SpeedButton9", [this] { openOptions(OptionsPage::GlobalOptions); });
    onClick("SpeedButton11", [this] { openOptions(OptionsPage::GlobalOptions); });
    onClick("SpeedButton12", [this] { openCharts(); });
    onClick("SpeedButton13", [this] { showKeysOnKeyboard(true); });
    onClick("SpeedButton14", [this] { showKeysOnKeyboard(false); });
    onClick("SpeedButton17", [this] { exitLessonsClick(); });
    onClick("SpeedButton1", [this] { toggleRow(DrillRow::LastCorrect); });
    onClick("SpeedButton2", [this] { toggleRow(DrillRow::Missed); });
    onClick("SpeedButton3", [this] { toggleRow(DrillRow::Typed); });
    onClick("SpeedButton4", [this] { toggleRow(DrillRow::Instructions); });
    onClick("Button1", [this] { verifyOwnKeysClick(); });
    onClick("Button2", [this] { beginTypingClick(); });
    onClick("Button3", [this] { exitToMainMenuClick(); });
}

// ---- Pictures ------------------------------------------------------------------------------

void DrillWindow::loadKeyboardPictures() {
    KeyboardPicture picture = loadKeyboardPicture(m_state.student.record, m_state.student.folder,
                                                  m_state.keyboardPicture);
    switch (picture.status) {
    case KeyboardPicture::Status::Loaded:
        break;
    case KeyboardPicture::Status::FellBack:
        m_services.dialogs.information(picture.message);
        break;
    case KeyboardPicture::Status::Unchanged:
        return;
    case KeyboardPicture::Status::Missing:
    case KeyboardPicture::Status::FolderGone:
        m_services.dialogs.error(picture.message);
        if (!m_cleanKeyboard.isNull())
            return;
        // Without any keyboard picture the drill still runs, over a blank one.
        picture.image = QImage(kKeyboardPictureSize, QImage::Format_RGB32);
        picture.image.fill(kPaperColour);
        break;
    }
    m_cleanKeyboard = picture.image;
    m_keyboard = picture.image;
    m_cleanKeyboardLabel->setPixmap(QPixmap::fromImage(m_cleanKeyboard));
    showKeyboardImage();
}

void DrillWindow::showKeyboardImage() {
    // Only what changed since the last frame is repainted.
    m_handsShown.reset();
    m_keyboardLabel->showPicture(m_keyboard);
}

void DrillWindow::paintSchemePictures() {
    const SchemeColours scheme = schemeColours(m_state.student.record.colourScheme());
    for (const char* name : {"Image10", "Image3", "Image4", "Image8", "Image9", "Image11"})
        findChild<SchemePicture*>(QString::fromLatin1(name))->setSchemeColour(scheme.frame);
    setTextColour(findChild<QLabel*>(QStringLiteral("Label3")), QColor::fromRgb(scheme.drillTitle));
}

// ---- Showing and closing -------------------------------------------------------------------

void DrillWindow::showEvent(QShowEvent* event) {
    if (!m_filtering) {
        // Every key of this window comes to the drill first, whatever has the focus.
        qApp->installEventFilter(this);
        m_filtering = true;
    }
    QMainWindow::showEvent(event);
    if (!m_shownOnce && !event->spontaneous()) {
        m_shownOnce = true;
        firstShown();
    }
}

void DrillWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    retranslate(this);
    // The drill's own texts (title, instructions, captions) come from the engine.
    render();
}

void DrillWindow::firstShown() {
    auto* heading = findChild<QLabel*>(QStringLiteral("Label1"));
    setTextColour(heading, Qt::black);
    heading->raise();
    findChild<QLabel*>(QStringLiteral("Label3"))->raise();
    paintSchemePictures();
    m_speakKeys =
        StudentSettings(m_state.student.folder.path(), m_state.student.currentUserName).speakKeys();
    m_engine.drillStart();
    render();
    if (m_engine.ownKeysDrill())
        m_ownKeysEdit->setFocus();
    else
        centralWidget()->setFocus();
}

void DrillWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (m_filtering && !event->spontaneous()) {
        qApp->removeEventFilter(this);
        m_filtering = false;
    }
}

void DrillWindow::closeEvent(QCloseEvent* event) {
    m_engine.stopAllTimers();
    if (m_speakKeys)
        m_services.speech.stop();
    render();
    event->accept();
    emit closed();
}

// ---- Keys ----------------------------------------------------------------------------------

bool DrillWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::InputMethod &&
        type != QEvent::InputMethodQuery)
        return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || receiver->window() != this)
        return false;
    if (type == QEvent::InputMethodQuery)
        return answerInputMethodQuery(receiver, event);
    return handleKeyEvent(receiver, event);
}

// Dead keys and compose sequences reach a widget only when it accepts input methods, so every
// control of this window says it does; the own-keys field answers for itself.
bool DrillWindow::answerInputMethodQuery(QWidget* receiver, QEvent* event) {
    if (receiver->testAttribute(Qt::WA_InputMethodEnabled) && receiver != this &&
        receiver != centralWidget())
        return false;
    auto* query = static_cast<QInputMethodQueryEvent*>(event);
    if (query->queries() & Qt::ImEnabled)
        query->setValue(Qt::ImEnabled, true);
    if (query->queries() & Qt::ImHints)
        query->setValue(Qt::ImHints, static_cast<int>(Qt::ImhNone));
    if (query->queries() & Qt::ImCursorRectangle)
        query->setValue(Qt::ImCursorRectangle, QRect());
    query->accept();
    return true;
}

// Every key press and input-method text of this window is the drill's first, and only once:
// the filter always takes the event, and hands it on to the control it was meant for only
// where that control should have it too (typing into the own-keys field; keys without a drill
// meaning, such as Tab between the own-keys buttons, while no set runs). Space, Enter and
// Escape never reach a button.
bool DrillWindow::handleKeyEvent(QWidget* receiver, QEvent* event) {
    const bool intoEdit = receiver == m_ownKeysEdit && m_ownKeysEdit->isVisible();
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool drillKey = key == Qt::Key_Space || key == Qt::Key_Escape ||
                              key == Qt::Key_Return || key == Qt::Key_Enter;
        return drillKey && !intoEdit;
    }

    QList<DrillKey> keys;
    bool byKey = false; // Space, Enter or Escape
    bool escape = false;
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        keys = drillKeysOf(*keyEvent);
        escape = keyEvent->key() == Qt::Key_Escape;
        byKey = escape || keyEvent->key() == Qt::Key_Space || keyEvent->key() == Qt::Key_Return ||
                keyEvent->key() == Qt::Key_Enter;
    } else {
        keys = drillKeysOf(*static_cast<QInputMethodEvent*>(event));
    }
    // Enter may also press a focused button of the own-keys panel, which shows only while no
    // set runs; Space may not.
    const bool enter = byKey && !escape && keys.size() == 1 && keys.first().is(DrillKey::kEnter);
    const bool ownKeysButton = qobject_cast<QPushButton*>(receiver) &&
                               m_controls[static_cast<std::size_t>(C::OwnKeysPanel)]->isVisible();
    // Enter presses a tool button that Tab reached, while no set runs.
    auto* toolButton =
        enter && !m_engine.setRunning() ? qobject_cast<QToolButton*>(receiver) : nullptr;
    const bool handOn = !escape && (intoEdit || (enter && ownKeysButton) ||
                                    (!byKey && (keys.isEmpty() || !m_engine.setRunning())));
    judgeKeys(keys);
    if (toolButton && toolButton->isEnabled() && !m_engine.view().closeRequested)
        toolButton->click();
    if (handOn && !m_engine.view().closeRequested) {
        // Straight to the control: the application's filters, this one included, have run.
        static_cast<QObject*>(receiver)->event(event);
    }
    // Taken: the event must not travel on to the parents and come back here.
    event->accept();
    return true;
}

void DrillWindow::judgeKeys(const QList<DrillKey>& keys) {
    for (const DrillKey& key : keys) {
        m_engine.handleDrillKey(key);
        if (m_engine.view().closeRequested)
            break;
    }
    render();
}

// ---- Rendering -----------------------------------------------------------------------------

void DrillWindow::render() {
    const DrillView& view = m_engine.view();
    for (std::size_t i = 0; i < kDrillControlCount; ++i) {
        QWidget* w = m_controls[i];
        const ControlView& c = view.controls[i];
        if (ShownCaption& shown = m_captions[i]; shown.label) {
            if (c.caption != shown.caption || shown.label->text() != shown.text) {
                shown.caption = c.caption;
                shown.text = displayedCaption(c.caption);
                shown.label->setText(shown.text);
            }
        }
        if (w->isHidden() == c.visible)
            w->setVisible(c.visible);
        if (w->isEnabledTo(w->parentWidget()) != c.enabled)
            w->setEnabled(c.enabled);
    }
    renderTargetPanel();
    // While a set runs the focus rests on the drill area, whose name says each target.
    if (m_engine.setRunning() && focusWidget() != centralWidget())
        centralWidget()->setFocus();
    announce();
    if (view.pictureResets != m_pictureResets) {
        m_pictureResets = view.pictureResets;
        m_keyboard = m_cleanKeyboard;
        showKeyboardImage();
    }
    for (std::size_t i = 0; i < m_timers.size(); ++i)
        renderTimer(m_timers[i], static_cast<DrillTimer>(i));
    if (view.closeRequested && isVisible())
        close();
}

void DrillWindow::renderTargetPanel() {
    const TargetPanelView& t = m_engine.view().target;
    if (t.left != m_shownTarget.left || t.width != m_shownTarget.width)
        m_targetPanel->setGeometry(t.left, kTargetPanelTop, t.width, kTargetPanelHeight);
    if (t.fontSize != m_shownTarget.fontSize) {
        const QFont font = courier(t.fontSize, true);
        m_targetPanel->setFont(font);
    }
    if (t.fontColour != m_shownTarget.fontColour)
        setTextColour(m_targetPanel, QColor::fromRgb(t.fontColour));
    m_shownTarget = t;
}

// The focused drill area says what a sighted student reads on the screen, and the keyboard
// picture what is marked on it; spoken guidance reads each new target aloud.
void DrillWindow::announce() {
    DrillAnnouncement now = announceDrill(m_engine, m_state.currentKey);
    if (now == m_announced)
        return;
    setAccessibleText(centralWidget(), now.name, now.description);
    setAccessibleText(m_keyboardLabel, QCoreApplication::translate("DrillWindow", "Keyboard"),
                      keyboardPictureDescription(m_engine, m_state.currentKey));
    const bool newTarget = now.phase == DrillAnnouncement::Phase::Target &&
                           (m_announced.phase != now.phase || m_announced.name != now.name);
    if (newTarget && m_speakKeys)
        m_services.speech.say(now.speech);
    m_announced = std::move(now);
}

void DrillWindow::setSpeakKeys(bool on) {
    if (m_speakKeys && !on)
        m_services.speech.stop();
    m_speakKeys = on;
}

void DrillWindow::renderTimer(QTimer* timer, DrillTimer which) {
    // The reaction clock is read from the monotonic clock when a key is scored, and its ticks
    // change nothing on screen: the window does not wake 18 times a second for them.
    if (which == DrillTimer::ReactionTimer)
        return;
    const TimerView& v = m_engine.view().timer(which);
    std::uint64_t& seen = m_timerStarts[static_cast<std::size_t>(which)];
    if (!v.running) {
        if (timer->isActive())
            timer->stop();
    } else if (!timer->isActive() || v.starts != seen) {
        timer->start(v.intervalMs);
    } else if (timer->interval() != v.intervalMs) {
        timer->setInterval(v.intervalMs);
    }
    if (timer->interval() != v.intervalMs && !v.running)
        timer->setInterval(v.intervalMs);
    seen = v.starts;
}

// ---- Buttons and menu ----------------------------------------------------------------------

void DrillWindow::toggleRow(DrillRow row) {
    m_engine.toggleRow(row);
    showRowButton(row);
}

void DrillWindow::showRowButton(DrillRow row) {
    const RowButton& b = kRowButtons[static_cast<std::size_t>(row)];
    auto* button = findChild<QToolButton*>(QString::fromLatin1(b.name));
    const bool hidden = m_engine.rowHidden(row);
    const QString glyph = QString::fromLatin1(hidden ? kUpGlyph : kDownGlyph);
    // A missing glyph file leaves the button without a picture.
    button->setIcon(QIcon(QPixmap(m_state.student.folder.filePath(glyph))));
    if (hidden || !hasUiToolTip(button, kFirstInstructionsHint))
        setUiToolTip(button, kContext, hidden ? b.hiddenHint : kShownRowHint);
    // A picture button is named by its hint.
    nameByToolTip(button);
}

void DrillWindow::verifyOwnKeysClick() {
    const OwnKeysResult result = m_engine.verifyOwnKeys(m_ownKeysEdit->text());
    if (!result.enough) {
        m_services.dialogs.information(QCoreApplication::translate(
            kContext,
            QT_TRANSLATE_NOOP("DrillWindow", "You need at least two characters to type.")));
        m_ownKeysEdit->setFocus();
    }
}

void DrillWindow::beginTypingClick() {
    m_engine.beginOwnKeys();
    centralWidget()->setFocus();
}

void DrillWindow::exitToMainMenuClick() {
    m_engine.leaveDrill();
}

void DrillWindow::openHelpClick() {
    if (m_state.student.folder.exists(QString::fromLatin1(kHelpFile)))
        m_services.shell.openFile(m_state.student.folder.filePath(QString::fromLatin1(kHelpFile)),
                                  Shell::Window::Normal);
}

void DrillWindow::exitLessonsClick() {
    m_engine.stopAllTimers();
    render();
    close();
}

void DrillWindow::showKeysOnKeyboard(bool shown) {
    m_state.student.record.setFlag(layout::kCharactersShown, shown);
    loadKeyboardPictures();
}

void DrillWindow::openOptions(OptionsPage page) {
    if (m_openOptions)
        m_openOptions(*this, page);
    else
        openPreferences(page);
}

// The options window, on top of the drill, when no opener was given (the main window gives one,
// so that Preferences acts on whichever window the activity names and outlives this one).
// Alone, a new colour scheme repaints this window, showing or hiding the characters reloads its
// keyboard pictures, and closing it hands the hand delay to Timer1.
void DrillWindow::openPreferences(OptionsPage page) {
    OptionsHooks hooks;
    hooks.schemeChanged = [this] { paintSchemePictures(); };
    hooks.charactersShownChanged = [this] { loadKeyboardPictures(); };
    hooks.closedDuringDrill = [this](int) { applyHandDelay(); };
    hooks.speakKeysChanged = [this](bool on) { setSpeakKeys(on); };
    kf::openOptions(m_state.student, m_services, std::move(hooks), page, this);
}

void DrillWindow::openCharts() {
    if (m_openCharts) {
        m_openCharts(*this);
        return;
    }
    ChartsHooks hooks;
    hooks.drillWindowReloadRequested = [this] { studentReplaced(); };
    // The report's list names the viewed student on the main window's user line even now.
    hooks.userLineNameChanged = [this](const QString& name) { emit userLineNameChanged(name); };
    openChartsWindow(m_state.student, m_services, this, hooks);
}

void DrillWindow::studentReplaced() {
    m_engine.clearStatistics();
    loadKeyboardPictures();
    render();
}

void DrillWindow::applyHandDelay() {
    m_engine.applyHandDelay();
    render();
}

} // namespace kf
