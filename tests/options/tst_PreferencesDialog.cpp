// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Globals.h"
#include "options/HandDelay.h"
#include "options/OptionGroups.h"
#include "options/PreferencesDialog.h"
#include "platform/Services.h"
#include "students/StudentFile.h"
#include "tests/common/TestWorkingFolder.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using namespace kf;
using namespace kf::layout;

namespace {

// A student "Ann" with a file in a temporary working folder, and the test doubles.
struct Fixture : test::TestWorkingFolder {
    int schemeRepaints = 0;
    int pictureReloads = 0;
    QList<int> drillDelays;

    Fixture() {
        if (!takeNewStudent(QStringLiteral("Ann")))
            qFatal("no student file for Ann");
    }

    OptionsHooks hooks() {
        return {[this] { ++schemeRepaints; }, [this] { ++pictureReloads; },
                [this](int ms) { drillDelays.append(ms); }};
    }

    StudentRecord onDisk() const {
        StudentRecord r;
        StudentFile::load(globals.studentFilePath(), r);
        return r;
    }
};

void clickItem(QWidget& window, const char* group, const QString& item) {
    auto* box = window.findChild<QGroupBox*>(QLatin1String(group));
    QVERIFY2(box, group);
    for (QRadioButton* b : box->findChildren<QRadioButton*>()) {
        if (b->text() == item) {
            b->click();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no item %1 in %2").arg(item, QLatin1String(group))));
}

QString checkedItem(QWidget& window, const char* group) {
    auto* box = window.findChild<QGroupBox*>(QLatin1String(group));
    for (QRadioButton* b : box->findChildren<QRadioButton*>())
        if (b->isChecked())
            return b->text();
    return {};
}

void chooseDelay(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
    emit box->textActivated(text);
}

} // namespace

class tst_PreferencesDialog : public QObject {
    Q_OBJECT

private slots:
    void delayTexts_data();
    void delayTexts();
    void storedDelays_data();
    void storedDelays();
    void noDelayStoresTwoHundredAndShowsAgain();
    void unknownStoredDelayShowsOneSecond();
    void twoLinesWritesAllThreePens();
    void groupsShowWhatTheRecordHolds();
    void flagGroupsWriteOneAndZero_data();
    void flagGroupsWriteOneAndZero();
    void borderColourStoresAndRepaints();
    void charactersOnKeyboardReloadsPictures();
    void handColour();
    void pageFollowsTheActivity_data();
    void pageFollowsTheActivity();
    void closingWritesOnceAndHandsTheDelayToTheDrill();
    void closeButtonClicks();
    void timedTestRomanForcesSmallFont();
    void listsAndUpDownsAreLabelledByTheirCaptions();
    void tabIntoAGroupLandsOnItsChoice();
};

// A delay text chosen: the item it selects and the milliseconds stored.
void tst_PreferencesDialog::delayTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("no delay") << QStringLiteral("No Delay") << 0 << 200;
    QTest::newRow("one second") << QStringLiteral("1 second delay") << 1 << 900;
    QTest::newRow("two seconds") << QStringLiteral("2 seconds delay") << 2 << 2000;
    QTest::newRow("three seconds") << QStringLiteral("3 seconds delay") << 3 << 3000;
    QTest::newRow("four seconds") << QStringLiteral("4 seconds delay") << 4 << 4000;
    QTest::newRow("five seconds") << QStringLiteral("5 seconds delay") << 5 << 5000;
    QTest::newRow("six seconds") << QStringLiteral("6 seconds delay") << 6 << 6000;
    QTest::newRow("seven seconds") << QStringLiteral("7 seconds delay") << 7 << 7000;
    QTest::newRow("eight seconds") << QStringLiteral("8 seconds delay") << 8 << 8000;
    QTest::newRow("unknown text") << QStringLiteral("9 seconds delay") << 1 << 900;
    QTest::newRow("empty") << QString() << 1 << 900;
}

void tst_PreferencesDialog::delayTexts() {
    QFETCH(QString, text);
    QFETCH(int, item);
    QFETCH(int, milliseconds);
    QCOMPARE(handDelayIndexOfText(text), item);
    QCOMPARE(kHandDelays[std::size_t(item)].milliseconds, milliseconds);
}

// A stored delay: the item the box shows when the window opens.
void tst_PreferencesDialog::storedDelays_data() {
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("200") << 200 << 0 << QStringLiteral("No Delay");
    QTest::newRow("900") << 900 << 1 << QStringLiteral("1 second delay");
    QTest::newRow("2000") << 2000 << 2 << QStringLiteral("2 seconds delay");
    QTest::newRow("5000") << 5000 << 5 << QStringLiteral("5 seconds delay");
    QTest::newRow("8000") << 8000 << 8 << QStringLiteral("8 seconds delay");
    QTest::newRow("0") << 0 << 1 << QStringLiteral("1 second delay");
    QTest::newRow("1000") << 1000 << 1 << QStringLiteral("1 second delay");
    QTest::newRow("9000") << 9000 << 1 << QStringLiteral("1 second delay");
    QTest::newRow("negative") << -200 << 1 << QStringLiteral("1 second delay");
}

void tst_PreferencesDialog::storedDelays() {
    QFETCH(int, milliseconds);
    QFETCH(int, item);
    QFETCH(QString, text);
    QCOMPARE(handDelayIndexOfMilliseconds(milliseconds), item);
    QCOMPARE(QString::fromLatin1(kHandDelays[std::size_t(item)].text), text);
}

void tst_PreferencesDialog::noDelayStoresTwoHundredAndShowsAgain() {
    Fixture f;
    {
        PreferencesDialog window(f.globals.student(), f.services, f.hooks());
        auto* box = window.findChild<QComboBox*>(QStringLiteral("ComboBox2"));
        QCOMPARE(box->currentText(), QStringLiteral("1 second delay"));
        chooseDelay(box, QStringLiteral("No Delay"));
        QCOMPARE(f.globals.record.i32(kBegHandDelay), 200);
        window.reject();
    }
    QCOMPARE(f.onDisk().i32(kBegHandDelay), 200);
    PreferencesDialog again(f.globals.student(), f.services, f.hooks());
    QCOMPARE(again.findChild<QComboBox*>(QStringLiteral("ComboBox2"))->currentText(),
             QStringLiteral("No Delay"));
}

void tst_PreferencesDialog::unknownStoredDelayShowsOneSecond() {
    Fixture f;
    f.globals.record.setI32(kBegHandDelay, 1234);
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("ComboBox2"))->currentText(),
             QStringLiteral("1 second delay"));
    QCOMPARE(f.globals.record.i32(kBegHandDelay), 1234); // opening changes nothing
}

void tst_PreferencesDialog::twoLinesWritesAllThreePens() {
    Fixture f;
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    clickItem(window, "RadioGroup3", QStringLiteral("One Line"));
    for (std::size_t offset : {std::size_t(52), std::size_t(32456), std::size_t(32484)})
        QCOMPARE(f.globals.record.i32(offset), 1);
    clickItem(window, "RadioGroup3", QStringLiteral("Two Lines"));
    for (std::size_t offset : {std::size_t(52), std::size_t(32456), std::size_t(32484)})
        QCOMPARE(f.globals.record.i32(offset), 2);
}

void tst_PreferencesDialog::groupsShowWhatTheRecordHolds() {
    Fixture f;
    f.globals.record.setByte(kColourScheme, 4);
    f.globals.record.setByte(kSoundOn, 0);
    f.globals.record.setByte(kKeyTap, 7); // anything but 0 reads as on, as the sounds read it
    f.globals.record.setByte(kCharactersShown, 2);
    f.globals.record.setI32(kLessonsHandPen, 1);
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    QCOMPARE(checkedItem(window, "RadioGroup8"), QStringLiteral("Brown"));
    QCOMPARE(checkedItem(window, "RadioGroup1"), QStringLiteral("Sound Off"));
    QCOMPARE(checkedItem(window, "RadioGroup5"), QStringLiteral("Key Tap On"));
    QCOMPARE(checkedItem(window, "RadioGroup9"), QStringLiteral("See all Keys"));
    QCOMPARE(checkedItem(window, "RadioGroup2"), QStringLiteral("Beep On"));
    QCOMPARE(checkedItem(window, "RadioGroup3"), QStringLiteral("One Line"));
    QCOMPARE(checkedItem(window, "RadioGroup4"), QStringLiteral("Add Enter Key"));
}

void tst_PreferencesDialog::flagGroupsWriteOneAndZero_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("off");
    QTest::addColumn<QString>("on");
    QTest::addColumn<int>("offset");
    QTest::newRow("sound") << "RadioGroup1"
                           << "Sound Off"
                           << "Sound On" << 97606;
    QTest::newRow("key tap") << "RadioGroup5"
                             << "Key Tap Off"
                             << "Key Tap On" << 97608;
    QTest::newRow("beep") << "RadioGroup2"
                          << "Beep Off"
                          << "Beep On" << 97607;
    QTest::newRow("enter") << "RadioGroup4"
                           << "No Enter Key"
                           << "Add Enter Key" << 32452;
}

void tst_PreferencesDialog::flagGroupsWriteOneAndZero() {
    QFETCH(QString, group);
    QFETCH(QString, off);
    QFETCH(QString, on);
    QFETCH(int, offset);
    Fixture f;
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    const QByteArray name = group.toLatin1();
    clickItem(window, name.constData(), off);
    QCOMPARE(int(f.globals.record.byte(std::size_t(offset))), 0);
    clickItem(window, name.constData(), on);
    QCOMPARE(int(f.globals.record.byte(std::size_t(offset))), 1);
}

void tst_PreferencesDialog::borderColourStoresAndRepaints() {
    Fixture f;
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    clickItem(window, "RadioGroup8", QStringLiteral("Purple"));
    QCOMPARE(int(f.globals.record.colourScheme()), 3);
    QCOMPARE(f.schemeRepaints, 1);
    QCOMPARE(f.pictureReloads, 0);
}

void tst_PreferencesDialog::charactersOnKeyboardReloadsPictures() {
    Fixture f;
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    clickItem(window, "RadioGroup9", QStringLiteral("Hide all Keys"));
    QCOMPARE(int(f.globals.record.byte(kCharactersShown)), 0);
    QCOMPARE(f.pictureReloads, 1);
    clickItem(window, "RadioGroup9", QStringLiteral("See all Keys"));
    QCOMPARE(int(f.globals.record.byte(kCharactersShown)), 1);
    QCOMPARE(f.pictureReloads, 2);
}

void tst_PreferencesDialog::handColour() {
    Fixture f;
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    auto* change = window.findChild<QPushButton*>(QStringLiteral("Button1"));
    f.dialogs.colourAnswers = {std::nullopt, qRgb(10, 20, 30)};
    change->click(); // cancelled
    QCOMPARE(f.globals.record.i32(kHandColour), 5923645);
    QCOMPARE(f.dialogs.colourAsked.value(0), qRgb(61, 99, 90)); // shown as stored, 0x00BBGGRR
    change->click();
    QCOMPARE(f.globals.record.i32(kHandColour), 10 | (20 << 8) | (30 << 16));
    window.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    QCOMPARE(f.globals.record.i32(kHandColour), 5923645);
}

void tst_PreferencesDialog::pageFollowsTheActivity_data() {
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("page");
    QTest::newRow("main window") << 0 << QStringLiteral("Global Options");
    QTest::newRow("beginners") << 2 << QStringLiteral("Beginners && Intermediate");
    QTest::newRow("timed tests") << 9 << QStringLiteral("Timed Tests");
    QTest::newRow("other") << 11 << QStringLiteral("Global Options");
}

void tst_PreferencesDialog::pageFollowsTheActivity() {
    QFETCH(int, activity);
    QFETCH(QString, page);
    Fixture f;
    f.globals.activity.activity = static_cast<ActivityCode>(activity);
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QCOMPARE(pages->tabText(pages->currentIndex()), page);
    window.showPage(OptionsPage::GlobalOptions); // the drill window's "Colors" button
    QCOMPARE(pages->tabText(pages->currentIndex()), QStringLiteral("Global Options"));
}

void tst_PreferencesDialog::closingWritesOnceAndHandsTheDelayToTheDrill() {
    Fixture f;
    f.globals.activity.activity = ActivityCode::BeginnersDrills;
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    window.show();
    chooseDelay(window.findChild<QComboBox*>(QStringLiteral("ComboBox2")),
                QStringLiteral("3 seconds delay"));
    window.close();
    QCOMPARE(f.onDisk().i32(kBegHandDelay), 3000);
    QCOMPARE(f.drillDelays, QList<int>{3000});

    // A second close (Escape after the title bar, say) writes nothing more.
    StudentRecord changed = f.onDisk();
    changed.setI32(kBegHandDelay, 4000);
    StudentFile::save(f.globals.studentFilePath(), changed);
    window.reject();
    QCOMPARE(f.onDisk().i32(kBegHandDelay), 4000);
    QCOMPARE(f.drillDelays.size(), 1);
}

void tst_PreferencesDialog::closeButtonClicks() {
    Fixture f;
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    window.show();
    window.findChild<QPushButton*>(QStringLiteral("BitBtn13"))->click();
    QVERIFY(!window.isVisible());
    QVERIFY(f.drillDelays.isEmpty()); // no drill window open
    QVERIFY(!f.sound.played.isEmpty());
    QVERIFY(f.sound.played.last().endsWith(QStringLiteral("click_2.wav")));
}

void tst_PreferencesDialog::timedTestRomanForcesSmallFont() {
    Fixture f;
    f.globals.record.setByte(kTimedForceSmall, 1);
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    // The page is disabled in this build; its handlers still store what they would.
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    pages->widget(int(OptionsPage::TimedTests))->setEnabled(true);
    window.findChild<QRadioButton*>(QStringLiteral("RadioButton5"))->click();
    QCOMPARE(f.globals.record.shortString(kTimedFontName, 40),
             QByteArrayLiteral("Times New Roman"));
    QCOMPARE(int(f.globals.record.byte(kTimedLargeFont)), 0);
    QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("RadioButton4"))->isChecked());
    QVERIFY(!window.findChild<QRadioButton*>(QStringLiteral("RadioButton3"))->isEnabled());
    window.findChild<QRadioButton*>(QStringLiteral("RadioButton6"))->click();
    QCOMPARE(f.globals.record.shortString(kTimedFontName, 40), QByteArrayLiteral("Arial"));
    QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("RadioButton3"))->isEnabled());
}

// A screen reader names a list by its label relation, since the list's own name is the item it
// shows ("1 second delay"): each list and up-down that can be reached is labelled by its caption.
void tst_PreferencesDialog::listsAndUpDownsAreLabelledByTheirCaptions() {
    Fixture f;
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    QStringList unlabelled;
    int labelled = 0;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool list = qobject_cast<QComboBox*>(control) || qobject_cast<QSpinBox*>(control);
        // The pages this build does not offer cannot be reached.
        if (!list || !control->parentWidget()->isEnabledTo(&window))
            continue;
        const auto labels =
            QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
        const bool named =
            !labels.isEmpty() && !labels.front().first->text(QAccessible::Name).trimmed().isEmpty();
        if (named)
            ++labelled;
        else
            unlabelled << control->objectName();
    }
    QVERIFY2(unlabelled.isEmpty(), qPrintable(unlabelled.join(u' ')));
    QVERIFY(labelled >= 2);
}

// Tab into a group of choices lands on the chosen one, not on the first.
void tst_PreferencesDialog::tabIntoAGroupLandsOnItsChoice() {
    Fixture f;
    f.globals.record.setByte(kSoundOn, 0);
    PreferencesDialog window(f.globals.student(), f.services, f.hooks());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* group = window.findChild<QGroupBox*>(QStringLiteral("RadioGroup1"));
    const auto buttons = group->findChildren<QRadioButton*>();
    QCOMPARE(buttons.size(), 2);
    QVERIFY(buttons[1]->isChecked());
    QWidget* before = buttons[0]->previousInFocusChain();
    while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible())
        before = before->previousInFocusChain();
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), buttons[1]);
}

QTEST_MAIN(tst_PreferencesDialog)
#include "tst_PreferencesDialog.moc"
