// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/FolderWait.h"
#include "app/Globals.h"
#include "app/LanguageMenu.h"
#include "app/NationalityMenu.h"
#include "app/SessionClose.h"
#include "app/SoundCheck.h"
#include "app/UserPanels.h"
#include "core/ColourScheme.h"
#include "core/TranslationContext.h"
#include "core/WorkingFolder.h"
#include "keyboard/KeyboardPictureFile.h"
#include "overview/ClassOverviewWindow.h"
#include "platform/Dialogs.h"
#include "platform/EventSounds.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "progress/OpenChartsWindow.h"
#include "widgets/ClickableLabel.h"
#include "widgets/MenuBarKey.h"
#include "widgets/ProgramPictures.h"
#include "widgets/SchemePicture.h"
#include "widgets/SpokenNotice.h"
#include "widgets/TranslatedText.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace kf {

namespace {

constexpr const char* kContext = "MainWindow";
constexpr const char* kUserLine = QT_TRANSLATE_NOOP("MainWindow", "User = ");
constexpr int kBlinkToggles = 3;

const QString kWebSite = QStringLiteral("https://keyfarer.example.org/");
// Beside the shipped pictures, in a folder of its own so that it is not copied into working
// folders.
const QString kGuideFile = QStringLiteral("doc/guide.html");

constexpr const char* kWelcome = QT_TRANSLATE_NOOP(
    "MainWindow", "Welcome To Keyfarer!. If you are a new user, close this box and click the \"New "
                  "User\" link above to create a user file.");

constexpr TranslationContext text{kContext};

// The dots per inch the screen reports. Qt scales its logical pixels to 96 per inch, so the
// screen's own figure is the logical one times the device pixel ratio.
int screenDotsPerInch(const QScreen* screen) {
    if (screen == nullptr)
        return 96;
    return int(std::lround(screen->logicalDotsPerInch() * screen->devicePixelRatio()));
}

} // namespace

MainWindow::MainWindow(Globals& globals, Services& services, QWidget* parent)
    : QMainWindow(parent)
    , m_globals(globals)
    , m_services(services)
    , m_drillHost(std::make_unique<DrillWindowHost>(*this, globals, services)) {
    setObjectName(QStringLiteral("Form1"));
    setUiWindowTitle(
        this, kContext,
        QT_TRANSLATE_NOOP("MainWindow", "Keyfarer Typing Tutor -- Learn the Keyboard"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    openMenuBarWithF10(*this);
    m_notice = std::make_unique<SpokenNotice>(*this);

    m_globals.activity.largeFont = isLargeFontScreen(screenDotsPerInch(screen()));
    m_globals.activity.activity = ActivityCode::MainWindow;

    m_menu = buildMainMenu(*menuBar());
    buildControls();
    m_userPanels = new UserPanels(*this, m_globals, m_services);
    connect(m_userPanels, &UserPanels::chartsWindowRequested, this, [this] {
        ChartsHooks hooks;
        hooks.userLineNameChanged = [this](const QString& name) { showUserName(name); };
        hooks.practiseKeys = [this](const QString& keys) { practiseKeys(keys); };
        openChartsWindow(m_globals.student(), m_services, this, hooks);
    });
    connect(m_menu.troubleKeys, &QAction::triggered, this, &MainWindow::openTroubleKeys);
    connect(m_menu.classOverview, &QAction::triggered, this, &MainWindow::openClassOverview);
    connectMenu();
    layOutAtStart();

    m_globals.currentUserName.clear();
    m_globals.record.applyCreateDefaults();
    checkSoundAtStart(m_globals, m_services);
    // Nothing has been typed in this run yet.
    m_globals.drillSession = DrillSessionFigures{};
    m_globals.sectionUsage.beginSession();
}

MainWindow::~MainWindow() {
    // A drill window still open goes first, while all it may call back into is here.
    m_drillHost.reset();
}

void MainWindow::connectMenu() {
    for (std::size_t i = 0; i < m_menu.drills.size(); ++i) {
        const auto kind = static_cast<DrillKind>(i);
        connect(m_menu.drills[i], &QAction::triggered, this, [this, kind] { beginDrill(kind); });
    }
    connect(m_menu.beginners, &QMenu::aboutToShow, this,
            [this] { adjustBeginnersMenu(m_menu, m_globals.record.nationalityCode()); });
    // The nationality and language menus' own parts are children of this window.
    new NationalityMenu(*this, m_globals, m_services);
    m_languageMenu =
        new LanguageMenu(m_menu, m_globals, m_services.speech, m_services.dialogs, this);
    connect(m_menu.contents, &QAction::triggered, this, [this] {
        if (m_globals.folder.exists(QString::fromLatin1(kHelpFile)))
            m_services.shell.openFile(m_globals.folder.filePath(QString::fromLatin1(kHelpFile)),
                                      Shell::Window::Normal);
    });
    connect(m_menu.guide, &QAction::triggered, this, [this] {
        m_services.shell.openFile(QDir(WorkingFolder::shippedFilesLocation()).filePath(kGuideFile),
                                  Shell::Window::Normal);
    });
    connect(m_menu.webSite, &QAction::triggered, this,
            [this] { m_services.shell.openUrl(kWebSite); });
    connect(m_menu.about, &QAction::triggered, this, [this] {
        auto* about = new AboutDialog(m_globals.folder, this);
        about->setModal(true);
        about->show();
    });
}

void MainWindow::setDrillWindowFactory(DrillWindowFactory factory) {
    m_drillHost->setFactory(std::move(factory));
}

ClickableLabel& MainWindow::link(UserLink which) const {
    return *m_links[static_cast<std::size_t>(which)];
}

QLabel& MainWindow::userLine() const {
    return *m_userLine;
}

void MainWindow::showUserName(const QString& name) {
    m_userLineName = name;
    m_userLine->setText(text(kUserLine) + name);
}

void MainWindow::greetCurrentUser() {
    for (UserLink next : {UserLink::LastLesson, UserLink::YourStats, UserLink::Preferences}) {
        ClickableLabel& shown = link(next);
        if (shown.isVisible() && shown.isEnabled()) {
            shown.setFocus();
            break;
        }
    }
    m_notice->say(m_userLine->text());
}

QFrame& MainWindow::newUserPanel() const {
    return *m_newUserPanel;
}

QFrame& MainWindow::selectUserPanel() const {
    return *m_selectUserPanel;
}

void MainWindow::applyLinksOn() {
    for (UserLink l :
         {UserLink::NewUser, UserLink::SelectUser, UserLink::YourStats, UserLink::Preferences})
        link(l).setEnabled(true);
}

void MainWindow::applyLinksOff() {
    for (ClickableLabel* l : m_links)
        l->setEnabled(false);
}

void MainWindow::applyMenusOn() {
    for (QMenu* menu : {m_menu.beginners, m_menu.additional, m_menu.help})
        menu->menuAction()->setEnabled(true);
    m_menu.nationality->menuAction()->setEnabled(true);
    m_menu.troubleKeys->setEnabled(true);
}

void MainWindow::applyMenusOff() {
    for (QMenu* menu : {m_menu.lessons, m_menu.beginners, m_menu.intermediate, m_menu.advanced,
                        m_menu.tests, m_menu.help})
        menu->menuAction()->setEnabled(false);
    // The nationality belongs to a student's record; the class overview needs no student.
    m_menu.nationality->menuAction()->setEnabled(false);
    m_menu.troubleKeys->setEnabled(false); // a student's keys: none is chosen
    m_menu.additional->menuAction()->setEnabled(true);
}

void MainWindow::openClassOverview() {
    if (m_classOverview) {
        m_classOverview->raise();
        m_classOverview->activateWindow();
        return;
    }
    auto* overview = ClassOverviewWindow::open(m_globals.folder, m_services, this);
    connect(overview, &ClassOverviewWindow::reportRequested, this, &MainWindow::openReportOf);
    m_classOverview = overview;
}

// The report's own list does the viewing, so a student opened from the overview is viewed exactly
// as one chosen there.
void MainWindow::openReportOf(const QString& name) {
    ChartsHooks hooks;
    hooks.userLineNameChanged = [this](const QString& student) { showUserName(student); };
    hooks.reportOf = name;
    hooks.practiseKeys = [this](const QString& keys) { practiseKeys(keys); };
    openChartsWindow(m_globals.student(), m_services, this, hooks);
}

void MainWindow::stopHintBlink() {
    m_hintBlinkTimer->stop();
    m_hint->hide();
}

void MainWindow::setKeyboardPicture(QImage picture) {
    const QSize size = picture.size();
    // The label's picture is the only copy kept.
    m_keyboardLabel->setPixmap(QPixmap::fromImage(std::move(picture)));
    m_keyboardLabel->resize(size);
}

QImage MainWindow::keyboardPicture() const {
    return m_keyboardLabel->pixmap().toImage();
}

bool MainWindow::showKeyboardPicture(const QString& fellBackMessage) {
    const KeyboardPicture result =
        loadKeyboardPicture(m_globals.record, m_globals.folder, m_globals.keyboardPicture);
    switch (result.status) {
    case KeyboardPicture::Status::Loaded:
        setKeyboardPicture(result.image);
        m_fallbackTold = false;
        break;
    case KeyboardPicture::Status::Unchanged:
        break;
    case KeyboardPicture::Status::FellBack:
        setKeyboardPicture(result.image);
        if (!m_fallbackTold) {
            m_fallbackTold = true;
            m_services.dialogs.information(fellBackMessage.isEmpty() ? result.message
                                                                     : fellBackMessage);
        }
        break;
    case KeyboardPicture::Status::FolderGone:
        // The picture shown stays, and so does the session: only the folder is gone.
        m_services.dialogs.error(result.message);
        break;
    case KeyboardPicture::Status::Missing:
        m_services.dialogs.error(result.message);
        close();
        return false;
    }
    return true;
}

QRgb MainWindow::schemeColour() const {
    return schemeColours(m_globals.record.colourScheme()).frame;
}

void MainWindow::repaintSchemePictures() {
    for (SchemePicture* picture : {m_titlePicture, m_leftPicture, m_rightPicture})
        picture->setSchemeColour(schemeColour());
}

void MainWindow::paintUserPanelBackgrounds() {
    for (SchemePicture* picture : {m_newUserPicture, m_selectUserPicture})
        picture->setSchemeColour(schemeColour());
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        activated();
    return handled;
}

void MainWindow::activated() {
    if (m_activatedOnce) {
        showKeyboardPicture();
        return;
    }
    // Marked first: a message box shown below activates the window again when it closes.
    m_activatedOnce = true;
    if (showKeyboardPicture())
        openRoster();
}

void MainWindow::openRoster() {
    applyMenusOff();
    applyLinksOff();
    if (!Roster(m_globals.folder).hasStudentFiles()) {
        m_services.dialogs.information(text(kWelcome));
        link(UserLink::NewUser).setEnabled(true);
        // The one link to follow has the focus, so Enter follows it.
        link(UserLink::NewUser).setFocus();
        m_blinkCount = 0;
        m_hintBlinkTimer->start();
    } else {
        // A new name stays possible: the others may all be held by copies running elsewhere.
        link(UserLink::NewUser).setEnabled(true);
        link(UserLink::SelectUser).setEnabled(true);
        link(UserLink::SelectUser).setFocus();
    }
}

void MainWindow::blinkTick() {
    m_hint->setVisible(m_hint->isHidden());
    if (++m_blinkCount >= kBlinkToggles)
        m_hintBlinkTimer->stop();
}

void MainWindow::linkClicked() {
    stopHintBlink();
    playSound(m_globals.soundSettings(), m_services.sound, kSoundClick);
}

void MainWindow::beginDrill(DrillKind kind) {
    m_globals.activity.selectDrill(kind);
    playSound(m_globals.soundSettings(), m_services.sound, kSoundClick);
    m_drillHost->openDrillWindow();
}

void MainWindow::openPreferences(std::optional<OptionsPage> page) {
    m_drillHost->openPreferences(page);
}

void MainWindow::preferencesSchemeChanged() {
    repaintSchemePictures();
    paintUserPanelBackgrounds();
}

void MainWindow::preferencesCharactersShownChanged() {
    showKeyboardPicture();
}

void MainWindow::setInterfaceLanguage(InterfaceLanguage* language) {
    m_languageMenu->setInterfaceLanguage(language);
}

void MainWindow::applyStudentLanguage() {
    m_languageMenu->applyStudentLanguage();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    retranslate(this);
    if (!m_userLine->text().isEmpty())
        showUserName(m_userLineName);
    for (ClickableLabel* link : m_links)
        link->adjustSize();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    repaintSchemePictures();
    // Shown by the program (at start, or back from a drill) the window takes the focus; without
    // a window manager nothing else would activate it, and the roster opens on activation.
    if (!event->spontaneous())
        activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A change of student on its way ends first; the window closes on the student it leaves.
    if (FolderWait& wait = m_userPanels->folderWait(); wait.waiting()) {
        event->ignore();
        connect(&wait, &FolderWait::over, this, &QWidget::close,
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection |
                                                Qt::UniqueConnection));
        return;
    }
    closeStudentSession(m_globals.session, m_services.dialogs);
    event->accept();
}

} // namespace kf
