// SPDX-License-Identifier: GPL-3.0-or-later
// What a student who does not see the drill window gets from it: the focused drill area's
// accessible name and description, the change events that make a screen reader speak them, and
// spoken guidance through the speech service.
#include "DrillHarness.h"
#include "drills/DrillWindow.h"
#include "options/PreferencesDialog.h"
#include "students/StudentSettings.h"
#include "tests/common/SpokenNotices.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kf;
using namespace kf::test;
namespace L = kf::layout;

namespace {

QString accessibleName(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

} // namespace

class tst_DrillAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyControlHasAName();
    void eachTargetIsToldOnce();
    void beginningLeavesTheKeyboardOnTheDrill_data();
    void beginningLeavesTheKeyboardOnTheDrill();
    void eachMissIsTold_data();
    void eachMissIsTold();
    void announcementsNeverBlink();
    void setEndIsTold();
    void toolButtonsWorkFromTheKeyboard();
    void speechIsOffByDefault();
    void speechSaysEachTargetOnceAndCutsThePrevious();
    void speakKeysBoxNeedsAnEngine();
    void speakKeysBoxIsKeptPerStudent();

private:
    DrillWindow& openOwnKeys(const QString& keys);
    QWidget* client() const { return m_form->centralWidget(); }
    QString text(const char* name) const {
        return m_form->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    void typeTarget() {
        const QChar c = QChar(char16_t(m_form->engine().targetChar()));
        QTest::sendKeyEvent(QTest::Click, client(), Qt::Key_unknown, QString(c),
                            c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }

    std::unique_ptr<DrillHarness> m_h;
    std::unique_ptr<DrillWindow> m_form;
};

void tst_DrillAccessibility::init() {
    m_h = std::make_unique<DrillHarness>();
    m_h->shipFiles();
}

void tst_DrillAccessibility::cleanup() {
    m_form.reset();
    m_h.reset();
}

DrillWindow& tst_DrillAccessibility::openOwnKeys(const QString& keys) {
    m_h->globals.activity.selectDrill(DrillKind::ChooseYourOwnKeys);
    m_form = std::make_unique<DrillWindow>(m_h->globals.drillWindowState(), m_h->services);
    m_form->show();
    m_form->activateWindow();
    if (!QTest::qWaitForWindowActive(m_form.get()))
        qWarning("the drill window did not become active");
    m_form->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(keys);
    m_form->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    m_form->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    return *m_form;
}

// Picture buttons are named by their hints; a caption names a button; the drill area, the
// keyboard and the own-keys field have names of their own.
void tst_DrillAccessibility::everyControlHasAName() {
    openOwnKeys(QStringLiteral("fj"));
    QStringList unnamed;
    for (QWidget* w : m_form->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             w == client() || w->objectName() == QStringLiteral("Image1");
        if (control && w->isVisible() && accessibleName(w).trimmed().isEmpty())
            unnamed << w->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
    QCOMPARE(accessibleName(m_form->findChild<QWidget*>(QStringLiteral("SpeedButton12"))),
             QStringLiteral("Charts"));
    // The rows' buttons share their hint while the rows show, not their names.
    QStringList rowButtons;
    for (const char* name : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"})
        rowButtons << accessibleName(m_form->findChild<QWidget*>(QString::fromLatin1(name)));
    QCOMPARE(rowButtons.first(), QStringLiteral("Hide Last Correct"));
    rowButtons.removeDuplicates();
    QCOMPARE(rowButtons.size(), 4);
}

void tst_DrillAccessibility::beginningLeavesTheKeyboardOnTheDrill_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("own keys") << int(DrillKind::ChooseYourOwnKeys);
    QTest::newRow("home row") << int(DrillKind::HomeRowOnly);
}

// From the keyboard alone: "Verify these Keys" and "Begin Typing" by Tab and Enter, then Space.
// Whatever the drill, the keyboard rests on the shown drill area, which says to press Space, and
// the first target is told.
void tst_DrillAccessibility::beginningLeavesTheKeyboardOnTheDrill() {
    QFETCH(int, kind);
    SpokenNotices notices;
    m_h->globals.activity.selectDrill(DrillKind(kind));
    m_form = std::make_unique<DrillWindow>(m_h->globals.drillWindowState(), m_h->services);
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    if (DrillKind(kind) == DrillKind::ChooseYourOwnKeys) {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("fj"));
        key(Qt::Key_Tab);
        key(Qt::Key_Return); // Verify these Keys
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Button2"));
        key(Qt::Key_Return); // Begin Typing
        QVERIFY(!m_form->findChild<QWidget*>(QStringLiteral("Panel2"))->isVisible());
    }
    QCOMPARE(QApplication::focusWidget(), client());
    QVERIFY(client()->isVisible());
    QVERIFY2(client()->accessibleDescription().contains(QStringLiteral("Spacebar")),
             qPrintable(client()->accessibleDescription()));

    key(Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), client());
    QVERIFY2(!notices.messages().isEmpty() &&
                 notices.messages().last().startsWith(QStringLiteral("Key 1 of 10. Type ")),
             qPrintable(notices.said().join(u'\n')));
}

// Each target is told once as it comes up, with its finger sentence, also a key that repeats;
// the focused area keeps its name and describes the target for whoever asks again.
void tst_DrillAccessibility::eachTargetIsToldOnce() {
    SpokenNotices notices;
    openOwnKeys(QStringLiteral("A;"));
    QTest::keyClick(client(), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), client());
    QVERIFY(!text("Label17").trimmed().isEmpty());
    const QString first = QStringLiteral("Key 1 of 10. Type capital A. Hold the right Shift.");
    QCOMPARE(notices.said(), QStringList{first + u'|' + text("Label17")});
    QCOMPARE(client()->accessibleName(), QStringLiteral("Drill"));
    QCOMPARE(client()->accessibleDescription(), first + u' ' + text("Label17"));
    auto* keyboard = m_form->findChild<QLabel*>(QStringLiteral("Image1"));
    QCOMPARE(keyboard->accessibleDescription(),
             QStringLiteral("Marked: capital A. Hold the right Shift."));

    m_form->reactionTick();
    m_form->handTick();
    QCOMPARE(notices.said().size(), 1);
    for (int n = 2; n <= 4; ++n) {
        typeTarget();
        QCOMPARE(notices.said().size(), n);
        QVERIFY2(notices.messages().last().startsWith(QStringLiteral("Key %1 of 10. Type ").arg(n)),
                 qPrintable(notices.messages().last()));
    }
    QCOMPARE(client()->accessibleName(), QStringLiteral("Drill"));
}

// A miss is told in words, not as the signs the screen quotes: with the pause as its own
// message, without it before the next target.
void tst_DrillAccessibility::eachMissIsTold_data() {
    QTest::addColumn<bool>("pause");
    QTest::addColumn<QString>("told");
    QTest::newRow("pause") << true << QStringLiteral("Pause! You missed f by typing x.");
    QTest::newRow("no pause") << false
                              << QStringLiteral("You missed f by typing x. Key 2 of 10. Type ");
}

void tst_DrillAccessibility::eachMissIsTold() {
    QFETCH(bool, pause);
    QFETCH(QString, told);
    SpokenNotices notices;
    m_h->globals.record.setFlag(L::kBegPauseOnMiss, pause);
    openOwnKeys(QStringLiteral("fj"));
    QTest::keyClick(client(), Qt::Key_Space);
    while (m_form->engine().targetChar() != 'f') {
        QTest::keyClick(client(), Qt::Key_Escape);
        QTest::keyClick(client(), Qt::Key_Space);
    }
    notices.said().clear();
    QTest::keyClick(client(), 'x');
    QCOMPARE(notices.said().size(), 1);
    QVERIFY2(notices.said().front().startsWith(told), qPrintable(notices.said().front()));
    if (pause) {
        QCOMPARE(notices.said().front(), told + QStringLiteral("|Type f. ") + text("Label93"));
        typeTarget(); // the correction brings the next key; the miss was a press of the set
        QVERIFY(notices.messages().last().startsWith(QStringLiteral("Key 2 of 10. Type ")));
    }
}

// Nothing announced blinks with the screen: the blinking prompts leave the name and the
// description alone and tell nothing.
void tst_DrillAccessibility::announcementsNeverBlink() {
    SpokenNotices notices;
    m_h->globals.record.setFlag(L::kBegPauseOnMiss, true);
    openOwnKeys(QStringLiteral("fj"));
    const auto steady = [&] {
        const QString description = client()->accessibleDescription();
        const qsizetype told = notices.said().size();
        for (int tick = 0; tick < 3; ++tick) {
            m_form->blinkTick();
            QCOMPARE(client()->accessibleName(), QStringLiteral("Drill"));
            QCOMPARE(client()->accessibleDescription(), description);
        }
        QCOMPARE(notices.said().size(), told);
    };
    QTest::keyClick(client(), Qt::Key_Space);
    QTest::keyClick(client(), 'x');
    QVERIFY(m_form->engine().drillPaused());
    steady();
    QTest::keyClick(client(), Qt::Key_Escape);
    QVERIFY(!m_form->engine().setRunning());
    steady();
}

// The wait for Enter and the set's end are told once each; the set's lists name each key once,
// with no blank between them read as a Space.
void tst_DrillAccessibility::setEndIsTold() {
    SpokenNotices notices;
    m_h->globals.record.setFlag(L::kBegPauseOnMiss, false);
    openOwnKeys(QStringLiteral("fj"));
    QTest::keyClick(client(), Qt::Key_Space);
    QString missed;
    for (const char typo : {'x', 'y'}) {
        missed += QChar(char16_t(m_form->engine().targetChar()));
        QTest::keyClick(client(), typo);
    }
    while (m_form->engine().setRunning() && !m_form->engine().awaitingEnter())
        typeTarget();
    if (m_form->engine().awaitingEnter()) {
        QCOMPARE(notices.messages().last(), QStringLiteral("Press Enter to finish the set."));
        QTest::keyClick(client(), Qt::Key_Return);
    }
    QVERIFY(!m_form->engine().setRunning());
    QCOMPARE(notices.messages().filter(QStringLiteral("Set done.")).size(), 1);
    const QString name = notices.messages().last();
    QVERIFY2(name.startsWith(QStringLiteral("Set done. Correct this set: ") + text("Panel30")),
             qPrintable(name));
    QVERIFY(name.contains(QStringLiteral("Time this set: ") + text("Panel28") +
                          QStringLiteral(" seconds.")));
    const QString figures = notices.said().last().section(u'|', 1);
    QVERIFY2(figures.contains(QStringLiteral("Number missed: 2.")), qPrintable(figures));
    QVERIFY2(figures.contains(
                 QStringLiteral("You missed: %1, %2. By typing: x, y.").arg(missed[0], missed[1])),
             qPrintable(figures));
    QVERIFY(figures.endsWith(QStringLiteral("Press the Spacebar to Begin.")));
}

void tst_DrillAccessibility::toolButtonsWorkFromTheKeyboard() {
    openOwnKeys(QStringLiteral("fj"));
    QCOMPARE(QApplication::focusWidget(), client());
    auto* rowButton = m_form->findChild<QWidget*>(QStringLiteral("SpeedButton1"));
    for (int i = 0; i < 40 && QApplication::focusWidget() != rowButton; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), rowButton);
    QTest::keyClick(rowButton, Qt::Key_Return);
    QVERIFY(m_form->engine().rowHidden(DrillRow::LastCorrect));
    QVERIFY(!m_form->engine().setRunning());

    // Space presses it too, and starts no set; on the drill area Space starts the set, and the
    // focus stays there.
    QTest::keyClick(rowButton, Qt::Key_Space);
    QVERIFY(!m_form->engine().rowHidden(DrillRow::LastCorrect));
    QVERIFY(!m_form->engine().setRunning());
    client()->setFocus();
    QTest::keyClick(client(), Qt::Key_Space);
    QVERIFY(m_form->engine().setRunning());
    QCOMPARE(QApplication::focusWidget(), client());
    QVERIFY(client()->accessibleDescription().startsWith(QStringLiteral("Key 1 of 10.")));
}

void tst_DrillAccessibility::speechIsOffByDefault() {
    openOwnKeys(QStringLiteral("fj"));
    QTest::keyClick(client(), Qt::Key_Space);
    typeTarget();
    typeTarget();
    QVERIFY(!m_form->speaksKeys());
    QVERIFY(m_h->speech.said.isEmpty());
}

void tst_DrillAccessibility::speechSaysEachTargetOnceAndCutsThePrevious() {
    StudentSettings(m_h->globals.folder.path(), m_h->globals.currentUserName).setSpeakKeys(true);
    openOwnKeys(QStringLiteral("A;"));
    QVERIFY(m_h->speech.said.isEmpty()); // nothing before the set starts
    QTest::keyClick(client(), Qt::Key_Space);
    const QString first =
        QStringLiteral("Type capital A. Hold the right Shift. ") + text("Label17");
    QCOMPARE(m_h->speech.said, QStringList{first});

    m_form->reactionTick();
    m_form->handTick();
    QCOMPARE(m_h->speech.said.size(), 1);

    typeTarget();
    QCOMPARE(m_h->speech.said.size(), 2);
    QVERIFY(m_h->speech.said.last().startsWith(QStringLiteral("Type semicolon. ")));
    // The first was still being said: the new target cut it off.
    QCOMPARE(m_h->speech.interrupted, QStringList{first});

    // A miss pauses without a word; closing the window silences what is being said.
    m_h->speech.finish();
    QTest::keyClick(client(), 'x');
    QCOMPARE(m_h->speech.said.size(), 2);
    m_h->speech.say(QStringLiteral("still talking"));
    m_form->close();
    QCOMPARE(m_h->speech.speaking, QString());
}

void tst_DrillAccessibility::speakKeysBoxNeedsAnEngine() {
    m_h->speech.reason = QStringLiteral("No speech engine is installed.");
    PreferencesDialog options(m_h->globals.student(), m_h->services, {});
    auto* box = options.findChild<QCheckBox*>(QStringLiteral("CheckBoxSpeakKeys"));
    QVERIFY(box);
    QCOMPARE(box->text(), QStringLiteral("Speak each key and finger"));
    QVERIFY(!box->isEnabled());
    QVERIFY(!box->isChecked());
    QCOMPARE(box->toolTip(), m_h->speech.reason);
    QVERIFY(!QFile::exists(
        StudentSettings(m_h->globals.folder.path(), QStringLiteral("Pat")).filePath()));
}

void tst_DrillAccessibility::speakKeysBoxIsKeptPerStudent() {
    m_h->globals.activity.activity = ActivityCode::BeginnersDrills;
    openOwnKeys(QStringLiteral("fj"));
    m_form->findChild<QAbstractButton*>(QStringLiteral("SpeedButton18"))->click();
    auto* options = m_form->findChild<PreferencesDialog*>();
    QVERIFY(options);
    options->showPage(OptionsPage::BeginnersIntermediate);
    auto* box = options->findChild<QCheckBox*>(QStringLiteral("CheckBoxSpeakKeys"));
    QVERIFY(box->isEnabled());
    QVERIFY(!box->isChecked());
    box->click();
    // The open drill speaks from the next target on, and the setting is the student's own,
    // beside the student file; the student record is untouched by it.
    QVERIFY(m_form->speaksKeys());
    QVERIFY(StudentSettings(m_h->globals.folder.path(), QStringLiteral("Pat")).speakKeys());
    QVERIFY(!StudentSettings(m_h->globals.folder.path(), QStringLiteral("Sam")).speakKeys());
    const QByteArray before = recordBytes(m_h->globals.record);
    box->click();
    QVERIFY(!m_form->speaksKeys());
    QCOMPARE(recordBytes(m_h->globals.record), before);
    options->close();
}

QTEST_MAIN(tst_DrillAccessibility)
#include "tst_DrillAccessibility.moc"
