// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and panel, shown in every language the program speaks, in the fonts it draws
// with: no label's or button's text is cut. Each failure names the language, the window, the
// control and its text.

#include "../drills/DrillHarness.h"
#include "app/AboutDialog.h"
#include "app/InterfaceLanguage.h"
#include "app/MainWindow.h"
#include "drills/DrillTitles.h"
#include "drills/DrillWindow.h"
#include "keyboard/FingerGuidance.h"
#include "keyboard/GuidanceTable.h"
#include "options/PreferencesDialog.h"
#include "overview/ClassOverviewWindow.h"
#include "platform/MessageBoxDialogs.h"
#include "progress/StatisticsWindow.h"
#include "tests/common/CutTexts.h"
#include "widgets/ClickableLabel.h"

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace kf;
using namespace kf::test;

namespace {

// A name of common length where a sentence speaks to the student.
const QString kStudent = QStringLiteral("Valentina");

// The one cut the design has in English: its drill title, in its font, is wider than the room
// beside the heading, and neither the words nor the font are this program's to change.
bool isTheDesignsOwnCut(const QString& language, const QString& problem) {
    return language == kEnglish && (problem.startsWith(QStringLiteral("Label3 \"All and Common")) ||
                                    problem.startsWith(QStringLiteral("Label4 \"All and Common")));
}

QString shippedTranslations() {
    return InterfaceLanguage::shippedLocation(qEnvironmentVariable("KEYFARER_SHARE"));
}

void activate(QWidget& window) {
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activation);
    QCoreApplication::processEvents();
}

void click(const QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    button->click();
    QCoreApplication::processEvents();
}

} // namespace

class tst_TextsFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mainWindowAndItsPanels_data();
    void mainWindowAndItsPanels();
    void drillWindowWithEveryTitleAndPanel_data();
    void drillWindowWithEveryTitleAndPanel();
    void everyFingerSentenceInTheGuidanceBox_data();
    void everyFingerSentenceInTheGuidanceBox();
    void everyPreferencesPage_data();
    void everyPreferencesPage();
    void statisticsWindowWithReportAndSwitchUser_data();
    void statisticsWindowWithReportAndSwitchUser();
    void classOverview_data();
    void classOverview();
    void aboutBox_data();
    void aboutBox();
    void messageBoxes_data();
    void messageBoxes();

private:
    // The cut texts of the window as it is shown now, each saying where it was found.
    void look(const QWidget& window, const QString& where);
    void languageRows();

    InterfaceLanguage m_language{shippedTranslations()};
    QStringList m_cut;
};

void tst_TextsFit::initTestCase() {
    // The program names these families; measured in anything else the test would prove nothing.
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Courier New"))).family(),
             QStringLiteral("Liberation Mono"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Times New Roman"))).family(),
             QStringLiteral("Liberation Serif"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("DejaVu Sans"))).family(),
             QStringLiteral("DejaVu Sans"));
    QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));
}

void tst_TextsFit::init() {
    QFETCH(QString, language);
    QCOMPARE(m_language.apply(language), language);
    m_cut.clear();
}

void tst_TextsFit::cleanup() {
    m_language.apply(kEnglish);
    // Qt Test shortens a long failure message: each cut text gets a line of its own.
    for (const QString& problem : std::as_const(m_cut))
        qWarning().noquote() << problem;
    QVERIFY2(m_cut.isEmpty(), qPrintable(QStringLiteral("%1 cut texts").arg(m_cut.size())));
}

void tst_TextsFit::languageRows() {
    QTest::addColumn<QString>("language");
    for (const InterfaceLanguageName& l : kInterfaceLanguages)
        QTest::newRow(qPrintable(l.code.toString())) << l.code.toString();
}

void tst_TextsFit::look(const QWidget& window, const QString& where) {
    QCoreApplication::processEvents();
    for (const QString& problem : cutTexts(&window))
        if (!isTheDesignsOwnCut(m_language.current(), problem))
            m_cut.append(QStringLiteral("[%1] %2: %3").arg(m_language.current(), where, problem));
}

void tst_TextsFit::mainWindowAndItsPanels_data() {
    languageRows();
}

void tst_TextsFit::mainWindowAndItsPanels() {
    TestWorkingFolder f;
    QVERIFY(f.provideStartFiles());
    QVERIFY(f.takeNewStudent(kStudent));
    MainWindow form(f.globals, f.services);
    form.show();
    activate(form);
    form.showUserName(kStudent);
    form.applyLinksOn();
    look(form, QStringLiteral("main window"));
    emit form.link(MainWindow::UserLink::NewUser).clicked();
    look(form, QStringLiteral("main window, New User"));
    click(form, "ButtonNewUserCancel");
    emit form.link(MainWindow::UserLink::SelectUser).clicked();
    look(form, QStringLiteral("main window, Select User"));
    click(form, "ButtonSelectCancel");
}

void tst_TextsFit::drillWindowWithEveryTitleAndPanel_data() {
    languageRows();
}

void tst_TextsFit::drillWindowWithEveryTitleAndPanel() {
    for (std::size_t kind = 0; kind < kDrillKindCount; ++kind) {
        DrillHarness h(static_cast<DrillKind>(kind));
        h.shipFiles();
        DrillWindow form(h.globals.drillWindowState(), h.services);
        form.show();
        activate(form);
        const bool ownKeys = static_cast<DrillKind>(kind) == DrillKind::ChooseYourOwnKeys;
        QCOMPARE(form.findChild<QWidget*>(QStringLiteral("Panel2"))->isVisible(), ownKeys);
        look(form, QStringLiteral("drill window, ") + QString::fromLatin1(kDrillTitles[kind]));
    }
    // A set of the first drill: its first target, a miss and its pause, the set's statistics.
    DrillHarness h;
    h.shipFiles();
    DrillWindow form(h.globals.drillWindowState(), h.services);
    form.show();
    activate(form);
    QWidget* drill = form.centralWidget();
    QTest::keyClick(drill, Qt::Key_Space);
    look(form, QStringLiteral("drill window, a set running"));
    QTest::keyClick(drill, char(form.engine().targetChar() == '~' ? '`' : '~'));
    QVERIFY(form.findChild<QWidget*>(QStringLiteral("Panel62"))->isVisible());
    look(form, QStringLiteral("drill window, paused after a miss"));
    while (form.engine().setPresses() < form.engine().setLength())
        QTest::keyClick(drill, char(form.engine().targetChar()));
    QVERIFY(form.engine().awaitingEnter());
    look(form, QStringLiteral("drill window, waiting for Enter"));
    QTest::keyClick(drill, Qt::Key_Return);
    QVERIFY(form.findChild<QWidget*>(QStringLiteral("Panel11"))->isVisible());
    look(form, QStringLiteral("drill window, the set's statistics"));
}

void tst_TextsFit::everyFingerSentenceInTheGuidanceBox_data() {
    languageRows();
}

// The guidance box holds the longest sentence of each language, whichever keyboard is chosen.
void tst_TextsFit::everyFingerSentenceInTheGuidanceBox() {
    DrillHarness h;
    h.shipFiles();
    DrillWindow form(h.globals.drillWindowState(), h.services);
    form.show();
    auto* guidance = form.findChild<QLabel*>(QStringLiteral("Label17"));
    QVERIFY(guidance != nullptr && guidance->isVisible());
    for (int id = 1; id <= kGuidanceTextCount; ++id) {
        guidance->setText(*guidanceText(id, kStudent));
        if (const QString problem = cut::labelProblem(guidance); !problem.isEmpty())
            m_cut.append(QStringLiteral("[%1] drill window, finger sentence %2: %3")
                             .arg(m_language.current())
                             .arg(id)
                             .arg(problem));
    }
}

void tst_TextsFit::everyPreferencesPage_data() {
    languageRows();
}

void tst_TextsFit::everyPreferencesPage() {
    DrillHarness h;
    PreferencesDialog* options = openOptions(h.globals.student(), h.services, {}, std::nullopt);
    auto* pages = options->findChild<QTabWidget*>();
    QVERIFY(pages != nullptr && pages->count() == 5);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        look(*options, QStringLiteral("Preferences, ") + pages->tabText(page));
    }
    options->close();
    QCoreApplication::processEvents();
}

void tst_TextsFit::statisticsWindowWithReportAndSwitchUser_data() {
    languageRows();
}

void tst_TextsFit::statisticsWindowWithReportAndSwitchUser() {
    DrillHarness h;
    StatisticsWindow window(h.globals.student(), h.services);
    window.show();
    auto* pages = window.findChild<QTabWidget*>();
    QVERIFY(pages != nullptr);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        look(window, QStringLiteral("statistics window, ") + pages->tabText(page));
    }
    // The shift-key figures show for other sections than the drills: measured where they stand.
    for (const char* name : {"LabelRightShift", "LabelLeftShift"}) {
        const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(label != nullptr);
        if (const QString problem = cut::labelProblem(label); !problem.isEmpty())
            m_cut.append(QStringLiteral("[%1] statistics window, shift errors: %2")
                             .arg(m_language.current(), problem));
    }
    window.buttonViewReportClick();
    look(window, QStringLiteral("statistics window, report"));
    window.buttonHideClick();
    look(window, QStringLiteral("statistics window, report hidden"));
    window.buttonShowClick();
    window.buttonCloseReportClick();
    window.buttonSwitchUserClick();
    look(window, QStringLiteral("statistics window, switch user"));
}

void tst_TextsFit::classOverview_data() {
    languageRows();
}

void tst_TextsFit::classOverview() {
    TestWorkingFolder f;
    QVERIFY(f.takeNewStudent(kStudent));
    ClassOverviewWindow window(WorkingFolder(f.dir.path()), f.services);
    QSignalSpy loaded(&window, &ClassOverviewWindow::loaded);
    window.show();
    window.reload();
    QVERIFY(loaded.wait(5000));
    look(window, QStringLiteral("class overview"));
}

void tst_TextsFit::aboutBox_data() {
    languageRows();
}

void tst_TextsFit::aboutBox() {
    TestWorkingFolder f;
    linkAllShipped(f.folder());
    AboutDialog about(WorkingFolder(f.dir.path())); // never closed: it deletes itself on close
    about.show();
    look(about, QStringLiteral("About"));
}

void tst_TextsFit::messageBoxes_data() {
    languageRows();
}

// The real message boxes, read while they wait for an answer, with each set of buttons.
void tst_TextsFit::messageBoxes() {
    MessageBoxDialogs dialogs;
    const QString text = QCoreApplication::translate(
        "UserPanels",
        "You cannot begin to type until you have selected a user name from the list.");
    for (const Dialogs::Buttons buttons :
         {Dialogs::Buttons::Ok, Dialogs::Buttons::OkCancel, Dialogs::Buttons::YesNo,
          Dialogs::Buttons::TryAgainQuit}) {
        bool seen = false;
        QTimer::singleShot(0, this, [this, &seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            seen = true;
            look(*box, QStringLiteral("message box"));
            box->done(0);
        });
        dialogs.message(Dialogs::Kind::Error, text, buttons);
        QVERIFY(seen);
    }
}

QTEST_MAIN(tst_TextsFit)
#include "tst_TextsFit.moc"
