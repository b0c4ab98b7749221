// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillWindow.h"

#include "core/ColourScheme.h"
#include "core/FolderFile.h"
#include "drills/DrillTexts.h"
#include "keyboard/KeyboardPictureFile.h"
#include "options/PreferencesDialog.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "progress/OpenChartsWindow.h"
#include "students/StudentSettings.h"
#include "widgets/MenuBarKey.h"
#include "widgets/PictureView.h"
#include "widgets/ProgramPictures.h"
#include "widgets/SchemePicture.h"
#include "widgets/TextColour.h"
#include "widgets/TranslatedText.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <utility>

namespace kf {

namespace {

// The hide/show buttons of the rows: which row, the hint while it is hidden, and the name while
// it shows (the hint then is the same for every row, and would name them all alike).
struct RowButton {
    DrillRow row;
    const char* name;
    const char* hiddenHint;
    const char* shownName;
};
constexpr std::array<RowButton, kDrillRowCount> kRowButtons = {{
    {DrillRow::LastCorrect, "SpeedButton1",
     QT_TRANSLATE_NOOP("DrillWindow", "Click to see Last Correct"),
     QT_TRANSLATE_NOOP("DrillWindow", "Hide Last Correct")},
    {DrillRow::Missed, "SpeedButton2",
     QT_TRANSLATE_NOOP("DrillWindow", "Click to see Missed Letters"),
     QT_TRANSLATE_NOOP("DrillWindow", "Hide Missed Letters")},
    {DrillRow::Typed, "SpeedButton3", QT_TRANSLATE_NOOP("DrillWindow", "Click to see Errors here"),
     QT_TRANSLATE_NOOP("DrillWindow", "Hide Errors")},
    {DrillRow::Instructions, "SpeedButton4",
     QT_TRANSLATE_NOOP("DrillWindow", "Click to see text description"),
     QT_TRANSLATE_NOOP("DrillWindow", "Hide text description")},
}};
constexpr const char* kShownRowHint = QT_TRANSLATE_NOOP("DrillWindow", "Hide this if Distracting");
constexpr const char* kSoundOnHint = QT_TRANSLATE_NOOP("DrillWindow", "Sound On");
constexpr const char* kSoundOffHint = QT_TRANSLATE_NOOP("DrillWindow", "Sound Off");
// The instructions' button keeps its first hint until its row is first hidden.
constexpr const char* kFirstInstructionsHint = "Click to Hide";

} // namespace

DrillWindow::DrillWindow(const DrillWindowState& state, Services& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_state(state)
    , m_services(services)
    , m_engine(state.drillContext(), services)
    , m_controls(buildDrillWindow(*this))
    , m_renderer(*this, *m_controls.targetPanel, m_controls.timers)
    , m_keyboardPicture(*m_controls.keyboard, *m_controls.cleanKeyboard)
    , m_announcer(*centralWidget(), *m_controls.keyboard, services.speech)
    , m_keyFilter(*this, m_engine, *m_controls.ownKeysEdit,
                  [this](const QList<DrillKey>& keys) { judgeKeys(keys); }) {
    connectControls();
    openMenuBarWithF10(*this);
    loadKeyboardPictures();
    // Each tick of Timer1 draws the next frame of the hands, with the key marks, on a fresh copy
    // of the keyboard picture.
    m_engine.setHandAnimation([this](HandAnimationState& hands) {
        return m_keyboardPicture.showHandFrame(
            hands, makeHandScene(m_state.currentKey, m_engine.awaitingEnter(),
                                 m_state.student.record, m_state.student.activity.largeFont));
    });
    for (const RowButton& b : kRowButtons)
        showRowButton(b.row);
    showSoundButton();
    render();
}

DrillWindow::~DrillWindow() = default;

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
// does not run in the window (see DrillViewRenderer); the engine keeps its state for what it
// reports.
void DrillWindow::reactionTick() {
    m_engine.reactionTick();
}

void DrillWindow::connectControls() {
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
    const DrillTimers& timers = m_controls.timers;
    connect(timers[0], &QTimer::timeout, this, &DrillWindow::handTick);
    connect(timers[1], &QTimer::timeout, this, &DrillWindow::blinkTick);
    connect(timers[2], &QTimer::timeout, this, &DrillWindow::setClockTick);
    connect(timers[3], &QTimer::timeout, this, &DrillWindow::reactionTick);
    connect(m_controls.openHelp, &QAction::triggered, this, [this] { openHelpClick(); });
    connect(m_controls.closeDrills, &QAction::triggered, this, [this] { exitLessonsClick(); });
}

// ---- Pictures ------------------------------------------------------------------------------

void DrillWindow::loadKeyboardPictures() {
    m_keyboardPicture.replace(loadKeyboardPicture(m_state.student.record, m_state.student.folder,
                                                  m_state.keyboardPicture),
                              m_services.dialogs);
}

void DrillWindow::showKeyboardImage() {
    m_keyboardPicture.show();
}

void DrillWindow::paintSchemePictures() {
    const SchemeColours scheme = schemeColours(m_state.student.record.colourScheme());
    for (const char* name : {"Image10", "Image3", "Image4", "Image8", "Image9", "Image11"})
        findChild<SchemePicture*>(QString::fromLatin1(name))->setSchemeColour(scheme.frame);
    setTextColour(findChild<QLabel*>(QStringLiteral("Label3")), QColor::fromRgb(scheme.drillTitle));
}

// ---- Showing and closing -------------------------------------------------------------------

void DrillWindow::showEvent(QShowEvent* event) {
    // Every key of this window comes to the drill first, whatever has the focus.
    m_keyFilter.start();
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
    m_speechAsked = false;
    m_engine.drillStart();
    render();
    if (m_engine.ownKeysDrill())
        m_controls.ownKeysEdit->setFocus();
    else
        centralWidget()->setFocus();
}

void DrillWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        m_keyFilter.stop();
}

void DrillWindow::closeEvent(QCloseEvent* event) {
    m_engine.stopAllTimers();
    if (m_speakKeys)
        m_services.speech.stop();
    render();
    event->accept();
    emit closed();
}

// ---- Keys and rendering --------------------------------------------------------------------

void DrillWindow::judgeKeys(const QList<DrillKey>& keys) {
    for (const DrillKey& key : keys) {
        m_engine.handleDrillKey(key);
        if (m_engine.view().closeRequested)
            break;
    }
    render();
}

void DrillWindow::render() {
    const DrillView& view = m_engine.view();
    m_renderer.renderControls(view);
    // While a set runs the focus rests on the drill area, whose name says each target.
    if (m_engine.setRunning() && focusWidget() != centralWidget())
        centralWidget()->setFocus();
    m_announcer.announce(m_engine, m_state.currentKey, speaking());
    m_keyboardPicture.followResets(view.pictureResets);
    m_renderer.renderTimers(view);
    if (view.closeRequested && isVisible())
        close();
}

void DrillWindow::setSpeakKeys(bool on) {
    if (m_speakKeys && !on)
        m_services.speech.stop();
    m_speakKeys = on;
    m_speechAsked = on;
}

// A running screen reader already says each target: the program's own voice would talk over
// it. The stored setting then stays silent; turning it on in this drill's Preferences speaks.
bool DrillWindow::speaking() const {
    return m_speakKeys && (m_speechAsked || !QAccessible::isActive());
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
    button->setIcon(
        QIcon(QPixmap::fromImage(folderFile::readPicture(m_state.student.folder.filePath(glyph)))));
    if (hidden || !hasUiToolTip(button, kFirstInstructionsHint))
        setUiToolTip(button, kDrillWindowContext, hidden ? b.hiddenHint : kShownRowHint);
    // A picture button is named by its hint, or while its row shows by what it hides.
    if (hidden)
        nameByToolTip(button);
    else
        setUiAccessibleName(button, kDrillWindowContext, b.shownName);
}

void DrillWindow::showSoundButton() {
    auto* button = findChild<QToolButton*>(QStringLiteral("SpeedButton9"));
    const bool on = m_state.student.record.flag(layout::kSoundOn);
    setUiToolTip(button, kDrillWindowContext, on ? kSoundOnHint : kSoundOffHint);
    nameByToolTip(button);
}

void DrillWindow::verifyOwnKeysClick() {
    const OwnKeysResult result = m_engine.verifyOwnKeys(m_controls.ownKeysEdit->text());
    if (!result.enough) {
        m_services.dialogs.information(QCoreApplication::translate(
            kDrillWindowContext,
            QT_TRANSLATE_NOOP("DrillWindow", "You need at least two characters to type.")));
        m_controls.ownKeysEdit->setFocus();
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
    hooks.closedDuringDrill = [this](int) { afterPreferences(); };
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

void DrillWindow::afterPreferences() {
    showSoundButton();
    applyHandDelay();
}

void DrillWindow::applyHandDelay() {
    m_engine.applyHandDelay();
    render();
}

} // namespace kf
