// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrillHarness.h"
#include "app/MainWindow.h"
#include "drills/DrillLayout.h"
#include "drills/DrillWindow.h"
#include "keyboard/KeyboardPictureFile.h"
#include "keyboard/Windows1252.h"
#include "options/PreferencesDialog.h"
#include "progress/StatisticsWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace kf;
using namespace kf::test;
namespace L = kf::layout;

class tst_DrillWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsCarryTheirCaptionsAndHints_data();
    void controlsCarryTheirCaptionsAndHints();
    void layoutAtCreation_data();
    void layoutAtCreation();
    void designFontSizesArePoints_data();
    void designFontSizesArePoints();
    void layoutFollowsTheClientArea_data();
    void layoutFollowsTheClientArea();
    void typingASetWithKeyClicks();
    void sessionPercentRoundsTheDecimalTieUp();
    void timersRunAsTheDrillSays();
    void spaceAndEnterPressTheFocusedButton();
    void ownKeysFieldGetsWhatIsTyped();
    void escapeInTheOwnKeysFieldLeaves();
    void ownKeysVerification();
    void germanOwnKeysRefuseTheBrokenBar();
    void deadKeysArriveAsOneCharacter_data();
    void deadKeysArriveAsOneCharacter();
    void typedCharacters_data();
    void typedCharacters();
    void deleteLeavesTheStudentFileAlone();
    void inputMethodsAreOnWhereverTheFocusIs();
    void ampersandShowsOnce();
    void guidanceShowsAmpersands_data();
    void guidanceShowsAmpersands();
    void closingGivesTheMainWindowItsPlaceBack();
    void hideAndShowRows();
    void toolButtons();
    void optionsWindowOpensOnItsPage_data();
    void optionsWindowOpensOnItsPage();
    void soundButtonSaysWhetherSoundIsOn();
    void chartsWindowOpensOverTheDrill();
    void preferencesRepaintTheOpenDrill();
    void viewingAnotherStudentFromTheChartsRenewsTheDrill();
    void helpOpensOnlyAnExistingFile();
    void pictureIsResetForEachTarget();
    void handsAreDrawnOnTheHandTimer();
    void tildeWithoutAKeyGetsTheLeftHandAndNoMark_data();
    void tildeWithoutAKeyGetsTheLeftHandAndNoMark();
    void missingPicturesAndGlyphsAreTolerated();

private:
    DrillWindow& openForm(DrillKind kind);
    // As the program opens it: from the main window, which the drill window takes the place of.
    MainWindow& openFromMainWindow(DrillKind kind, QPoint mainWindowAt = {});
    void activateForm();
    QWidget* client() const { return m_form->centralWidget(); }
    QString text(const char* name) const {
        return m_form->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QWidget* control(const char* name) const {
        return m_form->findChild<QWidget*>(QString::fromLatin1(name));
    }
    void type(QChar c, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::sendKeyEvent(QTest::Click,
                            QApplication::focusWidget() ? QApplication::focusWidget() : client(),
                            Qt::Key_unknown, QString(c), mods);
    }
    void verifyAndBegin(const QString& keys);

    std::unique_ptr<DrillHarness> m_h;
    std::unique_ptr<DrillWindow> m_form;
    std::unique_ptr<MainWindow> m_mainWindow; // gone after the drill window it may own
};

void tst_DrillWindow::init() {
    m_h = std::make_unique<DrillHarness>();
    m_h->shipFiles();
}

void tst_DrillWindow::cleanup() {
    m_form.reset();
    m_mainWindow.reset();
    m_h.reset();
}

DrillWindow& tst_DrillWindow::openForm(DrillKind kind) {
    m_h->globals.activity.selectDrill(kind);
    m_form = std::make_unique<DrillWindow>(m_h->globals.drillWindowState(), m_h->services);
    m_form->show();
    activateForm();
    return *m_form;
}

MainWindow& tst_DrillWindow::openFromMainWindow(DrillKind kind, QPoint mainWindowAt) {
    m_mainWindow = std::make_unique<MainWindow>(m_h->globals, m_h->services);
    m_mainWindow->setDrillWindowFactory([this](MainWindow& main) {
        m_form =
            std::make_unique<DrillWindow>(m_h->globals.drillWindowState(), m_h->services, &main);
        return m_form.get();
    });
    m_mainWindow->move(mainWindowAt);
    m_mainWindow->show();
    m_mainWindow->beginDrill(kind);
    activateForm();
    return *m_mainWindow;
}

void tst_DrillWindow::activateForm() {
    m_form->activateWindow();
    if (!QTest::qWaitForWindowActive(m_form.get()))
        qWarning("the drill window did not become active");
}

void tst_DrillWindow::verifyAndBegin(const QString& keys) {
    m_form->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(keys);
    m_form->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    m_form->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
}

void tst_DrillWindow::controlsCarryTheirCaptionsAndHints_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    const auto row = [](const char* name, const char* caption, const char* hint) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << QString::fromLatin1(hint);
    };
    row("SpeedButton5", "", "Adjust Hand Delay");
    row("SpeedButton6", "10", "Do 10 Letters at a time");
    row("SpeedButton7", "20", "Do 20 Letters at a time");
    row("SpeedButton8", "30", "Do 30 Letters at a time");
    row("SpeedButton9", "", "Sound On");
    row("SpeedButton11", "", "Colors");
    row("SpeedButton12", "", "Charts");
    row("SpeedButton13", "", "Show All Keys");
    row("SpeedButton14", "", "Hide Keys on Keyboard");
    row("SpeedButton15", "A", "Include Upper Case Letters");
    row("SpeedButton16", "a", "Lower Case Only");
    row("SpeedButton18", "Options", "Open options window");
    row("SpeedButton17", "", "Exit Lessons");
    row("SpeedButton4", "", "Click to Hide");
    row("SpeedButton1", "", "Hide this if Distracting");
    row("Button1", "Verify these Keys", "");
    row("Button2", "Begin Typing", "");
    row("Button3", "Exit to Main Menu", "");
    row("Label1", "Beginners Drills:", "");
    row("Label25", "Done", "");
    row("Label82", "Type the", "");
    row("Label83", "Character", "");
    row("Label26", "Time:", "");
    row("Label81", "Last correct:", "");
    row("Label90", "You missed:", "");
    row("Label91", "by typing:", "");
    row("Label92", "Pause!", "");
    row("Label2", "Beginners Stats", "");
    row("Label12", "You will be typing:", "");
    row("Label13", "Characters not allowed:", "");
    row("Label15", "Tip: You can adjust how fast you are shown the key to type on the keyboard.",
        "");
    row("Label14",
        "Tip: Point your mouse over the various Option buttons to see what they are for.", "");
    row("Label10", "Tip: Use the Escape Key to quit in the middle of an exercise.", "");
    row("Label11",
        "Type between 2 and 10 characters to practice, then click the \"Verify these Keys\" "
        "button. After that, click the \"Begin Typing\" button. Unallowed characters will be "
        "deleted.",
        "");
}

void tst_DrillWindow::controlsCarryTheirCaptionsAndHints() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    openForm(DrillKind::HomeRowOnly);
    QWidget* w = m_form->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    if (auto* label = qobject_cast<QLabel*>(w))
        QCOMPARE(label->text(), caption);
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        QCOMPARE(button->text(), caption);
    QCOMPARE(w->toolTip(), hint);
}

void tst_DrillWindow::layoutAtCreation_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    // The design client area is 774 x 528: the keyboard sits at (93, 245).
    QTest::newRow("Image1") << QStringLiteral("Image1") << QRect(93, 245, 587, 283);
    QTest::newRow("PanelTop") << QStringLiteral("PanelTop") << QRect(0, 0, 774, 245);
    QTest::newRow("PanelLeft") << QStringLiteral("PanelLeft") << QRect(0, 244, 93, 283);
    QTest::newRow("PanelRight") << QStringLiteral("PanelRight") << QRect(680, 244, 94, 283);
    QTest::newRow("Image10 fills PanelTop") << QStringLiteral("Image10") << QRect(0, 0, 774, 245);
    QTest::newRow("Image3 fills PanelLeft") << QStringLiteral("Image3") << QRect(0, 0, 93, 283);
    QTest::newRow("Image4 fills PanelRight") << QStringLiteral("Image4") << QRect(0, 0, 94, 283);
    QTest::newRow("Panel2") << QStringLiteral("Panel2") << QRect(187, 143, 400, 241);
    QTest::newRow("Panel11") << QStringLiteral("Panel11") << QRect(153, 256, 467, 260);
    QTest::newRow("Panel5") << QStringLiteral("Panel5") << QRect(211, 188, 352, 174);
    QTest::newRow("Image2") << QStringLiteral("Image2") << QRect(-200, -200, 105, 105);
    QTest::newRow("Label17") << QStringLiteral("Label17") << QRect(8, 4, 370, 87);
}

void tst_DrillWindow::layoutAtCreation() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    openForm(DrillKind::HomeRowOnly);
    QCOMPARE(client()->size(), QSize(774, 528));
    QCOMPARE(m_form->findChild<QWidget*>(name)->geometry(), geometry);

    QWidget* panel1 = control("Panel1");
    QCOMPARE(panel1->pos(), QPoint(22, 48));
    QWidget* label1 = control("Label1");
    QCOMPARE(label1->pos(), QPoint(17, 13));
    QCOMPARE(control("Label3")->pos(), QPoint(17 + label1->width() + 17, 12));
    // The tool panels are centred in their side panels.
    for (const auto& [side, tools] :
         {std::pair{"PanelLeft", "Panel36"}, std::pair{"PanelRight", "Panel37"}}) {
        QWidget* s = control(side);
        QWidget* t = control(tools);
        QCOMPARE(t->x(), (s->width() - t->width()) / 2);
        QCOMPARE(t->palette().color(QPalette::Window), QColor(254, 254, 246));
    }
    // Panel19 starts 50 wide, centred in Panel18.
    QWidget* target = control("Panel19");
    QCOMPARE(target->width(), 50);
    QCOMPARE(target->x(), (control("Panel18")->width() - 50) / 2);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Keyfarer Typing Tutor (Beginners Drills)"));
}

void tst_DrillWindow::designFontSizesArePoints_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("points");
    QTest::newRow("guidance") << QStringLiteral("Label17") << 13;
    QTest::newRow("drill title") << QStringLiteral("Label3") << 24;
    QTest::newRow("Pause!") << QStringLiteral("Label92") << 19;
    QTest::newRow("target") << QStringLiteral("Panel19") << 14;
}

void tst_DrillWindow::designFontSizesArePoints() {
    QFETCH(QString, name);
    QFETCH(int, points);
    openForm(DrillKind::HomeRowOnly);
    const QFont font = m_form->findChild<QWidget*>(name)->font();
    QCOMPARE(font.pointSize(), points);
    // The window's own font is the one given in pixels: 15 high.
    QCOMPARE(m_form->font().pixelSize(), 15);
}

void tst_DrillWindow::layoutFollowsTheClientArea_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("keyboardPicture");
    QTest::addColumn<QRect>("panelTop");
    QTest::addColumn<QRect>("panelLeft");
    QTest::addColumn<QRect>("panelRight");
    QTest::addColumn<QRect>("ownKeysBox");
    QTest::addColumn<QRect>("statisticsBox");
    QTest::addColumn<QRect>("tipsBox");
    QTest::newRow("design") << QSize(774, 528) << QRect(93, 245, 587, 283) << QRect(0, 0, 774, 245)
                            << QRect(0, 244, 93, 283) << QRect(680, 244, 94, 283)
                            << QRect(187, 143, 400, 241) << QRect(153, 256, 467, 260)
                            << QRect(211, 188, 352, 174);
    QTest::newRow("main window") << QSize(800, 579) << QRect(106, 296, 587, 283)
                                 << QRect(0, 0, 800, 296) << QRect(0, 295, 106, 283)
                                 << QRect(693, 295, 107, 283) << QRect(200, 169, 400, 241)
                                 << QRect(166, 307, 467, 260) << QRect(224, 188, 352, 174);
    QTest::newRow("odd sizes round toward zero")
        << QSize(775, 529) << QRect(94, 246, 587, 283) << QRect(0, 0, 775, 246)
        << QRect(0, 245, 94, 283) << QRect(681, 245, 94, 283) << QRect(187, 144, 400, 241)
        << QRect(154, 257, 467, 260) << QRect(211, 188, 352, 174);
}

void tst_DrillWindow::layoutFollowsTheClientArea() {
    QFETCH(QSize, client);
    const DrillLayout l = computeDrillLayout(client, kKeyboardPictureSize);
    QTEST(l.keyboardPicture, "keyboardPicture");
    QTEST(l.panelTop, "panelTop");
    QTEST(l.panelLeft, "panelLeft");
    QTEST(l.panelRight, "panelRight");
    QTEST(l.ownKeysBox, "ownKeysBox");
    QTEST(l.statisticsBox, "statisticsBox");
    QTEST(l.tipsBox, "tipsBox");
}

void tst_DrillWindow::typingASetWithKeyClicks() {
    openForm(DrillKind::ChooseYourOwnKeys);
    verifyAndBegin(QStringLiteral("fj"));
    QTest::keyClick(client(), Qt::Key_Space);
    DrillEngine& e = m_form->engine();
    QVERIFY(e.setRunning());
    QCOMPARE(text("Panel19"), QStringLiteral("f"));
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(client(), char(e.targetChar()));
        QCOMPARE(text("Panel17"), QString::number(i + 1));
    }
    QCOMPARE(text("Panel19"), QStringLiteral("Press Enter!"));
    QTest::keyClick(client(), Qt::Key_Return);
    QCOMPARE(text("Panel19"), QStringLiteral("Done!"));
    QVERIFY(control("Panel11")->isVisible());
    QCOMPARE(text("Panel30"), QStringLiteral("100%"));
    QCOMPARE(text("Panel35"), QStringLiteral("0"));
    QCOMPARE(m_h->savedFile(), recordBytes(m_h->globals.record));
    QCOMPARE(m_h->globals.record.i64(L::kBegPresented + (statisticsIndex('f') - 1) * 8), 50000);
}

void tst_DrillWindow::sessionPercentRoundsTheDecimalTieUp() {
    // One miss in 40 presses is 97.5 %, shown as 98 %.
    openForm(DrillKind::ChooseYourOwnKeys);
    verifyAndBegin(QStringLiteral("fj"));
    DrillEngine& e = m_form->engine();
    for (int set = 0; set < 4; ++set) {
        QTest::keyClick(client(), Qt::Key_Space);
        for (int i = 0; i < 10; ++i) {
            const char target = char(e.targetChar());
            if (set == 2 && i == 5)
                QTest::keyClick(client(), target == 'f' ? 'j' : 'f');
            QTest::keyClick(client(), target); // the correcting press after a miss
        }
        QTest::keyClick(client(), Qt::Key_Return);
    }
    QCOMPARE(text("Panel31"), QStringLiteral("98%"));
    QCOMPARE(text("Panel30"), QStringLiteral("100%"));
}

void tst_DrillWindow::timersRunAsTheDrillSays() {
    openForm(DrillKind::HomeRowOnly);
    auto* handTimer = m_form->findChild<QTimer*>(QStringLiteral("Timer1"));
    auto* blinkTimer = m_form->findChild<QTimer*>(QStringLiteral("Timer2"));
    auto* setClockTimer = m_form->findChild<QTimer*>(QStringLiteral("Timer3"));
    auto* reactionTimer = m_form->findChild<QTimer*>(QStringLiteral("Timer4"));
    QVERIFY(handTimer && blinkTimer && setClockTimer && reactionTimer);
    QVERIFY(!handTimer->isActive());
    QVERIFY(blinkTimer->isActive());
    QCOMPARE(blinkTimer->interval(), 500);
    QVERIFY(!setClockTimer->isActive());
    QTest::keyClick(client(), Qt::Key_Space);
    QVERIFY(!blinkTimer->isActive());
    QVERIFY(handTimer->isActive());
    QCOMPARE(handTimer->interval(), 1000); // the very first hands wait the design interval
    QVERIFY(setClockTimer->isActive());
    QCOMPARE(setClockTimer->interval(), 1000);
    // The reaction time comes from the monotonic clock when the key is scored: no timer wakes
    // the window for it while the student thinks.
    QVERIFY(m_form->engine().view().timer(DrillTimer::ReactionTimer).running);
    QVERIFY(!reactionTimer->isActive());
    QTest::keyClick(client(), Qt::Key_Space); // hands replayed
    QCOMPARE(handTimer->interval(), 200);
    QTest::keyClick(client(), Qt::Key_Escape);
    QVERIFY(!handTimer->isActive());
    QVERIFY(!setClockTimer->isActive());
    QVERIFY(blinkTimer->isActive());
    // Closing the window stops every timer.
    m_form->findChild<QAction*>(QStringLiteral("CloseBeginnersDrills1"))->trigger();
    QVERIFY(!m_form->isVisible());
    for (QTimer* t : {handTimer, blinkTimer, setClockTimer, reactionTimer})
        QVERIFY(!t->isActive());
}

// While no set runs, Space and Enter press the focused button, as anywhere else, and start no
// set: Space on "Exit Lessons" leaves the drill.
void tst_DrillWindow::spaceAndEnterPressTheFocusedButton() {
    openForm(DrillKind::ChooseYourOwnKeys);
    auto* verify = m_form->findChild<QPushButton*>(QStringLiteral("Button1"));
    const QStringList tooFew{QStringLiteral("You need at least two characters to type.")};
    verify->setFocus();
    QTest::keyClick(verify, Qt::Key_Space);
    QCOMPARE(m_h->dialogs.texts(), tooFew);
    QTest::keyClick(verify, Qt::Key_Return);
    QCOMPARE(m_h->dialogs.texts(), tooFew + tooFew);
    QVERIFY(!m_form->engine().setRunning());

    // Once a set runs, Enter and Space are the drill's alone.
    verifyAndBegin(QStringLiteral("jk"));
    QTest::keyClick(client(), Qt::Key_Space);
    QVERIFY(m_form->engine().setRunning());
    QTest::keyClick(client(), Qt::Key_Return);
    QVERIFY(m_form->engine().setRunning());
    QCOMPARE(m_form->engine().setPresses(), 0);

    QTest::keyClick(client(), Qt::Key_Escape);
    QVERIFY(!m_form->engine().setRunning());
    auto* exit = m_form->findChild<QPushButton*>(QStringLiteral("Button3"));
    exit->setFocus();
    QTest::keyClick(exit, Qt::Key_Space);
    QVERIFY(!m_form->isVisible());
}

void tst_DrillWindow::ownKeysFieldGetsWhatIsTyped() {
    openForm(DrillKind::ChooseYourOwnKeys);
    auto* edit = m_form->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QVERIFY(edit->hasFocus());
    QTest::keyClicks(edit, QStringLiteral("a b"));
    QCOMPARE(edit->text(), QStringLiteral("a b"));
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("ñ"), Qt::NoModifier);
    QCOMPARE(edit->text(), QStringLiteral("a bñ"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("a b"));
    // What is typed there is seen by the drill too: the prompt turns into one space.
    QCOMPARE(m_form->engine().view()[DrillControl::Guidance].caption, QStringLiteral(" "));
    QVERIFY(!m_form->engine().setRunning());
}

void tst_DrillWindow::escapeInTheOwnKeysFieldLeaves() {
    openForm(DrillKind::ChooseYourOwnKeys);
    auto* edit = m_form->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QTest::keyClicks(edit, QStringLiteral("ab"));
    const QSignalSpy closed(m_form.get(), &DrillWindow::closed);
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(!m_form->isVisible());
    QCOMPARE(closed.count(), 1);
}

void tst_DrillWindow::ownKeysVerification() {
    openForm(DrillKind::ChooseYourOwnKeys);
    auto* edit = m_form->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* verify = m_form->findChild<QPushButton*>(QStringLiteral("Button1"));
    auto* begin = m_form->findChild<QPushButton*>(QStringLiteral("Button2"));
    QVERIFY(!begin->isEnabled());
    QVERIFY(!control("SpeedButton6")->isEnabled());
    QVERIFY(control("SpeedButton17")->isEnabled());
    QVERIFY(!control("Panel5")->isVisible());

    edit->setText(QStringLiteral("a\""));
    verify->click();
    QCOMPARE(m_h->dialogs.texts(),
             QStringList{QStringLiteral("You need at least two characters to type.")});
    QCOMPARE(m_h->dialogs.shown.first().kind, Dialogs::Kind::Information);
    QVERIFY(edit->hasFocus());
    QVERIFY(!begin->isEnabled());
    QCOMPARE(text("Panel4"), QString());

    edit->setText(QStringLiteral("a a'"));
    verify->click();
    QVERIFY(begin->isEnabled());
    QCOMPARE(text("Panel4"), QStringLiteral("aaaaaaaaaa"));
    QCOMPARE(text("Panel3"), QStringLiteral(" '"));
    begin->click();
    QVERIFY(!control("Panel2")->isVisible());
    QVERIFY(control("SpeedButton6")->isEnabled());
    QVERIFY(!control("SpeedButton7")->isEnabled());
    QVERIFY(!control("SpeedButton8")->isEnabled());
    QVERIFY(!control("SpeedButton15")->isEnabled());
    QVERIFY(control("SpeedButton16")->isEnabled());
}

void tst_DrillWindow::germanOwnKeysRefuseTheBrokenBar() {
    m_h->globals.record.setNationality(Nationality::German);
    openForm(DrillKind::ChooseYourOwnKeys);
    verifyAndBegin(QStringLiteral("¦|a"));
    QCOMPARE(text("Panel3"), QStringLiteral("¦"));
    QCOMPARE(text("Panel4"), QStringLiteral("|a|a|a|a|a"));
}

void tst_DrillWindow::deadKeysArriveAsOneCharacter_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("commit");
    QTest::newRow("Spanish acute") << 2 << QStringLiteral("éa") << QStringLiteral("é");
    QTest::newRow("decomposed acute") << 2 << QStringLiteral("éa") << QStringLiteral("e\u0301");
    QTest::newRow("French circumflex is refused but typed")
        << 5 << QStringLiteral("èa") << QStringLiteral("è");
    QTest::newRow("German umlaut") << 3 << QStringLiteral("üa") << QStringLiteral("ü");
}

void tst_DrillWindow::deadKeysArriveAsOneCharacter() {
    QFETCH(int, nationality);
    QFETCH(QString, keys);
    QFETCH(QString, commit);
    m_h->globals.record.setNationality(static_cast<Nationality>(nationality));
    openForm(DrillKind::ChooseYourOwnKeys);
    verifyAndBegin(keys);
    QTest::keyClick(client(), Qt::Key_Space);
    DrillEngine& e = m_form->engine();
    QCOMPARE(QString(fromWindows1252(e.targetChar())), keys.left(1));
    QInputMethodEvent event(QString(), {});
    event.setCommitString(commit);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
    QCOMPARE(e.setHits(), 1);
    QCOMPARE(e.setMisses(), 0);
    QCOMPARE(text("Panel23"), keys.left(1));
}

void tst_DrillWindow::typedCharacters_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<QString>("keys"); // the first is the target
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("hits");
    QTest::newRow("AltGr @ on German")
        << 3 << QStringLiteral("@a") << int(Qt::Key_At) << QStringLiteral("@")
        << int(Qt::GroupSwitchModifier) << 1 << 1;
    QTest::newRow("AltGr reported as Ctrl+Alt")
        << 3 << QStringLiteral("@a") << int(Qt::Key_At) << QStringLiteral("@")
        << int(Qt::ControlModifier | Qt::AltModifier) << 1 << 1;
    QTest::newRow("a character without a code-page byte")
        << 0 << QStringLiteral("ab") << int(Qt::Key_unknown) << QStringLiteral("中")
        << int(Qt::NoModifier) << 1 << 0;
    QTest::newRow("euro sign has a byte") << 0 << QStringLiteral("ab") << int(Qt::Key_unknown)
                                          << QStringLiteral("€") << int(Qt::NoModifier) << 1 << 0;
    QTest::newRow("Shift alone") << 0 << QStringLiteral("ab") << int(Qt::Key_Shift) << QString()
                                 << int(Qt::ShiftModifier) << 0 << 0;
    QTest::newRow("AltGr alone") << 3 << QStringLiteral("ab") << int(Qt::Key_AltGr) << QString()
                                 << int(Qt::GroupSwitchModifier) << 0 << 0;
    QTest::newRow("dead key without an input method")
        << 2 << QStringLiteral("ab") << int(Qt::Key_Dead_Acute) << QString() << int(Qt::NoModifier)
        << 0 << 0;
    QTest::newRow("Alt shortcut") << 0 << QStringLiteral("ab") << int(Qt::Key_Q)
                                  << QStringLiteral("q") << int(Qt::AltModifier) << 0 << 0;
    QTest::newRow("Tab moves the focus") << 0 << QStringLiteral("ab") << int(Qt::Key_Tab)
                                         << QStringLiteral("\t") << int(Qt::NoModifier) << 0 << 0;
    QTest::newRow("Backspace types nothing")
        << 0 << QStringLiteral("ab") << int(Qt::Key_Backspace) << QStringLiteral("\b")
        << int(Qt::NoModifier) << 0 << 0;
    QTest::newRow("Delete types nothing")
        << 0 << QStringLiteral("ab") << int(Qt::Key_Delete) << QStringLiteral("\x7f")
        << int(Qt::NoModifier) << 0 << 0;
    QTest::newRow("an emoji is one press")
        << 0 << QStringLiteral("ab") << int(Qt::Key_unknown) << QStringLiteral("\U0001F600")
        << int(Qt::NoModifier) << 1 << 0;
    QTest::newRow("capital for lower case")
        << 0 << QStringLiteral("ab") << int(Qt::Key_A) << QStringLiteral("A")
        << int(Qt::ShiftModifier) << 1 << 0;
}

void tst_DrillWindow::typedCharacters() {
    QFETCH(int, nationality);
    QFETCH(QString, keys);
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(int, modifiers);
    QFETCH(int, presses);
    QFETCH(int, hits);
    m_h->globals.record.setNationality(static_cast<Nationality>(nationality));
    m_h->globals.record.setFlag(L::kBegPauseOnMiss, false);
    openForm(DrillKind::ChooseYourOwnKeys);
    verifyAndBegin(keys);
    QTest::keyClick(client(), Qt::Key_Space);
    QTest::sendKeyEvent(QTest::Press, client(), Qt::Key(key), typed,
                        Qt::KeyboardModifiers(modifiers));
    QTest::sendKeyEvent(QTest::Release, client(), Qt::Key(key), typed,
                        Qt::KeyboardModifiers(modifiers));
    DrillEngine& e = m_form->engine();
    QCOMPARE(e.setPresses(), presses);
    QCOMPARE(e.setHits(), hits);
    if (presses > hits)
        QCOMPARE(text("Panel61"), typed);
}

void tst_DrillWindow::deleteLeavesTheStudentFileAlone() {
    openForm(DrillKind::ChooseYourOwnKeys);
    verifyAndBegin(QStringLiteral("fj"));
    QTest::keyClick(client(), Qt::Key_Space);
    DrillEngine& e = m_form->engine();
    for (int i = 0; i < 10; ++i) {
        QTest::sendKeyEvent(QTest::Click, client(), Qt::Key_Delete, QStringLiteral("\x7f"),
                            Qt::NoModifier);
        QVERIFY(!e.drillPaused());
        QTest::keyClick(client(), char(e.targetChar()));
    }
    QTest::keyClick(client(), Qt::Key_Return);
    m_h->settleSaves();
    StudentRecord saved;
    QVERIFY(StudentFile::load(m_h->globals.studentFilePath(), saved).done());
    QCOMPARE(saved.i64(L::kBegKeysTotal), 100000);
    QCOMPARE(saved.i64(L::kBegMissesTotal), 0);
    QCOMPARE(text("Panel31"), QStringLiteral("100%"));
}

void tst_DrillWindow::inputMethodsAreOnWhereverTheFocusIs() {
    openForm(DrillKind::ChooseYourOwnKeys);
    for (const char* name : {"Button1", "Button3", "ClientArea"}) {
        QWidget* w = control(name);
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QApplication::sendEvent(w, &query);
        QVERIFY2(query.value(Qt::ImEnabled).toBool(), name);
    }
    // A plain widget of another window is left alone.
    QWidget other;
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(&other, &query);
    QVERIFY(!query.value(Qt::ImEnabled).toBool());
}

void tst_DrillWindow::ampersandShowsOnce() {
    openForm(DrillKind::ChooseYourOwnKeys);
    verifyAndBegin(QStringLiteral("&b"));
    QCOMPARE(text("Panel4"), QStringLiteral("&b&b&b&b&b"));
    QTest::keyClick(client(), Qt::Key_Space);
    QCOMPARE(text("Panel19"), QStringLiteral("&"));
    QTest::keyClick(client(), '&');
    QCOMPARE(text("Panel23"), QStringLiteral("&"));
    QCOMPARE(m_form->engine().view()[DrillControl::LastCorrectKey].caption, QStringLiteral("&&"));
}

void tst_DrillWindow::guidanceShowsAmpersands_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the ampersand key")
        << 5 << QStringLiteral("&b") << QStringLiteral("Pat")
        << QStringLiteral("Move your left hand little finger up two rows to type the \"&\" key.");
    QTest::newRow("a user name with ampersands")
        << 1 << QStringLiteral(";a") << QStringLiteral("Tom && Jerry & Co")
        << QStringLiteral("The semicolon, Tom && Jerry & Co, is under your right hand little "
                          "finger.");
}

void tst_DrillWindow::guidanceShowsAmpersands() {
    QFETCH(int, nationality);
    QFETCH(QString, keys);
    QFETCH(QString, userName);
    QFETCH(QString, shown);
    m_h->globals.record.setNationality(static_cast<Nationality>(nationality));
    m_h->globals.currentUserName = userName;
    openForm(DrillKind::ChooseYourOwnKeys);
    verifyAndBegin(keys);
    QTest::keyClick(client(), Qt::Key_Space);
    QCOMPARE(text("Label17"), shown);
}

void tst_DrillWindow::closingGivesTheMainWindowItsPlaceBack() {
    const MainWindow& mainWindow = openFromMainWindow(DrillKind::TopRowOnly, QPoint(120, 80));
    QCOMPARE(m_form->geometry(), mainWindow.geometry());
    QCOMPARE(client()->width(), mainWindow.width());
    QVERIFY(!mainWindow.isVisible());
    QCOMPARE(m_h->globals.activity.activity, ActivityCode::BeginnersDrills);
    m_form->move(150, 90);
    const QRect place = m_form->geometry();
    const QSignalSpy closed(m_form.get(), &DrillWindow::closed);
    QTest::keyClick(client(), Qt::Key_Escape);
    QVERIFY(!m_form->isVisible());
    QCOMPARE(closed.count(), 1);
    QVERIFY(mainWindow.isVisible());
    QCOMPARE(mainWindow.geometry(), place);
    QCOMPARE(m_h->globals.activity.activity, ActivityCode::MainWindow);
    // Keys after closing go nowhere.
    QTest::keyClick(client(), Qt::Key_Space);
    QVERIFY(!m_form->engine().setRunning());
    // The main window deletes the drill window it took its place back from.
    const QPointer<DrillWindow> drill = m_form.release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(drill.isNull());
}

void tst_DrillWindow::hideAndShowRows() {
    openForm(DrillKind::HomeRowOnly);
    auto* button = m_form->findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
    const QImage down = button->icon().pixmap(16, 16).toImage();
    QVERIFY(!down.isNull()); // "down.bmp" while the row shows
    button->click();
    QVERIFY(!control("Label81")->isVisible());
    QVERIFY(!control("Panel23")->isVisible());
    QCOMPARE(button->toolTip(), QStringLiteral("Click to see Last Correct"));
    QVERIFY(!button->icon().isNull());
    QVERIFY(button->icon().pixmap(16, 16).toImage() != down); // "up.bmp"
    button->click();
    QVERIFY(control("Label81")->isVisible());
    QCOMPARE(button->toolTip(), QStringLiteral("Hide this if Distracting"));
    QCOMPARE(button->icon().pixmap(16, 16).toImage(), down);

    auto* instructions = m_form->findChild<QToolButton*>(QStringLiteral("SpeedButton4"));
    instructions->click();
    QVERIFY(!control("Label17")->isVisible());
    QCOMPARE(instructions->toolTip(), QStringLiteral("Click to see text description"));
    m_form->findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->click();
    m_form->findChild<QToolButton*>(QStringLiteral("SpeedButton3"))->click();
    QVERIFY(!control("Label90")->isVisible());
    QVERIFY(!control("Panel61")->isVisible());
    QCOMPARE(control("SpeedButton3")->toolTip(), QStringLiteral("Click to see Errors here"));
    QCOMPARE(control("SpeedButton2")->toolTip(), QStringLiteral("Click to see Missed Letters"));
}

void tst_DrillWindow::toolButtons() {
    QList<OptionsPage> pages;
    int charts = 0;
    openForm(DrillKind::HomeRowOnly);
    m_form->setOptionsOpener([&](DrillWindow&, OptionsPage page) { pages.append(page); });
    m_form->setChartsOpener([&](DrillWindow&) { ++charts; });
    const auto click = [&](const char* name) {
        m_form->findChild<QToolButton*>(QString::fromLatin1(name))->click();
    };
    click("SpeedButton8");
    QCOMPARE(m_form->engine().setLength(), 30);
    click("SpeedButton7");
    QCOMPARE(m_form->engine().setLength(), 20);
    click("SpeedButton15");
    QVERIFY(!m_form->engine().lowerCaseOnly());
    click("SpeedButton16");
    QVERIFY(m_form->engine().lowerCaseOnly());
    QCOMPARE(m_h->played(QStringLiteral("click_2.wav")), 4);
    for (const char* name : {"SpeedButton5", "SpeedButton18", "SpeedButton9", "SpeedButton11"})
        click(name);
    QCOMPARE(pages, (QList<OptionsPage>{OptionsPage::BeginnersIntermediate,
                                        OptionsPage::BeginnersIntermediate,
                                        OptionsPage::GlobalOptions, OptionsPage::GlobalOptions}));
    click("SpeedButton12");
    QCOMPARE(charts, 1);
    click("SpeedButton14");
    QCOMPARE(m_h->globals.record.byte(L::kCharactersShown), 0);
    click("SpeedButton13");
    QCOMPARE(m_h->globals.record.byte(L::kCharactersShown), 1);

    // A set of 20 follows the "20" button.
    QTest::keyClick(client(), Qt::Key_Space);
    QVERIFY(!control("SpeedButton7")->isEnabled());
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(client(), char(m_form->engine().targetChar()));
    QCOMPARE(text("Panel19"), QStringLiteral("Press Enter!"));
    QCOMPARE(text("Panel17"), QStringLiteral("20"));
    click("SpeedButton17"); // off while the set runs
    QVERIFY(m_form->isVisible());

    QTest::keyClick(client(), Qt::Key_Return);
    click("SpeedButton17");
    QVERIFY(!m_form->isVisible());
}

// The sound button opens Preferences; what it is called, shown and heard, follows the setting.
void tst_DrillWindow::soundButtonSaysWhetherSoundIsOn() {
    m_h->globals.record.setFlag(L::kSoundOn, false);
    openForm(DrillKind::HomeRowOnly);
    auto* sound = m_form->findChild<QToolButton*>(QStringLiteral("SpeedButton9"));
    const auto says = [&](const QString& text) {
        QCOMPARE(sound->toolTip(), text);
        QCOMPARE(QAccessible::queryAccessibleInterface(sound)->text(QAccessible::Name), text);
    };
    says(QStringLiteral("Sound Off"));

    sound->click();
    auto* options = m_form->findChild<PreferencesDialog*>();
    QVERIFY(options);
    QRadioButton* on = nullptr;
    for (QRadioButton* b : options->findChild<QGroupBox*>(QStringLiteral("RadioGroup1"))
                               ->findChildren<QRadioButton*>())
        if (b->text() == u"Sound On")
            on = b;
    QVERIFY(on);
    on->click();
    options->close();
    says(QStringLiteral("Sound On"));
}

void tst_DrillWindow::optionsWindowOpensOnItsPage_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");
    QTest::newRow("hand delay") << QStringLiteral("SpeedButton5")
                                << int(OptionsPage::BeginnersIntermediate);
    QTest::newRow("Options") << QStringLiteral("SpeedButton18")
                             << int(OptionsPage::BeginnersIntermediate);
    QTest::newRow("sound") << QStringLiteral("SpeedButton9") << int(OptionsPage::GlobalOptions);
    QTest::newRow("colours") << QStringLiteral("SpeedButton11") << int(OptionsPage::GlobalOptions);
}

void tst_DrillWindow::optionsWindowOpensOnItsPage() {
    QFETCH(QString, button);
    QFETCH(int, page);
    m_h->globals.record.setI32(L::kBegHandDelay, 1300);
    openForm(DrillKind::HomeRowOnly);
    m_form->findChild<QToolButton*>(button)->click();
    auto* options = m_form->findChild<PreferencesDialog*>();
    QVERIFY(options);
    QVERIFY(options->isVisible());
    QCOMPARE(int(options->currentPage()), page);
    // Closing it hands the hand delay to Timer1.
    options->close();
    QCOMPARE(m_form->findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 1300);
}

void tst_DrillWindow::chartsWindowOpensOverTheDrill() {
    openForm(DrillKind::HomeRowOnly);
    m_form->findChild<QToolButton*>(QStringLiteral("SpeedButton12"))->click();
    auto* charts = m_form->findChild<StatisticsWindow*>();
    QVERIFY(charts);
    QVERIFY(charts->isVisible());
    // Keys typed into the charts window are not the drill's.
    QTest::keyClick(charts, Qt::Key_Space);
    QVERIFY(!m_form->engine().setRunning());
    charts->close();
}

// A teacher looks at another student's report while a drill is open: the drill's set
// statistics are emptied, its keyboard becomes the viewed student's, and the main window names
// the viewed student.
void tst_DrillWindow::viewingAnotherStudentFromTheChartsRenewsTheDrill() {
    StudentRecord bob;
    QVERIFY(StudentFile::create(m_h->path(QStringLiteral("Bob.stu")), bob).done());
    bob.setNationality(Nationality::German);
    QVERIFY(StudentFile::save(m_h->path(QStringLiteral("Bob.stu")), bob).done());
    const MainWindow& mainWindow = openFromMainWindow(DrillKind::HomeRowOnly);
    DrillEngine& e = m_form->engine();
    QTest::keyClick(client(), Qt::Key_Space);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(client(), char(e.targetChar()));
    QTest::keyClick(client(), Qt::Key_Return);
    QCOMPARE(text("Panel30"), QStringLiteral("100%"));
    const AnsiChar slowest = e.setSlowestChar();
    QVERIFY(slowest != 0);

    m_form->findChild<QToolButton*>(QStringLiteral("SpeedButton12"))->click();
    auto* charts = m_form->findChild<StatisticsWindow*>();
    QVERIFY(charts);
    charts->findChild<QPushButton*>(QStringLiteral("ButtonViewReportKeys"))->click();
    auto* names = charts->findChild<QListWidget*>(QStringLiteral("ListBoxReportNames"));
    names->setCurrentItem(names->findItems(QStringLiteral("Bob"), Qt::MatchExactly).first());
    charts->findChild<QPushButton*>(QStringLiteral("ButtonReportViewName"))->click();

    QCOMPARE(m_h->globals.currentUserName, QStringLiteral("Bob"));
    QCOMPARE(mainWindow.userLine().text(), QStringLiteral("User = Bob"));
    for (const char* panel : {"Panel28", "Panel29", "Panel30", "Panel31", "Panel33", "Panel35"})
        QVERIFY2(text(panel).isEmpty(), panel);
    const QImage german(m_h->path(keyboardPictureName(
        std::uint8_t(Nationality::German), m_h->globals.record.flag(L::kCharactersShown))));
    QVERIFY(!german.isNull());
    QCOMPARE(m_form->cleanKeyboardImage().convertToFormat(QImage::Format_RGB32),
             german.convertToFormat(QImage::Format_RGB32));
    // Bob's record names no slowest key, so his report has no such line.
    QVERIFY(!charts->findChild<QPlainTextEdit*>(QStringLiteral("MemoReport"))
                 ->toPlainText()
                 .contains(QStringLiteral("Slowest Letter")));
    charts->close();
    m_form.reset();
}

void tst_DrillWindow::helpOpensOnlyAnExistingFile() {
    openForm(DrillKind::HomeRowOnly);
    QAction* open = m_form->findChild<QAction*>(QStringLiteral("Open1"));
    open->trigger();
    QVERIFY(m_h->shell.files.isEmpty());
    QFile help(m_h->globals.folder.filePath(QStringLiteral("kftyping.hlp")));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    open->trigger();
    QCOMPARE(m_h->shell.files.size(), 1);
    QCOMPARE(m_h->shell.files.first().target, help.fileName());
    QCOMPARE(m_h->shell.files.first().window, Shell::Window::Normal);
}

void tst_DrillWindow::pictureIsResetForEachTarget() {
    openForm(DrillKind::HomeRowOnly);
    auto* keyboardPicture = m_form->findChild<QLabel*>(QStringLiteral("Image1"));
    const QImage clean = m_form->cleanKeyboardImage();
    QCOMPARE(keyboardPicture->size(), QSize(587, 283));
    m_form->keyboardImage().fill(Qt::red);
    m_form->showKeyboardImage();
    QCOMPARE(keyboardPicture->grab().toImage().pixel(10, 10), qRgb(255, 0, 0));
    QTest::keyClick(client(), Qt::Key_Space);
    QCOMPARE(keyboardPicture->grab().toImage().convertToFormat(clean.format()), clean);
    m_form->keyboardImage().fill(Qt::red);
    QTest::keyClick(client(), char(m_form->engine().targetChar()));
    QCOMPARE(m_form->keyboardImage(), clean);
}

void tst_DrillWindow::handsAreDrawnOnTheHandTimer() {
    openForm(DrillKind::ChooseYourOwnKeys);
    verifyAndBegin(QStringLiteral("gf"));
    QTest::keyClick(client(), Qt::Key_Space);
    const QImage clean = m_form->cleanKeyboardImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(m_form->keyboardImage().convertToFormat(QImage::Format_RGB32), clean);
    m_form->handTick(); // frame 1: the mark of g and the left hand at home
    QVERIFY(m_form->keyboardImage().convertToFormat(QImage::Format_RGB32) != clean);
    auto* keyboardPicture = m_form->findChild<QLabel*>(QStringLiteral("Image1"));
    QCOMPARE(keyboardPicture->grab().toImage().convertToFormat(QImage::Format_RGB32),
             m_form->keyboardImage().convertToFormat(QImage::Format_RGB32));
    auto* handTimer = m_form->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(handTimer->isActive());
    QCOMPARE(handTimer->interval(), 400); // g is no home key: two more frames follow
    QTest::keyClick(client(), 'g');
    QCOMPARE(m_form->keyboardImage().convertToFormat(QImage::Format_RGB32), clean);
}

void tst_DrillWindow::tildeWithoutAKeyGetsTheLeftHandAndNoMark_data() {
    QTest::addColumn<int>("nationality");
    QTest::newRow("Spanish") << 2;
    QTest::newRow("Italian") << 4;
    QTest::newRow("French") << 5;
}

void tst_DrillWindow::tildeWithoutAKeyGetsTheLeftHandAndNoMark() {
    QFETCH(int, nationality);
    m_h->globals.record.setNationality(static_cast<Nationality>(nationality));
    openForm(DrillKind::ChooseYourOwnKeys);
    verifyAndBegin(QStringLiteral("~a"));
    QTest::keyClick(client(), Qt::Key_Space);
    const QImage clean = m_form->cleanKeyboardImage().convertToFormat(QImage::Format_RGB32);
    m_form->handTick(); // frame 1: the left hand at home, below the corner
    const QRect corner(0, 0, 60, 60);
    QCOMPARE(m_form->keyboardImage().convertToFormat(QImage::Format_RGB32).copy(corner),
             clean.copy(corner));
    m_form->handTick();
    m_form->handTick();
    const HandAnimationState& hands = m_form->engine().hands();
    QCOMPARE(QPoint(hands.handX, hands.handY), QPoint(15, 29));
    QVERIFY(m_form->keyboardImage().convertToFormat(QImage::Format_RGB32).copy(corner) !=
            clean.copy(corner));
}

void tst_DrillWindow::missingPicturesAndGlyphsAreTolerated() {
    DrillHarness bare; // a working folder without the shipped files
    bare.globals.activity.selectDrill(DrillKind::HomeRowOnly);
    DrillWindow form(bare.globals.drillWindowState(), bare.services);
    form.show();
    QVERIFY(!bare.dialogs.shown.isEmpty());
    QCOMPARE(bare.dialogs.shown.first().kind, Dialogs::Kind::Error);
    QVERIFY(form.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->icon().isNull());
    // The drill still runs.
    QTest::keyClick(form.centralWidget(), Qt::Key_Space);
    QVERIFY(form.engine().setRunning());
    form.handTick(); // the hands are drawn over a blank picture
    QCOMPARE(form.keyboardImage().size(), QSize(587, 283));
    QTest::keyClick(form.centralWidget(), char(form.engine().targetChar()));
    QCOMPARE(form.engine().setHits(), 1);
}

namespace {

void chooseItem(QWidget& window, const char* group, const QString& item) {
    for (QRadioButton* b :
         window.findChild<QGroupBox*>(QLatin1String(group))->findChildren<QRadioButton*>()) {
        if (b->text() == item)
            b->click();
    }
}

} // namespace

void tst_DrillWindow::preferencesRepaintTheOpenDrill() {
    m_h->globals.activity.activity = ActivityCode::BeginnersDrills;
    openForm(DrillKind::HomeRowOnly);
    m_form->findChild<QToolButton*>(QStringLiteral("SpeedButton11"))->click();
    auto* options = m_form->findChild<PreferencesDialog*>();
    QVERIFY(options);

    // "Purple" gives the drill title its purple at once.
    chooseItem(*options, "RadioGroup8", QStringLiteral("Purple"));
    QCOMPARE(control("Label3")->palette().color(QPalette::WindowText).rgb(),
             QColor(137, 65, 130).rgb()); // 8536457 as 0x00BBGGRR

    // "Hide all Keys" shows the keyboard without its labels, in both pictures.
    QImage unlabelled(m_h->globals.folder.filePath(QStringLiteral("keybord10.bmp")));
    unlabelled = unlabelled.convertToFormat(m_form->cleanKeyboardImage().format());
    QVERIFY(m_form->cleanKeyboardImage() != unlabelled);
    chooseItem(*options, "RadioGroup9", QStringLiteral("Hide all Keys"));
    QCOMPARE(m_form->cleanKeyboardImage(), unlabelled);
    auto* keyboardPicture = m_form->findChild<QLabel*>(QStringLiteral("Image1"));
    QCOMPARE(keyboardPicture->grab().toImage().convertToFormat(unlabelled.format()), unlabelled);
    options->close();
}

QTEST_MAIN(tst_DrillWindow)
#include "tst_DrillWindow.moc"
