// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDialog.h"
#include "app/Globals.h"
#include "app/MainWindow.h"
#include "core/ColourScheme.h"
#include "drills/DrillWindow.h"
#include "options/PreferencesDialog.h"
#include "platform/EventSounds.h"
#include "platform/Services.h"
#include "students/RecordLayout.h"
#include "tests/app/MainWindowNames.h"
#include "tests/common/FileBytes.h"
#include "tests/common/TestWorkingFolder.h"
#include "widgets/ClickableLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace kf;

namespace {

const QString kWelcome = QStringLiteral(
    "Welcome To Keyfarer!. If you are a new user, close this box and click the \"New User\" link "
    "above to create a user file.");
const QString kSoundFilesMissing =
    QStringLiteral("One or more of the sound files cannot be found. You may need to reinstall "
                   "Keyfarer to restore the wave files.");
const QString kFellBack = QStringLiteral(
    "If you are using one of the International Keyboards, it was not found. From the opening "
    "screen menu, select Additional/Keyboard Nationality to restore the keyboard. If this does "
    "not work, you may have to reinstall Keyfarer.");
const QString kPicturesMissing = QStringLiteral(
    "One or more of the keyboard files are missing. You may need to reinstall Keyfarer.");

using test::kLinkNames;
using test::kMenuTitles;

// The services and shared state one main window needs, over a temporary working folder that
// holds the English US pictures and the sounds unless a test says otherwise.
struct Fixture : test::TestWorkingFolder {
    explicit Fixture(int soundDevices = 1, bool withFiles = true)
        : TestWorkingFolder(soundDevices)
        , ok(!withFiles || provideStartFiles()) {}
    std::unique_ptr<MainWindow> makeForm() {
        return std::make_unique<MainWindow>(globals, services);
    }

    bool ok;
};

void activate(QWidget& window) {
    QEvent event(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &event);
}

QMenu* topMenu(const MainWindow& form, const QString& title) {
    for (QAction* action : form.menuBar()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

// The entry at a path of captions such as "A&dditional/&Games/&Saucer".
QAction* menuEntry(const MainWindow& form, const QString& path) {
    const QStringList parts = path.split(u'/');
    QList<QAction*> actions = form.menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& part : parts) {
        found = nullptr;
        for (QAction* action : actions) {
            if (!action->isSeparator() && action->text() == part) {
                found = action;
                break;
            }
        }
        if (found == nullptr)
            return nullptr;
        actions = found->menu() ? found->menu()->actions() : QList<QAction*>{};
    }
    return found;
}

QStringList captions(const QMenu& menu) {
    QStringList out;
    for (const QAction* action : menu.actions())
        out.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return out;
}

QList<bool> linksEnabled(const MainWindow& form) {
    QList<bool> out;
    for (const QString& name : kLinkNames)
        out.append(form.findChild<QLabel*>(name)->isEnabled());
    return out;
}

// Without a student only "A&dditional" is open, for the class overview.
const QList<bool> kMenusWithoutStudent = {false, false, false, false, true, false, false};

QList<bool> menusEnabled(const MainWindow& form) {
    QList<bool> out;
    for (const QString& title : kMenuTitles)
        out.append(topMenu(form, title)->menuAction()->isEnabled());
    return out;
}

using test::readBytes;

QRect placeIn(const QWidget& widget, const QWidget& client) {
    return QRect(widget.mapTo(&client, QPoint(0, 0)), widget.size());
}

// The child started by largeFontFlag(): builds a main window on the screen it was given and
// prints the large-font flag.
int reportLargeFont() {
    Fixture f;
    const auto form = f.makeForm();
    std::printf("largeFont=%d\n", f.globals.activity.largeFont ? 1 : 0);
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(kf::DrillKind)

class tst_MainWindow : public QObject {
    Q_OBJECT

private slots:
    void windowIsFixedAndCaptioned();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void largeFontFlag_data();
    void largeFontFlag();
    void startupGivesTheRecordItsDefaults();
    void soundFileCheck_data();
    void soundFileCheck();
    void welcomeAppearsOnceOnTheFirstActivation();
    void hintBlinksThreeTimesThenStays();
    void studentFileEnablesSelectUserAndNewUser_data();
    void studentFileEnablesSelectUserAndNewUser();
    void linkAndMenuSets();
    void linkHoverColours();
    void linkClickStopsTheHintAndClicks();
    void menuCaptions_data();
    void menuCaptions();
    void menuEntriesEnabledAsDesigned_data();
    void menuEntriesEnabledAsDesigned();
    void beginnersMenuFollowsNationality_data();
    void beginnersMenuFollowsNationality();
    void nationalityMenuChecksTheCurrentOne_data();
    void nationalityMenuChecksTheCurrentOne();
    void nationalitySavesOnlyAWholeStudentFile_data();
    void nationalitySavesOnlyAWholeStudentFile();
    void missingNationalPictureFallsBackAndTellsOnce();
    void fallbackIsToldAgainAfterAGoodLoad();
    void missingKeyboardPicturesCloseTheWindow();
    void folderGoneWhileRunningIsToldOnceAndKeepsTheSession_data();
    void folderGoneWhileRunningIsToldOnceAndKeepsTheSession();
    void showPaintsTheFramesInTheScheme();
    void beginnersDrillDispatch_data();
    void beginnersDrillDispatch();
    void dispatchWithoutADrillWindowStaysHere();
    void spokenGuidanceTurnedOnInTheDrillSpeaksAtOnce();
    void contentsOpensTheHelpFileOnlyWhenThere_data();
    void contentsOpensTheHelpFileOnlyWhenThere();
    void guideOpensFromTheShippedFiles();
    void webSiteOpensInTheShell();
    void aboutBox();
    void closeSavesTheStudentFile();
    void closeReportsAFailedSave();
    void closeAsksToTryAgainWhenWritingAGoneFileAnewFails();
};

void tst_MainWindow::windowIsFixedAndCaptioned() {
    Fixture f;
    QVERIFY(f.ok);
    const auto form = f.makeForm();
    QCOMPARE(form->windowTitle(), QStringLiteral("Keyfarer Typing Tutor -- Learn the Keyboard"));
    // The client area under the menu bar is 800 x 600, and the window cannot be resized.
    QCOMPARE(form->centralWidget()->size(), QSize(800, 600));
    QCOMPARE(form->width(), 800);
    QCOMPARE(form->height(), 600 + form->menuBar()->height());
    QCOMPARE(form->minimumSize(), form->size());
    QCOMPARE(form->maximumSize(), form->size());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
}

void tst_MainWindow::controlsSitWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("expected"); // an empty size checks the place only

    // The places worked out by hand for an 800 x 600 client area. The user panels (294 x 220
    // and 294 x 318) are centred: left (800 - 294) / 2 = 253, tops 190 and 141.
    struct Place {
        const char* name;
        QRect rect;
    };
    auto rows = [](QSize pic, const char* tag, std::initializer_list<Place> aroundThePicture) {
        std::initializer_list<Place> fixed = {
            {"ImageLogo", QRect(42, 12, 499, 233)},      {"Image7", QRect(671, 28, 28, 22)},
            {"Panel1", QRect(253, 190, 294, 220)},       {"Image5", QRect(253, 190, 294, 220)},
            {"Panel2", QRect(253, 141, 294, 318)},       {"Image6", QRect(253, 141, 294, 318)},
            {"LabelNewUser", QRect(538, 21, 0, 0)},      {"LabelSelectUser", QRect(555, 68, 0, 0)},
            {"LabelLastLesson", QRect(568, 113, 0, 0)},  {"LabelYourStats", QRect(566, 156, 0, 0)},
            {"LabelPreferences", QRect(545, 200, 0, 0)},
        };
        for (const auto& places : {aroundThePicture, fixed}) {
            for (const Place& p : places)
                QTest::addRow("%s %s", tag, p.name) << pic << QString::fromLatin1(p.name) << p.rect;
        }
    };
    // The shipped 587 x 283 picture: left (800 - 587) / 2 = 106, top 600 - 283 = 317; the side
    // panels start one pixel higher, the right one at 106 + 587 = 693, 800 - 587 - 106 = 107 wide.
    rows(test::kShippedPictureSize, "shipped",
         {{"Image1", QRect(106, 317, 587, 283)},
          {"PanelMainTitle", QRect(0, 0, 800, 317)},
          {"Image2", QRect(0, 0, 800, 317)},
          {"PanelLeft", QRect(0, 316, 106, 283)},
          {"Image3", QRect(0, 316, 106, 283)},
          {"PanelRight", QRect(693, 316, 107, 283)},
          {"Image4", QRect(693, 316, 107, 283)}});
    // An odd width: (800 - 601) / 2 = 99.5 rounds toward zero to 99, and the right panel takes
    // the pixel left over: 800 - 601 - 99 = 100 wide, from 700.
    rows(QSize(601, 290), "601x290",
         {{"Image1", QRect(99, 310, 601, 290)},
          {"PanelMainTitle", QRect(0, 0, 800, 310)},
          {"Image2", QRect(0, 0, 800, 310)},
          {"PanelLeft", QRect(0, 309, 99, 290)},
          {"Image3", QRect(0, 309, 99, 290)},
          {"PanelRight", QRect(700, 309, 100, 290)},
          {"Image4", QRect(700, 309, 100, 290)}});
}

void tst_MainWindow::controlsSitWhereTheLayoutPutsThem() {
    QFETCH(QSize, picture);
    QFETCH(QString, control);
    QFETCH(QRect, expected);

    Fixture f;
    QVERIFY(f.ok);
    if (picture != test::kShippedPictureSize)
        QVERIFY(test::writePicture(f.path(QStringLiteral("keybord20.bmp")), picture,
                                   qRgb(255, 255, 255)));
    const auto form = f.makeForm();
    const QWidget* widget = form->findChild<QWidget*>(control);
    QVERIFY(widget);
    const QRect place = placeIn(*widget, *form->centralWidget());
    if (expected.size().isEmpty())
        QCOMPARE(place.topLeft(), expected.topLeft());
    else
        QCOMPARE(place, expected);
}

void tst_MainWindow::largeFontFlag_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("largeFont");
    QTest::newRow("96") << 96 << false;
    QTest::newRow("107") << 107 << false;
    QTest::newRow("108") << 108 << true;
    QTest::newRow("144") << 144 << true;
}

// Each screen is a separate run of this program on an offscreen screen of that density: Qt
// reports such a screen as 96 logical dots per inch scaled by a device pixel ratio.
void tst_MainWindow::largeFontFlag() {
    QFETCH(int, dpi);
    QFETCH(bool, largeFont);
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QVERIFY(test::writeBytes(
        config, QStringLiteral(R"({"screens":[{"name":"probe","x":0,"y":0,"width":1280,)"
                               R"("height":1024,"logicalDpi":%1,"logicalBaseDpi":96,"dpr":1}]})")
                    .arg(dpi)
                    .toUtf8()));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    env.insert(QStringLiteral("KF_REPORT_LARGE_FONT"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    const QByteArray out = child.readAllStandardOutput();
    QVERIFY2(out.contains("largeFont="), out.constData());
    QCOMPARE(out.contains("largeFont=1"), largeFont);
}

void tst_MainWindow::startupGivesTheRecordItsDefaults() {
    Fixture f;
    f.globals.currentUserName = QStringLiteral("left over");
    f.globals.record.setByte(layout::kNationality, 4);
    f.globals.record.setFlag(layout::kSoundOn, false);
    f.globals.record.setFlag(layout::kBeepOnError, false);
    f.globals.activity.activity = ActivityCode::BeginnersDrills;
    const auto form = f.makeForm();
    QVERIFY(f.globals.currentUserName.isEmpty());
    QCOMPARE(int(f.globals.record.nationalityCode()), 0);
    QCOMPARE(f.globals.record.i32(layout::kBegHandDelay), 900);
    QVERIFY(f.globals.record.flag(layout::kSoundOn));
    QVERIFY(f.globals.record.flag(layout::kBeepOnError));
    QCOMPARE(f.globals.activity.activity, ActivityCode::MainWindow);
    // Nothing is said before the window is first activated.
    QVERIFY(f.dialogs.shown.isEmpty());
}

void tst_MainWindow::soundFileCheck_data() {
    QTest::addColumn<int>("devices");
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QStringList>("renamed"); // present, but named in capitals
    QTest::addColumn<bool>("told");
    const QStringList all = test::soundFiles();
    QTest::newRow("all there") << 1 << QStringList{} << QStringList{} << false;
    QTest::newRow("in capitals") << 2 << QStringList{} << all << false;
    QTest::newRow("done missing") << 1 << QStringList{QStringLiteral("done.wav")} << QStringList{}
                                  << true;
    QTest::newRow("type2 missing, the last checked")
        << 1 << QStringList{QStringLiteral("type2.wav")} << QStringList{} << true;
    QTest::newRow("all missing: told once") << 1 << all << QStringList{} << true;
    QTest::newRow("no device: not checked") << 0 << all << QStringList{} << false;
}

void tst_MainWindow::soundFileCheck() {
    QFETCH(int, devices);
    QFETCH(QStringList, missing);
    QFETCH(QStringList, renamed);
    QFETCH(bool, told);
    Fixture f(devices);
    QVERIFY(f.ok);
    for (const QString& name : missing)
        QVERIFY(QFile::remove(f.path(name)));
    for (const QString& name : renamed)
        QVERIFY(QFile::rename(f.path(name), f.path(name.toUpper())));

    const auto form = f.makeForm();

    QCOMPARE(f.globals.soundDeviceCount, devices);
    QCOMPARE(f.globals.soundDevice, devices > 0);
    if (told) {
        QCOMPARE(f.dialogs.texts(), QStringList{kSoundFilesMissing});
        QCOMPARE(f.dialogs.shown.first().kind, Dialogs::Kind::Error);
        QCOMPARE(f.dialogs.shown.first().buttons, Dialogs::Buttons::Ok);
    } else {
        QVERIFY(f.dialogs.shown.isEmpty());
    }
    activate(*form);
    activate(*form);
    QCOMPARE(f.dialogs.texts().count(kSoundFilesMissing), told ? 1 : 0);
}

void tst_MainWindow::welcomeAppearsOnceOnTheFirstActivation() {
    Fixture f;
    QVERIFY(f.ok);
    const auto form = f.makeForm();
    const auto* hintBlinkTimer = form->findChild<QTimer*>(QStringLiteral("Timer2"));
    QVERIFY(hintBlinkTimer);
    QVERIFY(!hintBlinkTimer->isActive());

    activate(*form);
    QCOMPARE(f.dialogs.texts(), QStringList{kWelcome});
    QCOMPARE(f.dialogs.shown.first().kind, Dialogs::Kind::Information);
    QCOMPARE(f.dialogs.shown.first().buttons, Dialogs::Buttons::Ok);
    QCOMPARE(linksEnabled(*form), (QList<bool>{true, false, false, false, false}));
    QCOMPARE(menusEnabled(*form), kMenusWithoutStudent);
    QVERIFY(hintBlinkTimer->isActive());
    QCOMPARE(hintBlinkTimer->interval(), 400);

    activate(*form);
    activate(*form);
    QCOMPARE(f.dialogs.shown.size(), 1);
}

void tst_MainWindow::hintBlinksThreeTimesThenStays() {
    Fixture f;
    QVERIFY(f.ok);
    const auto form = f.makeForm();
    auto* hint = form->findChild<QLabel*>(QStringLiteral("Image7"));
    auto* hintBlinkTimer = form->findChild<QTimer*>(QStringLiteral("Timer2"));
    QVERIFY(hint->isHidden());
    activate(*form);

    QList<bool> shown;
    for (int tick = 0; tick < 3; ++tick) {
        QVERIFY(hintBlinkTimer->isActive());
        // As if the 400 ms had passed: the timer's own signal drives the blink.
        QVERIFY(QMetaObject::invokeMethod(hintBlinkTimer, "timeout"));
        shown.append(!hint->isHidden());
    }
    QCOMPARE(shown, (QList<bool>{true, false, true}));
    QVERIFY(!hintBlinkTimer->isActive());
}

void tst_MainWindow::studentFileEnablesSelectUserAndNewUser_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("anna.stu") << QStringLiteral("anna.stu");
    QTest::newRow("extension in capitals") << QStringLiteral("BOB.STU");
    QTest::newRow("empty file") << QStringLiteral("empty.stu");
}

void tst_MainWindow::studentFileEnablesSelectUserAndNewUser() {
    QFETCH(QString, file);
    Fixture f;
    QVERIFY(f.ok);
    QVERIFY(test::writeBytes(f.path(file), file == QStringLiteral("empty.stu")
                                               ? QByteArray()
                                               : QByteArray(110824, '\0')));
    const auto form = f.makeForm();
    activate(*form);
    QVERIFY(f.dialogs.shown.isEmpty());
    // A new name too: every listed one may be held by a copy running elsewhere.
    QCOMPARE(linksEnabled(*form), (QList<bool>{true, true, false, false, false}));
    QCOMPARE(menusEnabled(*form), kMenusWithoutStudent);
    QVERIFY(!form->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
}

void tst_MainWindow::linkAndMenuSets() {
    Fixture f;
    const auto form = f.makeForm();
    form->applyLinksOff();
    form->applyMenusOff();
    QCOMPARE(linksEnabled(*form), QList<bool>(5, false));
    QCOMPARE(menusEnabled(*form), kMenusWithoutStudent);
    QVERIFY(!menuEntry(*form, QStringLiteral("A&dditional/&Keyboard Nationality"))->isEnabled());
    QVERIFY(menuEntry(*form, QStringLiteral("A&dditional/&Class Overview"))->isEnabled());
    form->applyLinksOn();
    form->applyMenusOn();
    QVERIFY(menuEntry(*form, QStringLiteral("A&dditional/&Keyboard Nationality"))->isEnabled());
    QVERIFY(menuEntry(*form, QStringLiteral("A&dditional/&Class Overview"))->isEnabled());
    // "Next Lesson" and the menus of activities this program does not have stay off.
    QCOMPARE(linksEnabled(*form), (QList<bool>{true, true, false, true, true}));
    QCOMPARE(menusEnabled(*form), (QList<bool>{false, true, false, false, true, false, true}));
}

void tst_MainWindow::linkHoverColours() {
    Fixture f;
    const auto form = f.makeForm();
    const QColor normal(116, 61, 107);
    const QColor hover(207, 126, 169);
    for (const QString& name : kLinkNames) {
        auto* link = form->findChild<ClickableLabel*>(name);
        QVERIFY(link);
        link->setEnabled(true);
        QCOMPARE(link->palette().color(QPalette::Active, QPalette::WindowText), normal);
        QCOMPARE(link->font().pixelSize(), 24);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(link, &enter);
        QCOMPARE(link->palette().color(QPalette::Active, QPalette::WindowText), hover);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(link, &leave);
        QCOMPARE(link->palette().color(QPalette::Active, QPalette::WindowText), normal);
    }
}

void tst_MainWindow::linkClickStopsTheHintAndClicks() {
    Fixture f;
    QVERIFY(f.ok);
    const auto form = f.makeForm();
    form->show();
    activate(*form);
    form->blinkTick(); // the hint is showing now
    auto* hint = form->findChild<QLabel*>(QStringLiteral("Image7"));
    QVERIFY(hint->isVisible());

    auto* newUser = form->findChild<ClickableLabel*>(QStringLiteral("LabelNewUser"));
    auto* selectUser = form->findChild<ClickableLabel*>(QStringLiteral("LabelSelectUser"));
    QSignalSpy newUserClicks(newUser, &ClickableLabel::clicked);
    QSignalSpy selectUserClicks(selectUser, &ClickableLabel::clicked);
    bool hintHiddenBeforeRoster = false;
    connect(newUser, &ClickableLabel::clicked, this,
            [&] { hintHiddenBeforeRoster = hint->isHidden(); });

    QTest::mouseClick(selectUser, Qt::LeftButton); // disabled after the welcome
    QCOMPARE(selectUserClicks.size(), 0);
    QVERIFY(f.sound.played.isEmpty());

    QTest::mouseClick(newUser, Qt::LeftButton);
    QCOMPARE(newUserClicks.size(), 1);
    QVERIFY(hintHiddenBeforeRoster);
    QVERIFY(!form->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
    QCOMPARE(f.sound.played, QStringList{f.path(QStringLiteral("click_2.wav"))});
}

void tst_MainWindow::menuCaptions_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");
    const QString sep = QStringLiteral("-");
    QTest::newRow("Lessons") << QStringLiteral("&Lessons")
                             << QStringList{QStringLiteral("&Instructions"),
                                            sep,
                                            QStringLiteral("Lesson &1 -- DFERJKUI"),
                                            QStringLiteral("Lesson &2 -- CVM"),
                                            QStringLiteral("Lesson &3 -- ASL;"),
                                            QStringLiteral("Lesson &4 -- TYGH"),
                                            QStringLiteral("Lesson &5 -- QWOP"),
                                            QStringLiteral("Lesson &6 -- BN,."),
                                            QStringLiteral("Lesson &7 -- ZX"),
                                            QStringLiteral("Lesson &8 -- Shift Keys"),
                                            sep,
                                            QStringLiteral("Lesson &9 -- Common Punctuation"),
                                            QStringLiteral("Lesson 1&0 -- Number Keys"),
                                            QStringLiteral("Lesson 11 -- &Symbols"),
                                            sep,
                                            QStringLiteral("&Exit Keyfarer")};
    QTest::newRow("Beginners") << QStringLiteral("&Beginners Drills")
                               << QStringList{QStringLiteral("&Home Row Only"),
                                              QStringLiteral("&Top Row Only"),
                                              QStringLiteral("&Bottom Row Only"),
                                              sep,
                                              QStringLiteral("H&ome && Top Rows"),
                                              QStringLiteral("Hom&e && Bottom Rows"),
                                              QStringLiteral("&All Three Rows"),
                                              sep,
                                              QStringLiteral("All && &Common Punctuation"),
                                              sep,
                                              QStringLiteral("&Numbers Only"),
                                              QStringLiteral("&Symbols Only"),
                                              sep,
                                              QStringLiteral("&Do Everything"),
                                              sep,
                                              QStringLiteral("Choose &Your Own Keys")};
    QTest::newRow("Intermediate") << QStringLiteral("Inter&mediate Drills")
                                  << QStringList{QStringLiteral("&Common Letter Combinations"),
                                                 QStringLiteral("&Easy Phrases && Clauses"),
                                                 QStringLiteral("&Short Sentences")};
    QTest::newRow("Advanced") << QStringLiteral("&Advanced Drills")
                              << QStringList{QStringLiteral("&Phrases && Clauses"),
                                             QStringLiteral("&Easy Sentences"),
                                             QStringLiteral("&Normal Sentences"),
                                             QStringLiteral("&Harder Sentences"),
                                             sep,
                                             QStringLiteral("&Learn Number Keypad")};
    QTest::newRow("Additional") << QStringLiteral("A&dditional")
                                << QStringList{QStringLiteral("&Keyfarer"),
                                               QStringLiteral("Word Sweep"),
                                               sep,
                                               QStringLiteral("&Games"),
                                               sep,
                                               QStringLiteral("&Make Your Own Text Files"),
                                               sep,
                                               QStringLiteral("&Keyboard Nationality"),
                                               sep,
                                               QStringLiteral("&Language"),
                                               sep,
                                               QStringLiteral("&Backup User Files"),
                                               sep,
                                               QStringLiteral("&Trouble Keys"),
                                               QStringLiteral("&Class Overview")};
    QTest::newRow("Games") << QStringLiteral("A&dditional/&Games")
                           << QStringList{QStringLiteral("&Save Dasher"),
                                          QStringLiteral("&Saucer")};
    QTest::newRow("Nationality") << QStringLiteral("A&dditional/&Keyboard Nationality")
                                 << QStringList{QStringLiteral("&English (US)"),
                                                QStringLiteral("English (UK)"),
                                                QStringLiteral("&Spanish"),
                                                QStringLiteral("&German"),
                                                QStringLiteral("&Italian"),
                                                QStringLiteral("&French")};
    QTest::newRow("Tests") << QStringLiteral("&Tests")
                           << QStringList{QStringLiteral("&Ten Line Tests"),
                                          QStringLiteral("Ti&medTests")};
    QTest::newRow("Help") << QStringLiteral("&Help")
                          << QStringList{QStringLiteral("&Contents"),
                                         QStringLiteral("Teacher's and Admin's &Guide"),
                                         sep,
                                         QStringLiteral("&Visit My Web Site"),
                                         sep,
                                         QStringLiteral("&About Keyfarer")};
}

void tst_MainWindow::menuCaptions() {
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    Fixture f;
    const auto form = f.makeForm();
    QStringList titles;
    for (const QAction* action : form->menuBar()->actions())
        titles.append(action->text());
    QCOMPARE(titles, kMenuTitles);
    const QAction* entry = menuEntry(*form, menu);
    QVERIFY(entry && entry->menu());
    QCOMPARE(captions(*entry->menu()), entries);
}

void tst_MainWindow::menuEntriesEnabledAsDesigned_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("enabled");
    const QList<std::pair<const char*, bool>> rows = {
        {"&Lessons", false},
        {"&Beginners Drills", true},
        {"Inter&mediate Drills", false},
        {"&Advanced Drills", false},
        {"A&dditional", true},
        {"&Tests", false},
        {"&Help", true},
        {"&Beginners Drills/&Home Row Only", true},
        {"&Beginners Drills/&Numbers Only", true},
        {"&Beginners Drills/&Do Everything", true},
        {"&Beginners Drills/Choose &Your Own Keys", true},
        {"A&dditional/&Keyfarer", false},
        {"A&dditional/Word Sweep", false},
        {"A&dditional/&Games", false},
        {"A&dditional/&Make Your Own Text Files", false},
        {"A&dditional/&Keyboard Nationality", true},
        {"A&dditional/&Keyboard Nationality/&French", true},
        {"A&dditional/&Backup User Files", false},
        {"A&dditional/&Class Overview", true},
        {"&Help/&Contents", true},
        {"&Help/Teacher's and Admin's &Guide", true},
        {"&Help/&Visit My Web Site", true},
        {"&Help/&About Keyfarer", true},
    };
    for (const auto& [entry, enabled] : rows)
        QTest::newRow(entry) << QString::fromLatin1(entry) << enabled;
}

void tst_MainWindow::menuEntriesEnabledAsDesigned() {
    QFETCH(QString, entry);
    QFETCH(bool, enabled);
    Fixture f;
    const auto form = f.makeForm();
    const QAction* action = menuEntry(*form, entry);
    QVERIFY(action);
    QCOMPARE(action->isEnabled(), enabled);
}

void tst_MainWindow::beginnersMenuFollowsNationality_data() {
    QTest::addColumn<QList<int>>("codes"); // chosen one after the other, the menu opened each time
    QTest::addColumn<QString>("symbols");
    QTest::addColumn<bool>("doEverything");
    QTest::newRow("English US") << QList<int>{0} << QStringLiteral("&Symbols Only") << true;
    QTest::newRow("English UK") << QList<int>{1} << QStringLiteral("&Symbols Only") << true;
    QTest::newRow("Spanish") << QList<int>{2} << QStringLiteral("&Symbols && Spanish Characters")
                             << false;
    QTest::newRow("German") << QList<int>{3} << QStringLiteral("&Symbols && German Characters")
                            << false;
    QTest::newRow("Italian") << QList<int>{4} << QStringLiteral("&Symbols && Italian Characters")
                             << false;
    QTest::newRow("French") << QList<int>{5} << QStringLiteral("&Symbols && French Characters")
                            << false;
    QTest::newRow("German, then English UK")
        << QList<int>{3, 1} << QStringLiteral("&Symbols Only") << true;
    QTest::newRow("German, then an unknown code keeps German")
        << QList<int>{3, 9} << QStringLiteral("&Symbols && German Characters") << false;
}

void tst_MainWindow::beginnersMenuFollowsNationality() {
    QFETCH(QList<int>, codes);
    QFETCH(QString, symbols);
    QFETCH(bool, doEverything);
    Fixture f;
    const auto form = f.makeForm();
    QMenu* beginners = topMenu(*form, QStringLiteral("&Beginners Drills"));
    for (int code : codes) {
        f.globals.record.setByte(layout::kNationality, std::uint8_t(code));
        emit beginners->aboutToShow();
    }
    const QList<QAction*> entries = beginners->actions();
    QCOMPARE(entries.at(11)->text(), symbols); // after three separators
    QAction* everything = entries.at(13);
    QCOMPARE(everything->text(), QStringLiteral("&Do Everything"));
    QCOMPARE(everything->isVisible(), doEverything);
    QCOMPARE(everything->isEnabled(), doEverything);
}

void tst_MainWindow::nationalityMenuChecksTheCurrentOne_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<bool>>("checked");
    QTest::newRow("English US") << 0 << QList<bool>{true, false, false, false, false, false};
    QTest::newRow("Italian") << 4 << QList<bool>{false, false, false, false, true, false};
    QTest::newRow("French") << 5 << QList<bool>{false, false, false, false, false, true};
    QTest::newRow("unknown: none") << 6 << QList<bool>(6, false);
}

void tst_MainWindow::nationalityMenuChecksTheCurrentOne() {
    QFETCH(int, code);
    QFETCH(QList<bool>, checked);
    Fixture f;
    const auto form = f.makeForm();
    QMenu* menu = menuEntry(*form, QStringLiteral("A&dditional/&Keyboard Nationality"))->menu();
    menu->actions().at(1)->setChecked(true); // a stale check from an earlier opening
    f.globals.record.setByte(layout::kNationality, std::uint8_t(code));
    emit menu->aboutToShow();
    QList<bool> actual;
    for (const QAction* action : menu->actions())
        actual.append(action->isChecked());
    QCOMPARE(actual, checked);
}

void tst_MainWindow::nationalitySavesOnlyAWholeStudentFile_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<int>("fileSize"); // -1: no file
    QTest::addColumn<bool>("written");
    QTest::newRow("whole record") << QStringLiteral("anna") << 110824 << true;
    QTest::newRow("longer file keeps its tail") << QStringLiteral("anna") << 110830 << true;
    QTest::newRow("short file") << QStringLiteral("anna") << 5000 << false;
    QTest::newRow("empty file") << QStringLiteral("anna") << 0 << false;
    QTest::newRow("missing file") << QStringLiteral("anna") << -1 << false;
    QTest::newRow("no user yet") << QString() << 110824 << false;
}

void tst_MainWindow::nationalitySavesOnlyAWholeStudentFile() {
    QFETCH(QString, user);
    QFETCH(int, fileSize);
    QFETCH(bool, written);
    Fixture f;
    QVERIFY(f.ok);
    // The German pictures are drawn from the blank international picture.
    const QRgb german = qRgb(10, 200, 30);
    QVERIFY(test::writePicture(f.path(QStringLiteral("intkeybord10.bmp")),
                               test::kShippedPictureSize, german));
    // The file of "anna", or of the nameless user when no user is chosen.
    const QString file =
        f.path((user.isEmpty() ? QStringLiteral("nobody") : user) + QStringLiteral(".stu"));
    QByteArray before(qMax(fileSize, 0), '\x07');
    if (fileSize >= 0)
        QVERIFY(test::writeBytes(file, before));
    const auto form = f.makeForm();
    if (!user.isEmpty())
        f.globals.session.take(user);
    // A file gone from the folder is not made again without the student's word.
    const bool asked = fileSize < 0 && !user.isEmpty();
    if (asked)
        f.dialogs.answers = {Dialogs::Answer::No};

    menuEntry(*form, QStringLiteral("A&dditional/&Keyboard Nationality/&German"))->trigger();

    QCOMPARE(int(f.globals.record.nationalityCode()), 3);
    QVERIFY(QFileInfo::exists(f.path(QStringLiteral("germanbord20.bmp"))));
    QVERIFY(QFileInfo::exists(f.path(QStringLiteral("germanbord10.bmp"))));
    QCOMPARE(form->keyboardPicture().pixel(10, 10) & RGB_MASK, german & RGB_MASK);
    QCOMPARE(f.dialogs.shown.size(), asked ? 1 : 0);
    if (asked)
        QVERIFY(f.dialogs.shown.first().text.contains(QStringLiteral("has gone")));
    QCOMPARE(QFileInfo::exists(file), fileSize >= 0);
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral(".stu"))));
    const QByteArray after = readBytes(file);
    if (!written) {
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(after.size(), fileSize);
    QCOMPARE(int(after.at(41)), 3);
    QCOMPARE(after.mid(110824), before.mid(110824));
}

void tst_MainWindow::missingNationalPictureFallsBackAndTellsOnce() {
    Fixture f;
    QVERIFY(f.ok);
    // Only the unlabelled English US picture: every load of the labelled one falls back.
    QVERIFY(QFile::remove(f.path(QStringLiteral("keybord20.bmp"))));
    const QRgb blue = qRgb(0, 0, 200);
    QVERIFY(test::writePicture(f.path(QStringLiteral("keybord10.bmp")), test::kShippedPictureSize,
                               blue));
    QVERIFY(test::writeBytes(f.path(QStringLiteral("anna.stu")), QByteArray(110824, '\0')));
    const auto form = f.makeForm();
    f.globals.record.setByte(layout::kNationality, 3);

    activate(*form);
    QCOMPARE(f.dialogs.texts(), QStringList{kFellBack});
    QCOMPARE(f.dialogs.shown.first().kind, Dialogs::Kind::Information);
    QCOMPARE(int(f.globals.record.nationalityCode()), 0);
    QCOMPARE(form->keyboardPicture().pixel(1, 1) & RGB_MASK, blue & RGB_MASK);

    // Closing that message activates the window again; the same fallback is not told again.
    activate(*form);
    activate(*form);
    QCOMPARE(f.dialogs.shown.size(), 1);
}

void tst_MainWindow::fallbackIsToldAgainAfterAGoodLoad() {
    Fixture f;
    QVERIFY(f.ok);
    const auto form = f.makeForm();
    f.globals.record.setByte(layout::kNationality, 3); // no German pictures in the folder
    activate(*form);
    activate(*form); // English US loads as asked now
    QCOMPARE(int(f.globals.record.nationalityCode()), 0);
    f.globals.record.setByte(layout::kNationality, 5);
    activate(*form);
    // The picture is loaded before the roster opens, so its message comes before the welcome.
    QCOMPARE(f.dialogs.texts(), (QStringList{kFellBack, kWelcome, kFellBack}));
}

void tst_MainWindow::missingKeyboardPicturesCloseTheWindow() {
    Fixture f;
    QVERIFY(f.ok);
    QVERIFY(QFile::remove(f.path(QStringLiteral("keybord20.bmp"))));
    QVERIFY(QFile::remove(f.path(QStringLiteral("keybord10.bmp"))));
    const auto form = f.makeForm();
    // The window is still laid out for a keyboard of the shipped size.
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Image1"))->size(), test::kShippedPictureSize);
    form->show();
    activate(*form);
    QCOMPARE(f.dialogs.texts(), QStringList{kPicturesMissing});
    QCOMPARE(f.dialogs.shown.first().kind, Dialogs::Kind::Error);
    QVERIFY(!form->isVisible());
}

void tst_MainWindow::folderGoneWhileRunningIsToldOnceAndKeepsTheSession_data() {
    QTest::addColumn<bool>("removed"); // otherwise emptied
    QTest::newRow("removed") << true;
    QTest::newRow("emptied") << false;
}

void tst_MainWindow::folderGoneWhileRunningIsToldOnceAndKeepsTheSession() {
    QFETCH(bool, removed);
    Fixture f;
    QVERIFY(f.ok);
    QVERIFY(test::writeBytes(f.path(QStringLiteral("anna.stu")), QByteArray(110824, '\0')));
    const auto form = f.makeForm();
    form->show();
    activate(*form);
    QVERIFY(f.globals.session.take(QStringLiteral("anna")).changed());
    f.globals.record.setI32(layout::kBegBestTime, 77); // this session's work, in memory only
    const QImage keyboard = form->keyboardPicture();
    QVERIFY(!keyboard.isNull());
    f.dialogs.shown.clear();
    if (removed) {
        QVERIFY(f.folder().removeRecursively());
    } else {
        for (const QString& name : f.folder().entryList(QDir::Files))
            QVERIFY(f.folder().remove(name));
    }

    // Back from a drill, and again each time a message box closes over the window.
    for (int i = 0; i < 3; ++i)
        activate(*form);

    QCOMPARE(f.dialogs.shown.size(), 1);
    const QString told = f.dialogs.shown.first().text;
    QVERIFY2(told.contains(QStringLiteral("The working folder \"%1\" has gone").arg(f.dir.path())),
             qPrintable(told));
    QVERIFY2(!told.contains(QStringLiteral("reinstall")), qPrintable(told));
    QVERIFY(told.contains(QStringLiteral("still has this session's work")));
    QVERIFY(form->isVisible());
    QCOMPARE(f.globals.session.owner(), QStringLiteral("anna"));
    QCOMPARE(f.globals.record.i32(layout::kBegBestTime), 77);
    QCOMPARE(form->keyboardPicture(), keyboard);
}

void tst_MainWindow::showPaintsTheFramesInTheScheme() {
    Fixture f;
    const auto form = f.makeForm();
    f.globals.record.setByte(layout::kColourScheme, 2); // "Red"
    form->show();
    const QRgb red = qRgb(201, 82, 123);
    const QRgb paper = qRgb(254, 254, 246);
    // What each shows is what the picture painter paints at its size: the frames are painted as
    // they are shown, not kept as pictures.
    for (const char* name : {"Image2", "Image3", "Image4"}) {
        auto* shown = form->findChild<QWidget*>(QString::fromLatin1(name));
        const QImage picture = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage expected(shown->size(), QImage::Format_RGB32);
        paintFrame(expected, red);
        QVERIFY2(picture == expected, name);
        QCOMPARE(picture.pixel(0, 0) & RGB_MASK, paper & RGB_MASK);
        QCOMPARE(picture.pixel(3, 3) & RGB_MASK, red & RGB_MASK);
        QCOMPARE(picture.pixel(picture.width() - 3, picture.height() - 2) & RGB_MASK,
                 red & RGB_MASK);
    }
}

void tst_MainWindow::beginnersDrillDispatch_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("kind");
    QTest::newRow("home row") << QStringLiteral("&Home Row Only") << 0;
    QTest::newRow("top row") << QStringLiteral("&Top Row Only") << 1;
    QTest::newRow("home and bottom") << QStringLiteral("Hom&e && Bottom Rows") << 4;
    QTest::newRow("punctuation") << QStringLiteral("All && &Common Punctuation") << 6;
    QTest::newRow("symbols") << QStringLiteral("&Symbols Only") << 8;
    QTest::newRow("own keys") << QStringLiteral("Choose &Your Own Keys") << 10;
}

void tst_MainWindow::beginnersDrillDispatch() {
    QFETCH(QString, entry);
    QFETCH(int, kind);
    Fixture f;
    QVERIFY(f.ok);
    const auto form = f.makeForm();
    QPointer<QWidget> drill;
    ActivityCode activityWhenMade = ActivityCode::MainWindow;
    form->setDrillWindowFactory([&](MainWindow& main) {
        activityWhenMade = f.globals.activity.activity;
        drill = new QWidget(&main, Qt::Window);
        drill->resize(700, 500);
        return drill.data();
    });
    form->show();
    f.globals.activity.drillKindFlags.fill(1);

    menuEntry(*form, QStringLiteral("&Beginners Drills/") + entry)->trigger();

    std::array<std::uint8_t, kDrillKindCount> flags{};
    flags[std::size_t(kind)] = 1;
    QCOMPARE(f.globals.activity.drillKindFlags, flags);
    QCOMPARE(activityWhenMade, ActivityCode::BeginnersDrills);
    QCOMPARE(f.globals.activity.activity, ActivityCode::BeginnersDrills);
    QCOMPARE(f.sound.played, QStringList{f.path(QStringLiteral("click_2.wav"))});
    QVERIFY(drill && drill->isVisible());
    QVERIFY(!form->isVisible());

    drill->move(123, 45);
    drill->close();
    QVERIFY(form->isVisible());
    QCOMPARE(form->pos(), QPoint(123, 45));
    QCOMPARE(f.globals.activity.activity, ActivityCode::MainWindow);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(drill.isNull());
}

void tst_MainWindow::dispatchWithoutADrillWindowStaysHere() {
    Fixture f;
    QVERIFY(f.ok);
    const auto form = f.makeForm();
    form->show();
    form->beginDrill(DrillKind::NumbersOnly);
    QCOMPARE(f.globals.activity.drillKind(), DrillKind::NumbersOnly);
    QCOMPARE(f.globals.activity.activity, ActivityCode::MainWindow);
    QVERIFY(form->isVisible());
}

// Preferences opened from the drill's Options button belong to the main window, yet turning
// spoken guidance on there reaches the open drill: its next target is read aloud.
void tst_MainWindow::spokenGuidanceTurnedOnInTheDrillSpeaksAtOnce() {
    Fixture f;
    QVERIFY(f.ok);
    const auto form = f.makeForm();
    form->setDrillWindowFactory([&f](MainWindow& main) -> QWidget* {
        return new DrillWindow(f.globals.drillWindowState(), f.services, &main);
    });
    form->show();
    f.globals.currentUserName = QStringLiteral("Pat");
    menuEntry(*form, QStringLiteral("&Beginners Drills/&Home Row Only"))->trigger();
    auto* drill = form->findChild<DrillWindow*>();
    QVERIFY(drill && drill->isVisible());
    drill->findChild<QAbstractButton*>(QStringLiteral("SpeedButton18"))->click();
    auto* options = form->findChild<PreferencesDialog*>();
    QVERIFY(options);
    options->showPage(OptionsPage::BeginnersIntermediate);
    auto* box = options->findChild<QCheckBox*>(QStringLiteral("CheckBoxSpeakKeys"));
    QVERIFY2(box->isEnabled(), qPrintable(box->toolTip()));
    box->click();
    QVERIFY(drill->speaksKeys());
    options->close();
    QTest::keyClick(drill->centralWidget(), Qt::Key_Space);
    QVERIFY(drill->engine().setRunning());
    QCOMPARE(f.speech.said.size(), 1);
    QVERIFY2(f.speech.said.front().startsWith(QStringLiteral("Type ")),
             qPrintable(f.speech.said.front()));
    drill->close();
}

void tst_MainWindow::contentsOpensTheHelpFileOnlyWhenThere_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("no help file") << QString();
    QTest::newRow("kftyping.hlp") << QStringLiteral("kftyping.hlp");
    QTest::newRow("in capitals") << QStringLiteral("KFTYPING.HLP");
}

void tst_MainWindow::contentsOpensTheHelpFileOnlyWhenThere() {
    QFETCH(QString, file);
    Fixture f;
    if (!file.isEmpty())
        QVERIFY(test::writeBytes(f.path(file), "help"));
    const auto form = f.makeForm();
    menuEntry(*form, QStringLiteral("&Help/&Contents"))->trigger();
    if (file.isEmpty()) {
        QVERIFY(f.shell.files.isEmpty());
        return;
    }
    QCOMPARE(f.shell.files.size(), 1);
    QCOMPARE(f.shell.files.first().target, f.path(file));
    QCOMPARE(f.shell.files.first().window, Shell::Window::Normal);
}

// The guide comes with the program, whatever the working folder holds.
void tst_MainWindow::guideOpensFromTheShippedFiles() {
    Fixture f;
    const auto form = f.makeForm();
    menuEntry(*form, QStringLiteral("&Help/Teacher's and Admin's &Guide"))->trigger();
    QCOMPARE(f.shell.files.size(), 1);
    const QString guide = f.shell.files.first().target;
    QCOMPARE(
        guide,
        QDir(qEnvironmentVariable("KEYFARER_SHARE")).filePath(QStringLiteral("doc/guide.html")));
    QCOMPARE(f.shell.files.first().window, Shell::Window::Normal);
    QFile file(guide);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray page = file.readAll();
    for (const char* part : {"id=\"setup\"", "id=\"backup\"", "id=\"move\"", "id=\"locks\"",
                             "/etc/xdg/keyfarer.conf", "chmod 2770"})
        QVERIFY2(page.contains(part), part);
}

void tst_MainWindow::webSiteOpensInTheShell() {
    Fixture f;
    const auto form = f.makeForm();
    menuEntry(*form, QStringLiteral("&Help/&Visit My Web Site"))->trigger();
    QCOMPARE(f.shell.urls.size(), 1);
    QVERIFY(f.shell.urls.first().startsWith(QStringLiteral("https://")));
    QVERIFY(f.shell.files.isEmpty());
}

void tst_MainWindow::aboutBox() {
    Fixture f;
    QVERIFY(test::writePicture(f.path(QStringLiteral("about.bmp")), QSize(64, 64), qRgb(9, 9, 9)));
    const auto form = f.makeForm();
    form->show();
    menuEntry(*form, QStringLiteral("&Help/&About Keyfarer"))->trigger();

    QPointer<AboutDialog> about = form->findChild<AboutDialog*>();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("ProgramIcon"))->pixmap().size(),
             QSize(64, 64));
    QStringList texts;
    for (const QLabel* label : about->findChildren<QLabel*>())
        texts.append(label->text());
    QVERIFY(texts.contains(QStringLiteral("Keyfarer -- Learn the Keyboard")));
    const QList<QPushButton*> buttons = about->findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 1);

    QTest::mouseClick(buttons.first(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(about.isNull());
}

void tst_MainWindow::closeSavesTheStudentFile() {
    Fixture f;
    QVERIFY(f.ok);
    const QString file = f.path(QStringLiteral("anna.stu"));
    QVERIFY(test::writeBytes(file, QByteArray(110824, '\0')));
    const auto form = f.makeForm();
    QVERIFY(f.globals.session.take(QStringLiteral("anna")).changed());
    f.globals.record.setByte(layout::kColourScheme, 4);
    form->show();
    QVERIFY(form->close());
    QCOMPARE(int(readBytes(file).at(42)), 4);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void tst_MainWindow::closeReportsAFailedSave() {
    Fixture f;
    QVERIFY(f.ok);
    const QString file = f.path(QStringLiteral("anna.stu"));
    QVERIFY(test::writeBytes(file, QByteArray(110824, '\0')));
    const auto form = f.makeForm();
    QVERIFY(f.globals.session.take(QStringLiteral("anna")).changed());
    // A folder where the student file was: it cannot be read or replaced.
    QVERIFY(QFile::remove(file));
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("anna.stu")));
    form->show();
    f.dialogs.answers = {Dialogs::Answer::TryAgain, Dialogs::Answer::Quit};
    QVERIFY(form->close());
    // Asked twice, since trying again failed again; "Try Again" comes first.
    QCOMPARE(f.dialogs.shown.size(), 2);
    QCOMPARE(f.dialogs.shown.first().kind, Dialogs::Kind::Error);
    QCOMPARE(f.dialogs.shown.first().buttons, Dialogs::Buttons::TryAgainQuit);
    QVERIFY(f.dialogs.shown.first().text.contains(QStringLiteral("anna.stu")));
    QVERIFY(f.dialogs.shown.first().text.contains(QStringLiteral("Try again")));
    // Quitting lets the student go.
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("anna.stu.lock"))));
}

// The working folder is removed while Anna types and a file takes its name, so it cannot be
// made again: writing her file anew at close fails, and she chooses between trying again and
// quitting without it, as with any other failed save at close.
void tst_MainWindow::closeAsksToTryAgainWhenWritingAGoneFileAnewFails() {
    Fixture f;
    QVERIFY(f.ok);
    QVERIFY(test::writeBytes(f.path(QStringLiteral("anna.stu")), QByteArray(110824, '\0')));
    const auto form = f.makeForm();
    QVERIFY(f.globals.session.take(QStringLiteral("anna")).changed());
    form->show();
    f.dialogs.shown.clear();
    QVERIFY(f.folder().removeRecursively());
    QVERIFY(test::writeBytes(f.dir.path(), QByteArray("in the way")));
    f.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::TryAgain, Dialogs::Answer::Quit};

    QVERIFY(form->close());

    QVERIFY(QFile::remove(f.dir.path()));
    QCOMPARE(f.dialogs.shown.size(), 3);
    QCOMPARE(f.dialogs.shown[0].buttons, Dialogs::Buttons::YesNo);
    QVERIFY(f.dialogs.shown[0].text.contains(QStringLiteral("The student file of anna has gone")));
    // Asked twice, since trying again failed again.
    for (int i = 1; i < 3; ++i) {
        const QString text = f.dialogs.shown[i].text;
        QCOMPARE(f.dialogs.shown[i].kind, Dialogs::Kind::Error);
        QCOMPARE(f.dialogs.shown[i].buttons, Dialogs::Buttons::TryAgainQuit);
        QVERIFY2(text.contains(QStringLiteral("anna.stu")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Try again to save the work of anna")),
                 qPrintable(text));
    }
    QVERIFY(f.globals.session.owner().isEmpty()); // quitting let her go
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("KF_REPORT_LARGE_FONT"))
        return reportLargeFont();
    tst_MainWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MainWindow.moc"
