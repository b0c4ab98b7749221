// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Globals.h"
#include "app/MainWindow.h"
#include "app/UserPanels.h"
#include "drills/DrillWindow.h"
#include "options/PreferencesDialog.h"
#include "platform/Services.h"
#include "progress/StatisticsWindow.h"
#include "students/FolderStudentStore.h"
#include "students/QueuedStudentStore.h"
#include "students/RecordLayout.h"
#include "students/SaveStudent.h"
#include "students/StudentFile.h"
#include "tests/app/MainWindowNames.h"
#include "tests/app/OpenedMainWindow.h"
#include "tests/common/FileBytes.h"
#include "tests/common/RecordHistories.h"
#include "tests/common/RecordPatterns.h"
#include "tests/common/SpokenNotices.h"
#include "tests/common/TestWorkingFolder.h"
#include "widgets/ClickableLabel.h"

#include <QAction>
#include <QCursor>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <semaphore>

using namespace kf;

class tst_UserPanels : public QObject {
    Q_OBJECT

private slots:
    void firstUserIsCreated();
    void refusedNameChangesNothing_data();
    void refusedNameChangesNothing();
    void existingNameIsLeftByteForByte();
    void nameRefusedAsExistingSaysWhatIsInTheWay_data();
    void nameRefusedAsExistingSaysWhatIsInTheWay();
    void unwritableFolderIsReportedAndNothingIsMade();
    void newUserEndsTheOutgoingSessionOnceAndSavesIt();
    void becomingCurrentIsSaidWithTheFocusOnAShownLink();
    void cancelNewUserNeedsAStudentFile();
    void selectListIsSortedAndStartsWithTheFirst();
    void useThisNameLoadsTheStudent();
    void useThisNameWithoutTheKeyboardPictureSaysChooseOne();
    void switchingUsersRollsOverOnce();
    void vanishedFileMakesTheNameCurrentWithTheRecordUnchanged();
    void unreadableFileKeepsTheCurrentStudent();
    void closingRollsOverOnceThenSaves();
    void closingWithoutAUserWritesNothing();
    void retakingOwnNameKeepsTheSessionsHistoryEntry();
    void failedSaveKeepsTheStudentUntilTriedAgain_data();
    void failedSaveKeepsTheStudentUntilTriedAgain();
    void outgoingFileGoneFromOutsideIsToldBeforeTheChange_data();
    void outgoingFileGoneFromOutsideIsToldBeforeTheChange();
    void writingTheOutgoingFileAnewThatFailsChangesNothing_data();
    void writingTheOutgoingFileAnewThatFailsChangesNothing();
    void viewingAnotherStudentAndComingBackKeepsTheHistoryEntry();
    void deletionRefusals_data();
    void deletionRefusals();
    void deletionRemovesFileAndEntry();
    void cancelSelectionNeedsAUser();
    void preferencesOpensItsWindowAndYourStatsAsksForCharts();
    void aStudentViewedInTheChartsIsNamedOnTheUserLine();
    void preferencesFromTheMainWindowRepaintTheDrillOpenedLater();
    void preferencesOfAClosedDrillStillSave();
    void aChangeOnASlowFolderKeepsTheWindowTurning();
    void closingDuringAChangeWaitsForIt();
};

namespace {

const QString kInvalidTitle = QStringLiteral("Invalid User Name");
const QString kWrongLength =
    QStringLiteral("User name is not valid. Use at least 2 characters and no more than 40.");
const QString kNameExists = QStringLiteral("This username already exists and Cannot be created.");
const QString kNoUserFileYet =
    QStringLiteral("You cannot begin to type until you have created a user file.");
const QString kNoUserChosenYet =
    QStringLiteral("You cannot begin to type until you have selected a user name from the list.");
const QString kWrongPassword =
    QStringLiteral("You need to type the correct password to delete a username");
const QString kReallyDelete = QStringLiteral("Do you want to delete this username?");
const QString kLastName = QStringLiteral("You cannot delete the last username on the list.");
const QString kNameInUse =
    QStringLiteral("You cannot delete the username you are currently using. ");

using test::kLinkNames;
using test::kMenuTitles;

using test::markedRecord;
using test::percentHistory;
using test::pushed;
using test::readBytes;
using test::recordBytes;

// The session of the student in memory scored drills: 250 keys with 20 errors, 92 percent.
void scoreDrills(Globals& globals) {
    globals.sectionUsage.markUsed(Section::BeginnersDrills);
    globals.record.setFigure(layout::kBegSessionKeys, 250);
    globals.record.setFigure(layout::kBegSessionMisses, 20);
    globals.drillSession.sessionPresses = 2500000;
    globals.drillSession.presented[5] = 30000;
}

// The working folder's student files, whose writes fail while failing says so: a disk that
// fills up at the wrong moment. A save finds a missing file before it writes anything.
struct FailingSaves final : FolderStudentStore {
    FailingSaves(const QString& folder, const bool& failingNow)
        : FolderStudentStore(WorkingFolder(folder))
        , dir(folder)
        , failing(failingNow) {}
    FileOutcome save(const QString& name, const StudentRecord& record) override {
        if (failing && dir.exists(name + QStringLiteral(".stu")))
            return noSpaceFor(name);
        return FolderStudentStore::save(name, record);
    }
    FileOutcome rewrite(const QString& name, const StudentRecord& record) override {
        if (failing)
            return noSpaceFor(name);
        return FolderStudentStore::rewrite(name, record);
    }
    static FileOutcome noSpaceFor(const QString& name) {
        return {FileOutcome::Status::Failed,
                QStringLiteral("The student file \"%1.stu\" could not be written: No space "
                               "left on device")
                    .arg(name)};
    }
    const QDir dir;
    const bool& failing;
};

// The working folder on a server that answers the reading of a student file only when the test
// lets it, behind the store that writes in the background as the program's does.
struct FolderGate {
    std::atomic<bool> closed = false;
    std::counting_semaphore<8> pass{0};
};

struct GatedFolder final : FolderStudentStore {
    GatedFolder(const QString& folder, FolderGate& gate)
        : FolderStudentStore(WorkingFolder(folder))
        , m_gate(gate) {}
    FileOutcome load(const QString& name, StudentRecord& record) override {
        if (m_gate.closed)
            m_gate.pass.try_acquire_for(std::chrono::seconds(3));
        return FolderStudentStore::load(name, record);
    }

private:
    FolderGate& m_gate;
};

struct Fixture : test::OpenedMainWindow {
    // Drills open in real drill windows.
    void openDrill(DrillKind kind) {
        form->setDrillWindowFactory([this](MainWindow& main) {
            drill = new DrillWindow(globals.drillWindowState(), services, &main);
            return drill;
        });
        form->beginDrill(kind);
    }
    Fixture()
        : OpenedMainWindow(1, [this](const QString& folder) {
            return std::make_unique<FailingSaves>(folder, savesFail);
        }) {
        ok = provideStartFiles();
    }
    explicit Fixture(FolderGate& gate)
        : OpenedMainWindow(1, [&gate](const QString& folder) {
            return std::make_unique<QueuedStudentStore>(
                std::make_unique<GatedFolder>(folder, gate));
        }) {
        ok = provideStartFiles();
    }

    void writeStudent(const QString& name, const StudentRecord& record) const {
        QVERIFY(test::writeBytes(path(name + QStringLiteral(".stu")), recordBytes(record)));
    }
    // The student files and anything half-written beside them; the lock of the student in use
    // is no student file.
    QStringList studentFiles() const {
        QStringList files = folder().entryList({QStringLiteral("*.stu"), QStringLiteral("*.stu.*")},
                                               QDir::Files | QDir::Hidden, QDir::Name);
        files.removeIf([](const QString& name) { return name.endsWith(QStringLiteral(".lock")); });
        return files;
    }

    ClickableLabel& link(const QString& name) const { return control<ClickableLabel>(name); }
    void click(const QString& linkName) const {
        QTest::mouseClick(&link(linkName), Qt::LeftButton);
    }
    void press(const QString& buttonName) const {
        QTest::mouseClick(&control<QPushButton>(buttonName), Qt::LeftButton);
    }
    QFrame& newUserPanel() const { return control<QFrame>(QStringLiteral("Panel1")); }
    QFrame& selectPanel() const { return control<QFrame>(QStringLiteral("Panel2")); }
    QListWidget& list() const { return control<QListWidget>(QStringLiteral("ListBoxUsers")); }
    QString userLine() const { return control<QLabel>(QStringLiteral("Label3")).text(); }

    void typeNewUser(const QString& typed) const {
        click(QStringLiteral("LabelNewUser"));
        // While the link is off (students exist and none is chosen yet) the panel is opened
        // directly: its controls are made when it first opens.
        if (newUserPanel().isHidden())
            form->findChild<UserPanels*>()->openNewUserPanel();
        auto& edit = control<QLineEdit>(QStringLiteral("EditNewUser"));
        edit.setText(typed);
        QTest::keyClick(&edit, Qt::Key_Return);
    }
    void useName(const QString& name) const {
        click(QStringLiteral("LabelSelectUser"));
        const auto found = list().findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list().setCurrentItem(found.first());
        press(QStringLiteral("ButtonUseName"));
    }
    // Ann and Bob have files, and Ann is the student in use.
    void openAsAnnBesideBob() {
        writeStudent(QStringLiteral("Ann"), markedRecord(1));
        writeStudent(QStringLiteral("Bob"), markedRecord(2));
        open();
        useName(QStringLiteral("Ann"));
    }
    // Ann changes to Bob, or to the new user Cy.
    void leaveAnn(bool forNewUser) const {
        if (forNewUser)
            typeNewUser(QStringLiteral("Cy"));
        else
            useName(QStringLiteral("Bob"));
    }

    // Which links and menus are enabled, as "NU SU YS PR" and "B D H".
    QString linksOn() const {
        QStringList on;
        for (const QString& name : kLinkNames) {
            if (link(name).isEnabled())
                on.append(name);
        }
        return on.join(QLatin1Char(' '));
    }
    QStringList menusOn() const {
        QStringList on;
        for (QAction* action : form->menuBar()->actions()) {
            if (kMenuTitles.contains(action->text()) && action->isEnabled())
                on.append(action->text());
        }
        return on;
    }

    bool ok = true;
    bool savesFail = false;
    QPointer<DrillWindow> drill;
};

// Whether a frame in the colour runs down the left edge of a picture, near its middle.
bool framedIn(QWidget& image, QRgb colour) {
    const QImage picture = image.grab().toImage();
    for (int x = 0; x < 8 && x < picture.width(); ++x) {
        if (picture.pixel(x, picture.height() / 2) == (colour | 0xFF000000u))
            return true;
    }
    return false;
}

// Whether a panel background is filled with the colour at its corner.
bool filledIn(QWidget& image, QRgb colour) {
    const QImage picture = image.grab().toImage();
    return !picture.isNull() && picture.pixel(1, 1) == (colour | 0xFF000000u);
}

void chooseItem(QWidget& window, const char* group, const QString& item) {
    for (QRadioButton* b :
         window.findChild<QGroupBox*>(QLatin1String(group))->findChildren<QRadioButton*>()) {
        if (b->text() == item)
            b->click();
    }
}

int playedCount(const RecordingSoundPlayer& sound, const QString& file) {
    return int(std::count_if(sound.played.begin(), sound.played.end(),
                             [&](const QString& p) { return p.endsWith(file); }));
}

const QString kAllLinksOn = QStringLiteral("LabelNewUser LabelSelectUser LabelYourStats "
                                           "LabelPreferences");
const QStringList kMenusOn = {QStringLiteral("&Beginners Drills"), QStringLiteral("A&dditional"),
                              QStringLiteral("&Help")};

} // namespace

void tst_UserPanels::firstUserIsCreated() {
    Fixture f;
    QVERIFY(f.ok);
    f.open();
    QCOMPARE(f.linksOn(), QStringLiteral("LabelNewUser"));
    // The panels' controls are made when a panel first opens.
    QVERIFY(f.form->findChild<QLineEdit*>() == nullptr);
    QVERIFY(f.form->findChild<QListWidget*>() == nullptr);
    f.click(QStringLiteral("LabelNewUser"));
    QVERIFY(f.newUserPanel().isVisible());
    QVERIFY(f.control<QLineEdit>(QStringLiteral("EditNewUser")).isVisible());
    QCOMPARE(f.linksOn(), QString());
    QCOMPARE(f.control<QLabel>(QStringLiteral("LabelNewUserPrompt")).text(),
             QStringLiteral("Type in a new user name below and click the OK button."));

    f.control<QLineEdit>(QStringLiteral("EditNewUser")).setText(QStringLiteral("   Ann Lee  "));
    f.press(QStringLiteral("ButtonNewUserOk"));

    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Ann Lee"));
    QCOMPARE(f.studentFiles(), QStringList{QStringLiteral("Ann Lee.stu")});
    StudentRecord expected;
    expected.applyCreateDefaults();
    QCOMPARE(readBytes(f.path(QStringLiteral("Ann Lee.stu"))), recordBytes(expected));
    QVERIFY(f.globals.record.bytes() == expected.bytes());
    QVERIFY(f.newUserPanel().isHidden());
    QCOMPARE(f.userLine(), QStringLiteral("User = Ann Lee"));
    QCOMPARE(f.linksOn(), kAllLinksOn);
    QCOMPARE(f.menusOn(), kMenusOn);
    // The name in use can be deleted from the list as soon as the list first opens.
    f.click(QStringLiteral("LabelSelectUser"));
    QVERIFY(f.control<QPushButton>(QStringLiteral("ButtonDeleteName")).isEnabled());
    QVERIFY(f.control<QLineEdit>(QStringLiteral("EditPassword")).isEnabled());
}

void tst_UserPanels::refusedNameChangesNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: any message other than the length one
    QTest::newRow("1 after trimming") << QStringLiteral("  a ") << kWrongLength;
    QTest::newRow("41") << QString(41, QLatin1Char('z')) << kWrongLength;
    QTest::newRow("up and out") << QStringLiteral("../x") << QString();
    QTest::newRow("dot dot") << QStringLiteral("..") << QString();
    QTest::newRow("colon") << QStringLiteral("C:x") << QString();
    QTest::newRow("not Windows-1252") << QStringLiteral("\u03a9mega") << QString();
}

void tst_UserPanels::refusedNameChangesNothing() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Fixture f;
    f.writeStudent(QStringLiteral("Bob"), markedRecord(2));
    f.open();
    f.useName(QStringLiteral("Bob"));
    scoreDrills(f.globals);
    const StudentRecord before = f.globals.record;
    const QByteArray bobFile = readBytes(f.path(QStringLiteral("Bob.stu")));
    f.dialogs.shown.clear();

    f.typeNewUser(typed);

    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].title, kInvalidTitle);
    if (message.isEmpty())
        QVERIFY(f.dialogs.shown[0].text != kWrongLength);
    else
        QCOMPARE(f.dialogs.shown[0].text, message);
    QVERIFY(f.newUserPanel().isVisible());
    QCOMPARE(f.linksOn(), QString());
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Bob"));
    QVERIFY(f.globals.record.bytes() == before.bytes());
    QVERIFY(f.globals.sectionUsage.used(Section::BeginnersDrills));
    QCOMPARE(f.globals.drillSession.sessionPresses, std::int64_t(2500000));
    QCOMPARE(f.studentFiles(), QStringList{QStringLiteral("Bob.stu")});
    QCOMPARE(readBytes(f.path(QStringLiteral("Bob.stu"))), bobFile);
    QVERIFY(!QFile::exists(QDir(f.dir.path()).absoluteFilePath(QStringLiteral("../x.stu"))));
}

void tst_UserPanels::existingNameIsLeftByteForByte() {
    Fixture f;
    f.writeStudent(QStringLiteral("Bob"), markedRecord(2));
    const QByteArray annFile = QByteArrayLiteral("Ann's file, whatever it holds");
    QVERIFY(test::writeBytes(f.path(QStringLiteral("Ann.stu")), annFile));
    f.open();
    f.useName(QStringLiteral("Bob"));
    scoreDrills(f.globals);
    const StudentRecord before = f.globals.record;
    const QByteArray bobFile = readBytes(f.path(QStringLiteral("Bob.stu")));
    f.dialogs.shown.clear();

    f.typeNewUser(QStringLiteral("ANN"));

    QCOMPARE(f.dialogs.texts(), QStringList{kNameExists});
    QCOMPARE(readBytes(f.path(QStringLiteral("Ann.stu"))), annFile);
    QVERIFY(f.control<QLineEdit>(QStringLiteral("EditNewUser")).text().isEmpty());
    QVERIFY(f.newUserPanel().isVisible());
    // Bob's session goes on: no roll-over, nothing written.
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Bob"));
    QVERIFY(f.globals.record.bytes() == before.bytes());
    QVERIFY(f.globals.sectionUsage.used(Section::BeginnersDrills));
    QCOMPARE(readBytes(f.path(QStringLiteral("Bob.stu"))), bobFile);
}

void tst_UserPanels::nameRefusedAsExistingSaysWhatIsInTheWay_data() {
    QTest::addColumn<QString>("inTheWay");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("told");
    QTest::newRow("listed name") << QStringLiteral("Bob.stu") << QStringLiteral("Bob") << QString();
    QTest::newRow("folder") << QStringLiteral("Dirk.stu/") << QStringLiteral("Dirk")
                            << QStringLiteral(" A folder called \"Dirk.stu\" is in the way.");
    // "Zed.STU" is on the list as Zed, so the list itself says what is there.
    QTest::newRow("capital extension")
        << QStringLiteral("Zed.STU") << QStringLiteral("Zed") << QString();
}

void tst_UserPanels::nameRefusedAsExistingSaysWhatIsInTheWay() {
    QFETCH(QString, inTheWay);
    QFETCH(QString, typed);
    QFETCH(QString, told);
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(1));
    if (inTheWay.endsWith(u'/'))
        QVERIFY(f.folder().mkdir(inTheWay.chopped(1)));
    else
        QVERIFY(test::writeBytes(f.path(inTheWay), recordBytes(markedRecord(2))));
    f.open();
    f.typeNewUser(typed);
    QCOMPARE(f.dialogs.texts(), QStringList{kNameExists + told});
    QVERIFY(f.globals.currentUserName.isEmpty());
}

void tst_UserPanels::unwritableFolderIsReportedAndNothingIsMade() {
    Fixture f;
    f.open();
    // The working folder goes away under the running program.
    QVERIFY(QDir(f.dir.path()).removeRecursively());

    f.typeNewUser(QStringLiteral("Ann"));

    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, Dialogs::Kind::Error);
    QVERIFY2(f.dialogs.shown[0].text.contains(QStringLiteral("Ann.stu")),
             qPrintable(f.dialogs.shown[0].text));
    QVERIFY(f.globals.currentUserName.isEmpty());
    QVERIFY(f.newUserPanel().isVisible());
    // Only the menu of the class overview, which needs no student.
    QCOMPARE(f.menusOn(), QStringList{QStringLiteral("A&dditional")});
    QVERIFY(!QFileInfo::exists(f.dir.path()));
}

// A new or chosen student is said to a screen reader, and the focus leaves the closed panel for
// a link that shows.
void tst_UserPanels::becomingCurrentIsSaidWithTheFocusOnAShownLink() {
    Fixture f;
    f.writeStudent(QStringLiteral("Bob"), markedRecord(2));
    f.open();
    test::SpokenNotices notices;
    f.useName(QStringLiteral("Bob"));
    QCOMPARE(notices.messages(), QStringList{QStringLiteral("User = Bob")});
    QWidget* focused = f.form->focusWidget();
    QVERIFY(focused && focused->isVisible() && qobject_cast<ClickableLabel*>(focused));

    f.typeNewUser(QStringLiteral("Carl"));
    QCOMPARE(notices.messages().last(), QStringLiteral("User = Carl"));
    focused = f.form->focusWidget();
    QVERIFY(focused && focused->isVisible() && qobject_cast<ClickableLabel*>(focused));
}

void tst_UserPanels::newUserEndsTheOutgoingSessionOnceAndSavesIt() {
    Fixture f;
    f.writeStudent(QStringLiteral("Bob"), markedRecord(2));
    f.open();
    f.useName(QStringLiteral("Bob"));
    scoreDrills(f.globals);
    const StudentRecord bob = f.globals.record;

    f.typeNewUser(QStringLiteral("Carl"));

    StudentRecord saved;
    QVERIFY(StudentFile::load(f.path(QStringLiteral("Bob.stu")), saved).done());
    QCOMPARE(percentHistory(saved), pushed(percentHistory(bob), 92));
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Carl"));
    StudentRecord fresh = bob;
    fresh.applyCreateDefaults();
    QCOMPARE(readBytes(f.path(QStringLiteral("Carl.stu"))), recordBytes(fresh));
    QVERIFY(f.globals.record.bytes() == fresh.bytes());
    QVERIFY(!f.globals.sectionUsage.used(Section::BeginnersDrills));
    QCOMPARE(f.globals.drillSession.sessionPresses, std::int64_t(0));
    QCOMPARE(f.globals.drillSession.presented[5], std::int64_t(0));
    QCOMPARE(f.userLine(), QStringLiteral("User = Carl"));

    // Carl's session has not used the drills: closing moves none of Carl's histories.
    f.form->close();
    QCOMPARE(readBytes(f.path(QStringLiteral("Carl.stu"))), recordBytes(fresh));
}

void tst_UserPanels::cancelNewUserNeedsAStudentFile() {
    Fixture f;
    f.open();
    f.click(QStringLiteral("LabelNewUser"));
    f.press(QStringLiteral("ButtonNewUserCancel"));
    QCOMPARE(f.dialogs.texts(), QStringList{kNoUserFileYet});
    QVERIFY(f.newUserPanel().isVisible());

    // Any file the search finds will do, even one the list would not show.
    QVERIFY(test::writeBytes(f.path(QStringLiteral("Zed.STU")), QByteArrayLiteral("z")));
    f.control<QLineEdit>(QStringLiteral("EditNewUser")).setText(QStringLiteral("half typed"));
    f.press(QStringLiteral("ButtonNewUserCancel"));
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY(f.newUserPanel().isHidden());
    QVERIFY(f.control<QLineEdit>(QStringLiteral("EditNewUser")).text().isEmpty());
    QCOMPARE(f.linksOn(), kAllLinksOn);
}

void tst_UserPanels::selectListIsSortedAndStartsWithTheFirst() {
    Fixture f;
    for (const char* name : {"zed", "Carl", "ann", "Bob"})
        f.writeStudent(QString::fromLatin1(name), markedRecord(1));
    QVERIFY(test::writeBytes(f.path(QStringLiteral("Eve.STU")), QByteArrayLiteral("e")));
    // Anyone who may write in the folder may put a script here: listing names starts nothing.
    QVERIFY(test::writeBytes(f.path(QStringLiteral("rename.bat")), QByteArrayLiteral("del *")));
    f.open();
    // A new name is always possible: every listed one may be held elsewhere.
    QCOMPARE(f.linksOn(), QStringLiteral("LabelNewUser LabelSelectUser"));

    f.click(QStringLiteral("LabelSelectUser"));

    QVERIFY(f.shell.files.isEmpty());
    QVERIFY(f.selectPanel().isVisible());
    QCOMPARE(f.control<QLabel>(QStringLiteral("LabelSelectUserPrompt")).text(),
             QStringLiteral("Select a name from the list below."));
    QStringList shown;
    for (int i = 0; i < f.list().count(); ++i)
        shown.append(f.list().item(i)->text());
    // A student file is listed whatever the letter case of its extension.
    QCOMPARE(shown,
             (QStringList{QStringLiteral("ann"), QStringLiteral("Bob"), QStringLiteral("Carl"),
                          QStringLiteral("Eve"), QStringLiteral("zed")}));
    QCOMPARE(f.list().currentRow(), 0);
    QCOMPARE(f.linksOn(), QStringLiteral("LabelNewUser"));
    QVERIFY(!f.control<QPushButton>(QStringLiteral("ButtonDeleteName")).isEnabled());
}

void tst_UserPanels::useThisNameLoadsTheStudent() {
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(1));
    f.writeStudent(QStringLiteral("Bob"), markedRecord(2));
    f.open();
    f.useName(QStringLiteral("Bob"));

    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Bob"));
    QVERIFY(f.globals.record.bytes() == markedRecord(2).bytes());
    QVERIFY(f.selectPanel().isHidden());
    QCOMPARE(f.userLine(), QStringLiteral("User = Bob"));
    QCOMPARE(f.linksOn(), kAllLinksOn);
    QCOMPARE(f.menusOn(), kMenusOn);
    QVERIFY(f.control<QPushButton>(QStringLiteral("ButtonDeleteName")).isEnabled());
    QVERIFY(f.control<QLineEdit>(QStringLiteral("EditPassword")).isEnabled());

    // Bob's colour scheme is not the default one: the window is painted in it now, and so are
    // the panels when they open.
    // Bob's record has scheme 2, "Red": 8082121 as 0x00BBGGRR.
    const QRgb bobs = qRgb(201, 82, 123);
    QCOMPARE(int(markedRecord(2).colourScheme()), 2);
    for (const char* picture : {"Image2", "Image3", "Image4"})
        QVERIFY2(framedIn(f.control<QWidget>(QString::fromLatin1(picture)), bobs), picture);
    f.click(QStringLiteral("LabelSelectUser"));
    QVERIFY(filledIn(f.control<QWidget>(QStringLiteral("Image6")), bobs));
    f.press(QStringLiteral("ButtonSelectCancel"));
    f.click(QStringLiteral("LabelNewUser"));
    QVERIFY(filledIn(f.control<QWidget>(QStringLiteral("Image5")), bobs));
}

void tst_UserPanels::useThisNameWithoutTheKeyboardPictureSaysChooseOne() {
    Fixture f;
    StudentRecord german = markedRecord(1);
    german.setNationality(Nationality::German); // the folder holds only English US pictures
    f.writeStudent(QStringLiteral("Ann"), german);
    f.open();
    f.useName(QStringLiteral("Ann"));
    QCOMPARE(f.dialogs.texts(),
             QStringList{QStringLiteral(
                 "Choose a keyboard from the Additional/Keyboard Nationality Menu above.")});
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Ann"));
    QVERIFY(!f.form->keyboardPicture().isNull());
}

void tst_UserPanels::switchingUsersRollsOverOnce() {
    Fixture f;
    f.openAsAnnBesideBob();
    scoreDrills(f.globals);
    const QList<std::int32_t> annBefore = percentHistory(f.globals.record);
    const QByteArray bobFile = readBytes(f.path(QStringLiteral("Bob.stu")));

    // Ann's session ends with one new history entry, written back before Bob's record is read.
    f.useName(QStringLiteral("Bob"));
    StudentRecord annOnDisk;
    QVERIFY(StudentFile::load(f.path(QStringLiteral("Ann.stu")), annOnDisk).done());
    QCOMPARE(percentHistory(annOnDisk), pushed(annBefore, 92));

    // Taking Bob moves none of Bob's histories, now or at close.
    QVERIFY(f.globals.record.bytes() == markedRecord(2).bytes());
    f.form->close();
    QCOMPARE(readBytes(f.path(QStringLiteral("Bob.stu"))), bobFile);
}

void tst_UserPanels::vanishedFileMakesTheNameCurrentWithTheRecordUnchanged() {
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(1));
    f.writeStudent(QStringLiteral("Bob"), markedRecord(2));
    f.open();
    const StudentRecord before = f.globals.record;
    f.click(QStringLiteral("LabelSelectUser"));
    QVERIFY(QFile::remove(f.path(QStringLiteral("Ann.stu"))));
    f.press(QStringLiteral("ButtonUseName")); // Ann, the first entry

    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Ann"));
    QVERIFY(f.globals.record.bytes() == before.bytes());
    QCOMPARE(f.userLine(), QStringLiteral("User = Ann"));
    QVERIFY(f.selectPanel().isHidden());
    // Closing tells her the file has gone; it is made again only when she says so.
    f.dialogs.answers = {Dialogs::Answer::No};
    f.form->close();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY(
        f.dialogs.shown.first().text.contains(QStringLiteral("The student file of Ann has gone")));
    QVERIFY(!QFile::exists(f.path(QStringLiteral("Ann.stu"))));
}

void tst_UserPanels::unreadableFileKeepsTheCurrentStudent() {
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(1));
    QVERIFY(test::writeBytes(f.path(QStringLiteral("Bob.stu")), QByteArray(1000, 'b')));
    f.open();
    f.useName(QStringLiteral("Ann"));
    scoreDrills(f.globals);
    const StudentRecord ann = f.globals.record;

    f.useName(QStringLiteral("Bob"));

    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, Dialogs::Kind::Error);
    QVERIFY(f.dialogs.shown[0].text.contains(QStringLiteral("Bob.stu")));
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Ann"));
    QVERIFY(f.globals.record.bytes() == ann.bytes());
    QVERIFY(f.globals.sectionUsage.used(Section::BeginnersDrills));
    QVERIFY(f.selectPanel().isVisible());
    QCOMPARE(readBytes(f.path(QStringLiteral("Bob.stu"))), QByteArray(1000, 'b'));
}

void tst_UserPanels::closingRollsOverOnceThenSaves() {
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(1));
    f.open();
    f.useName(QStringLiteral("Ann"));
    scoreDrills(f.globals);
    const QList<std::int32_t> before = percentHistory(f.globals.record);

    f.form->close();
    f.form->close(); // a second close finds the session already ended

    StudentRecord saved;
    QVERIFY(StudentFile::load(f.path(QStringLiteral("Ann.stu")), saved).done());
    QCOMPARE(percentHistory(saved), pushed(before, 92));
}

void tst_UserPanels::closingWithoutAUserWritesNothing() {
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(1));
    const QByteArray annFile = readBytes(f.path(QStringLiteral("Ann.stu")));
    f.open();
    scoreDrills(f.globals);
    const StudentRecord before = f.globals.record;
    f.form->close();
    QVERIFY(f.globals.record.bytes() == before.bytes());
    QCOMPARE(readBytes(f.path(QStringLiteral("Ann.stu"))), annFile);
    QCOMPARE(f.studentFiles(), QStringList{QStringLiteral("Ann.stu")});
}

// A set is finished and saved, the student takes her own name again from the list, and closes:
// the file holds exactly one new history entry for the session.
void tst_UserPanels::retakingOwnNameKeepsTheSessionsHistoryEntry() {
    Fixture f;
    f.openAsAnnBesideBob();
    const QList<std::int32_t> before = percentHistory(f.globals.record);
    scoreDrills(f.globals);
    QVERIFY(saveStudent(f.globals.session, f.dialogs)); // the set's end

    f.useName(QStringLiteral("Ann"));
    f.form->close();

    StudentRecord saved;
    QVERIFY(StudentFile::load(f.path(QStringLiteral("Ann.stu")), saved).done());
    QCOMPARE(percentHistory(saved), pushed(before, 92));
    QCOMPARE(double(saved.figure(layout::kBegSessionKeys)), 250.0);
}

void tst_UserPanels::failedSaveKeepsTheStudentUntilTriedAgain_data() {
    QTest::addColumn<bool>("newUser");
    QTest::newRow("use this name") << false;
    QTest::newRow("new user") << true;
}

// The disk is full when Ann's session should be written on the way to Bob: she stays, her work
// stays, she is told what to do, and once there is room the same click goes through.
void tst_UserPanels::failedSaveKeepsTheStudentUntilTriedAgain() {
    QFETCH(bool, newUser);
    Fixture f;
    f.openAsAnnBesideBob();
    const QByteArray annFile = readBytes(f.path(QStringLiteral("Ann.stu")));
    scoreDrills(f.globals);
    const StudentRecord ann = f.globals.record;
    f.savesFail = true;

    f.leaveAnn(newUser);

    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, Dialogs::Kind::Error);
    QVERIFY(f.dialogs.shown[0].text.contains(QStringLiteral("No space left")));
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Ann"));
    QVERIFY(f.globals.record.bytes() == ann.bytes());
    QVERIFY(f.globals.sectionUsage.used(Section::BeginnersDrills));
    QCOMPARE(f.userLine(), QStringLiteral("User = Ann"));
    QVERIFY((newUser ? f.newUserPanel() : f.selectPanel()).isVisible());
    QCOMPARE(readBytes(f.path(QStringLiteral("Ann.stu"))), annFile);
    QVERIFY(!QFile::exists(f.path(QStringLiteral("Cy.stu"))));

    f.savesFail = false;
    if (newUser)
        QTest::keyClick(&f.control<QLineEdit>(QStringLiteral("EditNewUser")), Qt::Key_Return);
    else
        f.press(QStringLiteral("ButtonUseName"));
    QCOMPARE(f.globals.currentUserName, newUser ? QStringLiteral("Cy") : QStringLiteral("Bob"));
    StudentRecord saved;
    QVERIFY(StudentFile::load(f.path(QStringLiteral("Ann.stu")), saved).done());
    QCOMPARE(percentHistory(saved), pushed(percentHistory(ann), 92));
}

void tst_UserPanels::outgoingFileGoneFromOutsideIsToldBeforeTheChange_data() {
    QTest::addColumn<bool>("newUser");
    QTest::addColumn<bool>("replaced"); // otherwise deleted
    QTest::addColumn<bool>("writeAnew");
    for (const bool newUser : {false, true}) {
        for (const bool replaced : {false, true}) {
            for (const bool writeAnew : {true, false}) {
                QTest::addRow("%s, %s, %s", newUser ? "new user" : "use this name",
                              replaced ? "replaced" : "deleted", writeAnew ? "yes" : "no")
                    << newUser << replaced << writeAnew;
            }
        }
    }
}

// After Ann's last set something outside Keyfarer deletes her file or copies another over it,
// and she goes on to another name: she is told before her session goes. Yes writes her file
// anew with the session's entry and then changes; no changes without it, as she was told.
void tst_UserPanels::outgoingFileGoneFromOutsideIsToldBeforeTheChange() {
    QFETCH(bool, newUser);
    QFETCH(bool, replaced);
    QFETCH(bool, writeAnew);
    Fixture f;
    f.openAsAnnBesideBob();
    scoreDrills(f.globals);
    const StudentRecord ann = f.globals.record;
    const QString annFile = f.path(QStringLiteral("Ann.stu"));
    const StudentRecord outside = markedRecord(9);
    if (replaced)
        f.writeStudent(QStringLiteral("Ann"), outside);
    else
        QVERIFY(QFile::remove(annFile));
    f.dialogs.answers = {writeAnew ? Dialogs::Answer::Yes : Dialogs::Answer::No};

    const QString incoming = newUser ? QStringLiteral("Cy") : QStringLiteral("Bob");
    if (newUser)
        f.typeNewUser(incoming);
    else
        f.useName(incoming);

    QCOMPARE(f.dialogs.shown.size(), 1);
    const QString told = f.dialogs.shown.first().text;
    QCOMPARE(f.dialogs.shown.first().buttons, Dialogs::Buttons::YesNo);
    QVERIFY2(told.startsWith(replaced
                                 ? QStringLiteral("The student file of Ann has changed on disk")
                                 : QStringLiteral("The student file of Ann has gone")),
             qPrintable(told));
    QVERIFY2(told.contains(QStringLiteral("If you answer No, the student changes all the same")),
             qPrintable(told));
    QCOMPARE(f.globals.currentUserName, incoming);
    QCOMPARE(f.userLine(), QStringLiteral("User = ") + incoming);
    if (writeAnew) {
        StudentRecord saved;
        QVERIFY(StudentFile::load(annFile, saved).done());
        QCOMPARE(percentHistory(saved), pushed(percentHistory(ann), 92));
        QCOMPARE(double(saved.figure(layout::kBegSessionKeys)), 250.0);
    } else if (replaced) {
        QCOMPARE(readBytes(annFile), recordBytes(outside));
    } else {
        QVERIFY(!QFile::exists(annFile));
    }
}

void tst_UserPanels::writingTheOutgoingFileAnewThatFailsChangesNothing_data() {
    QTest::addColumn<bool>("newUser");
    QTest::newRow("use this name") << false;
    QTest::newRow("new user") << true;
}

// Ann's file has gone and the disk is full when she asks for it to be written anew on the way
// to Bob: she stays with her work, is told what failed, and once there is room she is asked
// again and the same click goes through.
void tst_UserPanels::writingTheOutgoingFileAnewThatFailsChangesNothing() {
    QFETCH(bool, newUser);
    Fixture f;
    f.openAsAnnBesideBob();
    scoreDrills(f.globals);
    const StudentRecord ann = f.globals.record;
    const QString annFile = f.path(QStringLiteral("Ann.stu"));
    QVERIFY(QFile::remove(annFile));
    f.savesFail = true;
    f.dialogs.answers = {Dialogs::Answer::Yes};
    const auto change = [&] { f.leaveAnn(newUser); };

    change();

    QCOMPARE(f.dialogs.shown.size(), 2);
    QCOMPARE(f.dialogs.shown[1].kind, Dialogs::Kind::Error);
    QVERIFY(f.dialogs.shown[1].text.contains(QStringLiteral("Ann.stu\" could not be written")));
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Ann"));
    QVERIFY(f.globals.record.bytes() == ann.bytes());
    QVERIFY(f.globals.sectionUsage.used(Section::BeginnersDrills));
    QCOMPARE(f.userLine(), QStringLiteral("User = Ann"));
    QVERIFY((newUser ? f.newUserPanel() : f.selectPanel()).isVisible());
    QCOMPARE(f.studentFiles(), QStringList{QStringLiteral("Bob.stu")});

    f.savesFail = false;
    f.dialogs.shown.clear();
    f.dialogs.answers = {Dialogs::Answer::Yes};
    change();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(f.globals.currentUserName, newUser ? QStringLiteral("Cy") : QStringLiteral("Bob"));
    StudentRecord saved;
    QVERIFY(StudentFile::load(annFile, saved).done());
    QCOMPARE(percentHistory(saved), pushed(percentHistory(ann), 92));
}

// Ann views Bob's report, then her own again, and closes: her session is still hers.
void tst_UserPanels::viewingAnotherStudentAndComingBackKeepsTheHistoryEntry() {
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(1));
    f.writeStudent(QStringLiteral("Bob"), markedRecord(2));
    const QByteArray bobFile = readBytes(f.path(QStringLiteral("Bob.stu")));
    f.open();
    f.useName(QStringLiteral("Ann"));
    const QList<std::int32_t> before = percentHistory(f.globals.record);
    scoreDrills(f.globals);
    QVERIFY(saveStudent(f.globals.session, f.dialogs));

    f.click(QStringLiteral("LabelYourStats"));
    auto* charts = f.form->findChild<StatisticsWindow*>();
    QVERIFY(charts != nullptr);
    charts->findChild<QPushButton*>(QStringLiteral("ButtonViewReportKeys"))->click();
    auto* names = charts->findChild<QListWidget*>(QStringLiteral("ListBoxReportNames"));
    for (const QString& name : {QStringLiteral("Bob"), QStringLiteral("Ann")}) {
        names->setCurrentItem(names->findItems(name, Qt::MatchExactly).first());
        charts->findChild<QPushButton*>(QStringLiteral("ButtonReportViewName"))->click();
        QCOMPARE(f.globals.currentUserName, name);
    }
    charts->close();
    f.form->close();

    StudentRecord saved;
    QVERIFY(StudentFile::load(f.path(QStringLiteral("Ann.stu")), saved).done());
    QCOMPARE(percentHistory(saved), pushed(before, 92));
    // Viewing writes nothing into the viewed student's file.
    QCOMPARE(readBytes(f.path(QStringLiteral("Bob.stu"))), bobFile);
}

void tst_UserPanels::deletionRefusals_data() {
    QTest::addColumn<QStringList>("students");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<QStringList>("messages");
    const QStringList three = {QStringLiteral("Ann"), QStringLiteral("Bob"),
                               QStringLiteral("Carl")};
    QTest::newRow("wrong password")
        << three << QStringLiteral("Carl") << QStringLiteral("rosterpurgekey") << true
        << QStringList{kWrongPassword};
    QTest::newRow("no password") << three << QStringLiteral("Carl") << QString() << true
                                 << QStringList{kWrongPassword};
    QTest::newRow("answered no") << three << QStringLiteral("Carl")
                                 << QStringLiteral("RosterPurgeKey") << false
                                 << QStringList{kReallyDelete};
    QTest::newRow("current name") << three << QStringLiteral("Ann")
                                  << QStringLiteral("RosterPurgeKey") << true
                                  << QStringList{kReallyDelete, kNameInUse};
    QTest::newRow("last name") << QStringList{QStringLiteral("Ann")} << QStringLiteral("Ann")
                               << QStringLiteral("RosterPurgeKey") << true
                               << QStringList{kReallyDelete, kLastName};
}

void tst_UserPanels::deletionRefusals() {
    QFETCH(QStringList, students);
    QFETCH(QString, entry);
    QFETCH(QString, password);
    QFETCH(bool, answerYes);
    QFETCH(QStringList, messages);
    Fixture f;
    for (const QString& name : students)
        f.writeStudent(name, markedRecord(3));
    f.open();
    f.useName(QStringLiteral("Ann"));
    const QStringList filesBefore = f.studentFiles();
    f.dialogs.shown.clear();

    f.click(QStringLiteral("LabelSelectUser"));
    f.list().setCurrentItem(f.list().findItems(entry, Qt::MatchExactly).first());
    f.control<QLineEdit>(QStringLiteral("EditPassword")).setText(password);
    f.dialogs.answers = {answerYes ? Dialogs::Answer::Yes : Dialogs::Answer::No};
    f.press(QStringLiteral("ButtonDeleteName"));

    QCOMPARE(f.dialogs.texts(), messages);
    QCOMPARE(f.studentFiles(), filesBefore);
    QCOMPARE(f.list().count(), students.size());
    QVERIFY(f.selectPanel().isVisible());
}

void tst_UserPanels::deletionRemovesFileAndEntry() {
    Fixture f;
    for (const char* name : {"Ann", "Bob", "Carl"})
        f.writeStudent(QString::fromLatin1(name), markedRecord(3));
    f.open();
    f.useName(QStringLiteral("Ann"));
    f.click(QStringLiteral("LabelSelectUser"));
    f.list().setCurrentItem(f.list().findItems(QStringLiteral("Bob"), Qt::MatchExactly).first());
    f.control<QLineEdit>(QStringLiteral("EditPassword")).setText(QStringLiteral("RosterPurgeKey"));
    f.dialogs.shown.clear();
    f.press(QStringLiteral("ButtonDeleteName"));

    QCOMPARE(f.dialogs.texts(), QStringList{kReallyDelete});
    QCOMPARE(f.studentFiles(),
             (QStringList{QStringLiteral("Ann.stu"), QStringLiteral("Carl.stu")}));
    QVERIFY(f.list().findItems(QStringLiteral("Bob"), Qt::MatchExactly).isEmpty());
    QVERIFY(f.control<QLineEdit>(QStringLiteral("EditPassword")).text().isEmpty());
    QVERIFY(f.selectPanel().isHidden());
    QCOMPARE(f.linksOn(), kAllLinksOn);
    QCOMPARE(f.menusOn(), kMenusOn);
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Ann"));
}

void tst_UserPanels::cancelSelectionNeedsAUser() {
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(1));
    f.open();
    f.click(QStringLiteral("LabelSelectUser"));
    f.press(QStringLiteral("ButtonSelectCancel"));
    QCOMPARE(f.dialogs.texts(), QStringList{kNoUserChosenYet});
    QVERIFY(f.selectPanel().isVisible());
    // Not a dead end: a pupil whose name is held elsewhere can make her own.
    QCOMPARE(f.linksOn(), QStringLiteral("LabelNewUser"));

    f.press(QStringLiteral("ButtonUseName"));
    f.click(QStringLiteral("LabelSelectUser"));
    f.control<QLineEdit>(QStringLiteral("EditPassword")).setText(QStringLiteral("typed"));
    f.press(QStringLiteral("ButtonSelectCancel"));
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY(f.selectPanel().isHidden());
    QVERIFY(f.control<QLineEdit>(QStringLiteral("EditPassword")).text().isEmpty());
    QCOMPARE(f.linksOn(), kAllLinksOn);
}

void tst_UserPanels::preferencesOpensItsWindowAndYourStatsAsksForCharts() {
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(1));
    f.open();
    f.useName(QStringLiteral("Ann"));
    auto* panels = f.form->findChild<UserPanels*>();
    QVERIFY(panels != nullptr);
    QSignalSpy charts(panels, &UserPanels::chartsWindowRequested);
    f.click(QStringLiteral("LabelYourStats"));
    QCOMPARE(charts.count(), 1);
    auto* chartsWindow = f.form->findChild<StatisticsWindow*>();
    QVERIFY(chartsWindow != nullptr);
    QVERIFY(chartsWindow->isVisible());
    QCOMPARE(chartsWindow->windowTitle(), QStringLiteral("Statistics"));
    chartsWindow->close();

    f.click(QStringLiteral("LabelPreferences"));
    auto* options = f.form->findChild<PreferencesDialog*>();
    QVERIFY(options != nullptr);
    QVERIFY(options->isVisible());
    QCOMPARE(charts.count(), 1);
    // A border colour chosen there repaints the main window at once.
    const QRgb purple = qRgb(172, 123, 171); // 11238316 as 0x00BBGGRR
    QVERIFY(!framedIn(f.control<QWidget>(QStringLiteral("Image2")), purple));
    auto* borders = options->findChild<QGroupBox*>(QStringLiteral("RadioGroup8"));
    QVERIFY(borders != nullptr);
    for (QRadioButton* button : borders->findChildren<QRadioButton*>()) {
        if (button->text() == QStringLiteral("Purple"))
            button->click();
    }
    QCOMPARE(int(f.globals.record.colourScheme()), 3);
    QVERIFY(framedIn(f.control<QWidget>(QStringLiteral("Image2")), purple));
    QVERIFY(filledIn(f.control<QWidget>(QStringLiteral("Image5")), purple));
}

void tst_UserPanels::aStudentViewedInTheChartsIsNamedOnTheUserLine() {
    Fixture f;
    f.openAsAnnBesideBob();
    f.click(QStringLiteral("LabelYourStats"));
    auto* charts = f.form->findChild<StatisticsWindow*>();
    QVERIFY(charts != nullptr);

    charts->findChild<QPushButton*>(QStringLiteral("ButtonViewReportKeys"))->click();
    auto* names = charts->findChild<QListWidget*>(QStringLiteral("ListBoxReportNames"));
    names->setCurrentItem(names->findItems(QStringLiteral("Bob"), Qt::MatchExactly).first());
    charts->findChild<QPushButton*>(QStringLiteral("ButtonReportViewName"))->click();

    QCOMPARE(f.globals.currentUserName, QStringLiteral("Bob"));
    QVERIFY(f.globals.record.bytes() == markedRecord(2).bytes());
    QCOMPARE(f.control<QLabel>(QStringLiteral("Label3")).text(), QStringLiteral("User = Bob"));
    charts->close();
}

void tst_UserPanels::preferencesFromTheMainWindowRepaintTheDrillOpenedLater() {
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(0));
    f.open();
    f.useName(QStringLiteral("Ann"));
    f.click(QStringLiteral("LabelPreferences"));
    QPointer<PreferencesDialog> options = f.form->findChild<PreferencesDialog*>();
    QVERIFY(options);
    f.openDrill(DrillKind::HomeRowOnly);
    QVERIFY(f.drill);

    chooseItem(*options, "RadioGroup8", QStringLiteral("Purple"));
    const QRgb purple = qRgb(172, 123, 171); // 11238316 as 0x00BBGGRR
    QVERIFY(framedIn(*f.drill->findChild<QWidget*>(QStringLiteral("Image10")), purple));
    QCOMPARE(f.drill->findChild<QLabel*>(QStringLiteral("Label3"))
                 ->palette()
                 .color(QPalette::WindowText),
             QColor(137, 65, 130)); // 8536457 as 0x00BBGGRR

    // Escape is the Close button: the click sounds and the window goes.
    const int clicks = playedCount(f.sound, QStringLiteral("click_2.wav"));
    QTest::keyClick(options.data(), Qt::Key_Escape);
    QVERIFY(!options || !options->isVisible());
    QCOMPARE(playedCount(f.sound, QStringLiteral("click_2.wav")), clicks + 1);
    f.drill->close();
}

void tst_UserPanels::preferencesOfAClosedDrillStillSave() {
    Fixture f;
    f.writeStudent(QStringLiteral("Ann"), markedRecord(0));
    f.open();
    f.useName(QStringLiteral("Ann"));
    f.openDrill(DrillKind::HomeRowOnly);
    f.drill->findChild<QToolButton*>(QStringLiteral("SpeedButton11"))->click();
    QPointer<PreferencesDialog> options = f.form->findChild<PreferencesDialog*>();
    QVERIFY(options);
    chooseItem(*options, "RadioGroup9", QStringLiteral("Hide all Keys"));

    f.drill->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.drill);
    QVERIFY(options);
    options->close();
    StudentRecord saved;
    QVERIFY(StudentFile::load(f.path(QStringLiteral("Ann.stu")), saved).done());
    QCOMPARE(saved.byte(layout::kCharactersShown), 0);
}

namespace {

// What the window was like while a change of student waited for the folder.
struct WhileWaiting {
    int beats = 0;
    QString userLine;
    QString typedPassword;
    bool busyCursor = false;
};

// Ann changes to Bob while reading Bob's file waits for the test: during may act on the window,
// then the folder answers.
WhileWaiting changeToBobOnASlowFolder(Fixture& f, FolderGate& gate,
                                      const std::function<void()>& during = {}) {
    WhileWaiting seen;
    int beats = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] { ++beats; });
    gate.closed = true;
    beat.start(5);
    // When the change does not let the loop turn, this never runs during it.
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        seen.beats = beats;
        seen.userLine = f.userLine();
        const QCursor* cursor = QGuiApplication::overrideCursor();
        seen.busyCursor = cursor != nullptr && cursor->shape() == Qt::BusyCursor;
        auto& password = f.control<QLineEdit>(QStringLiteral("EditPassword"));
        QTest::keyClicks(&password, QStringLiteral("RosterPurgeKey"));
        seen.typedPassword = password.text();
        if (during)
            during();
        gate.closed = false;
        gate.pass.release();
    });
    answer.start(200);
    f.useName(QStringLiteral("Bob"));
    return seen;
}

} // namespace

// Bob's file takes its time to come: the window paints and its timers run meanwhile, the student's
// typing is held back under a busy cursor, and the change then ends as on a quick folder.
void tst_UserPanels::aChangeOnASlowFolderKeepsTheWindowTurning() {
    FolderGate gate;
    Fixture f(gate);
    QVERIFY(f.ok);
    f.openAsAnnBesideBob();
    scoreDrills(f.globals);
    const QList<std::int32_t> annBefore = percentHistory(f.globals.record);

    const WhileWaiting seen = changeToBobOnASlowFolder(f, gate);
    QVERIFY2(seen.beats >= 10, qPrintable(QString::number(seen.beats)));
    QCOMPARE(seen.userLine, QStringLiteral("User = Ann"));
    QVERIFY(seen.busyCursor);
    QCOMPARE(seen.typedPassword, QString());

    QCOMPARE(f.userLine(), QStringLiteral("User = Bob"));
    QCOMPARE(f.globals.session.owner(), QStringLiteral("Bob"));
    QVERIFY(f.globals.record.bytes() == markedRecord(2).bytes());
    QVERIFY(QFileInfo::exists(f.path(QStringLiteral("Bob.stu.lock"))));
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("Ann.stu.lock"))));
    StudentRecord annOnDisk;
    QVERIFY(StudentFile::load(f.path(QStringLiteral("Ann.stu")), annOnDisk).done());
    QCOMPARE(percentHistory(annOnDisk), pushed(annBefore, 92));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

// The window is closed while Bob's file is on its way: it stays until the change is over, then
// closes on Bob, whose lock goes with him.
void tst_UserPanels::closingDuringAChangeWaitsForIt() {
    FolderGate gate;
    Fixture f(gate);
    QVERIFY(f.ok);
    f.openAsAnnBesideBob();
    bool openDuringChange = false;
    const WhileWaiting seen = changeToBobOnASlowFolder(f, gate, [&] {
        f.form->close();
        openDuringChange = f.form->isVisible();
    });
    QCOMPARE(seen.userLine, QStringLiteral("User = Ann"));
    QVERIFY(openDuringChange);
    QCOMPARE(f.userLine(), QStringLiteral("User = Bob"));
    QTRY_VERIFY(!f.form->isVisible());
    QVERIFY(f.globals.session.owner().isEmpty());
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("Bob.stu.lock"))));
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("Ann.stu.lock"))));
}

QTEST_MAIN(tst_UserPanels)
#include "tst_UserPanels.moc"
