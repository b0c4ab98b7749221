// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Globals.h"
#include "platform/QtPrinter.h"
#include "platform/Services.h"
#include "progress/BarChartView.h"
#include "progress/GoalReport.h"
#include "progress/StatisticsWindow.h"
#include "progress/SummaryReport.h"
#include "students/FixedPoint.h"
#include "students/StudentFile.h"
#include "tests/common/TestWorkingFolder.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <memory>

using namespace kf;

class tst_ChartsReport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void reportPanelStartsHiddenWithItsControls_data();
    void reportPanelStartsHiddenWithItsControls();
    void reportTextAreaSitsInPlace();
    void viewReportShowsTheReportAndEveryStudentFile();
    void refreshRebuildsTheReport();
    void hideAndShowAlternateInOnePlace();
    void keyboardAndReaderStayInTheReportWhileItShows_data();
    void keyboardAndReaderStayInTheReportWhileItShows();
    void printReportWritesEachLineInTheChosenFont_data();
    void printReportWritesEachLineInTheChosenFont();
    void cancelledPrintDoesNothing();
    void failingPrinterShowsItsMessageAndChangesNothing();
    void chosenFontSizeReachesThePdf_data();
    void chosenFontSizeReachesThePdf();

    void switchUserPanelOffersTheSortedNames();
    void keyboardStaysOnTheSwitchUserPanelWhileItShows();
    void viewingAnotherStudentLoadsTheirRecord();
    void viewingOnesOwnNameSetsNoRestartAdvice_data();
    void viewingOnesOwnNameSetsNoRestartAdvice();
    void userLineAndDrillWindowFollowTheActivity_data();
    void userLineAndDrillWindowFollowTheActivity();
    void noSelectionChangesNothing_data();
    void noSelectionChangesNothing();
    void unreadableFileIsReportedAndChangesNothing();
    void vanishedFileKeepsTheRecordAndTakesTheName();
    void shiftErrorsAfterViewingSelectedName_data();
    void shiftErrorsAfterViewingSelectedName();

private:
    template <typename T>
    T* find(const QString& name) const;
    void click(const QString& button) const;
    void writeStudent(const QString& name, std::int32_t bestTime, std::int32_t rightShift = 0);
    QString reportText() const;
    void openReport();
    void chooseInReportList(const QString& name);
    void chooseInSwitchList(const QString& name);

    std::unique_ptr<test::TestWorkingFolder> m_folder;
    std::unique_ptr<StatisticsWindow> m_window;
};

namespace {

const QDate kToday(2026, 12, 7);
constexpr std::int32_t kMariaBest = 14;
constexpr std::int32_t kBobBest = 25;

// Runs a poppler tool on a file; its standard output, or why it failed.
QString runTool(const QString& tool, const QStringList& arguments, bool* ok) {
    *ok = false;
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return tool + QStringLiteral(" is missing: scripts/setup installs poppler-utils");
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return tool + QStringLiteral(" failed: ") +
               QString::fromUtf8(process.readAllStandardError());
    *ok = true;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words pdftotext finds on the page, with their width in points, in reading order.
struct PdfWord {
    QString text;
    double width;
};
QList<PdfWord> pdfWords(const QString& bboxHtml) {
    static const QRegularExpression word(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(bboxHtml))
        words.append({m.captured(3), m.captured(2).toDouble() - m.captured(1).toDouble()});
    return words;
}

// Every control Tab and Shift+Tab reach from the focused one, round the window once.
QList<QWidget*> tabStops() {
    QList<QWidget*> stops;
    for (const bool forward : {true, false}) {
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            forward ? Qt::NoModifier : Qt::ShiftModifier);
            if (!stops.contains(QApplication::focusWidget()))
                stops.append(QApplication::focusWidget());
        }
    }
    stops.removeAll(nullptr);
    return stops;
}

// The nearest accessible ancestor that the accessibility bridge reports as a window: a child
// of the application, or one whose role is a window's (the border role goes out as a frame). A
// screen reader takes what has the focus to live in that window.
QObject* readersWindowOf(QWidget* control) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    for (iface = iface ? iface->parent() : nullptr; iface && iface->parent();
         iface = iface->parent()) {
        const QAccessible::Role role = iface->role();
        if (role == QAccessible::Window || role == QAccessible::Dialog ||
            role == QAccessible::Border || iface->parent()->role() == QAccessible::Application)
            return iface->object();
    }
    return nullptr;
}

} // namespace

void tst_ChartsReport::init() {
    m_folder = std::make_unique<test::TestWorkingFolder>();
    writeStudent(QStringLiteral("Maria"), kMariaBest);
    writeStudent(QStringLiteral("Bob"), kBobBest, 6);
    m_folder->globals.currentUserName = QStringLiteral("Maria");
    QVERIFY(StudentFile::load(m_folder->path(QStringLiteral("Maria.stu")), m_folder->globals.record)
                .done());
    m_folder->globals.soundDevice = true;
    m_window = std::make_unique<StatisticsWindow>(m_folder->globals.student(), m_folder->services);
    m_window->setTitleDate(kToday);
    m_window->show();
}

void tst_ChartsReport::cleanup() {
    m_window.reset();
    m_folder.reset();
}

template <typename T>
T* tst_ChartsReport::find(const QString& name) const {
    T* w = m_window->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

void tst_ChartsReport::click(const QString& button) const {
    find<QPushButton>(button)->click();
}

void tst_ChartsReport::writeStudent(const QString& name, std::int32_t bestTime,
                                    std::int32_t rightShift) {
    const QString path = m_folder->path(name + QStringLiteral(".stu"));
    StudentRecord record;
    QVERIFY(StudentFile::create(path, record).done());
    record.setI32(layout::kBegBestTime, bestTime);
    record.setI32(layout::kLessonsRightShiftErrors, rightShift);
    record.setI32(layout::kLessonsLeftShiftErrors, rightShift + 1);
    QVERIFY(StudentFile::save(path, record).done());
}

QString tst_ChartsReport::reportText() const {
    return find<QPlainTextEdit>(QStringLiteral("MemoReport"))->toPlainText();
}

void tst_ChartsReport::openReport() {
    click(QStringLiteral("ButtonViewReportKeys"));
    QVERIFY(find<QWidget>(QStringLiteral("PanelReport"))->isVisible());
}

void tst_ChartsReport::chooseInReportList(const QString& name) {
    auto* list = find<QListWidget>(QStringLiteral("ListBoxReportNames"));
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    list->setCurrentItem(items.first());
}

void tst_ChartsReport::chooseInSwitchList(const QString& name) {
    auto* list = find<QListWidget>(QStringLiteral("ListBoxSwitchUser"));
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    list->setCurrentItem(items.first());
}

void tst_ChartsReport::reportPanelStartsHiddenWithItsControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");

    QTest::newRow("print") << "ButtonPrintReport"
                           << "Print Report"
                           << "";
    QTest::newRow("close") << "ButtonCloseReport"
                           << "Close"
                           << "";
    QTest::newRow("view") << "ButtonReportViewName"
                          << "View Report"
                          << "View User Name to the Left";
    QTest::newRow("hide") << "ButtonHide"
                          << "Hide"
                          << "Hide to View Charts";
    QTest::newRow("hide note") << "LabelHide"
                               << "Click \"Hide\" to view charts:"
                               << "";
    QTest::newRow("font size") << "LabelFontSize"
                               << "Font Size"
                               << "";
    QTest::newRow("show") << "ButtonShow"
                          << "Show"
                          << "Show Report";
    QTest::newRow("view selected") << "ButtonViewSelectedName"
                                   << "View Selected Name"
                                   << "";
    QTest::newRow("cancel switch") << "ButtonCancelSwitch"
                                   << "Cancel"
                                   << "";
    QTest::newRow("switch note")
        << "LabelSwitchNote"
        << "If you want to continue typing after viewing other names, return to original name."
        << "";
}

void tst_ChartsReport::reportPanelStartsHiddenWithItsControls() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, hint);

    for (const char* panel : {"PanelReport", "PanelShow", "PanelSwitchUser"})
        QVERIFY(!find<QWidget>(QString::fromLatin1(panel))->isVisible());
    QWidget* control = find<QWidget>(name);
    if (auto* b = qobject_cast<QPushButton*>(control))
        QCOMPARE(b->text(), text);
    else
        QCOMPARE(qobject_cast<QLabel*>(control)->text(), text);
    QCOMPARE(control->toolTip(), hint);
}

void tst_ChartsReport::reportTextAreaSitsInPlace() {
    auto* text = find<QPlainTextEdit>(QStringLiteral("MemoReport"));
    QCOMPARE(find<QWidget>(QStringLiteral("PanelReport"))->geometry(), QRect(0, 0, 712, 516));
    QCOMPARE(text->geometry(), QRect(10, 10, 692, 424));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(text->font().pixelSize(), 15);
    auto* size = find<QSpinBox>(QStringLiteral("SpinEditFontSize"));
    QCOMPARE(size->minimum(), 9);
    QCOMPARE(size->maximum(), 13);
    QCOMPARE(size->value(), 10);
}

void tst_ChartsReport::viewReportShowsTheReportAndEveryStudentFile() {
    // The report lists the roster as every other list of names does: each student file once,
    // whatever the letter case of ".stu", in alphabetical order.
    writeStudent(QStringLiteral("Cy"), 1);
    QVERIFY(QFile::rename(m_folder->path(QStringLiteral("Cy.stu")),
                          m_folder->path(QStringLiteral("Cy.STU"))));
    writeStudent(QStringLiteral("Cy"), 2);
    writeStudent(QStringLiteral("al"), 1);

    openReport();

    // Listing names starts no script of the folder.
    QVERIFY(m_folder->shell.files.isEmpty());
    QCOMPARE(m_folder->sound.played.size(), 1);
    auto* list = find<QListWidget>(QStringLiteral("ListBoxReportNames"));
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    QCOMPARE(names, (QStringList{QStringLiteral("al"), QStringLiteral("Bob"), QStringLiteral("Cy"),
                                 QStringLiteral("Maria")}));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Maria"));
    QStringList expected =
        summaryReportLines(
            m_folder->globals.record,
            {QStringLiteral("Maria"), QLocale::system().toString(kToday, QLocale::ShortFormat)}) +
        goalReportLines(m_folder->dir.path(), QStringLiteral("Maria"));
    // The carriage return after the date ends its line together with the line break.
    QCOMPARE(reportText().split(u'\n'), expected.replaceInStrings(QStringLiteral("\r"), QString()));
    QVERIFY(reportText().contains(QStringLiteral("Best Time Today or Last (Seconds): 14")));
}

void tst_ChartsReport::refreshRebuildsTheReport() {
    openReport();
    m_folder->globals.record.setFigure(layout::kBegSessionKeys, 250);
    m_folder->globals.record.setFigure(layout::kBegSessionMisses, 20);
    QVERIFY(!reportText().contains(QStringLiteral("92%")));

    m_window->refresh();

    QVERIFY(reportText().contains(QStringLiteral("Accuracy Today or Last:           92%")));
}

void tst_ChartsReport::hideAndShowAlternateInOnePlace() {
    openReport();
    auto* report = find<QWidget>(QStringLiteral("PanelReport"));
    auto* showPanel = find<QWidget>(QStringLiteral("PanelShow"));
    auto* hide = find<QPushButton>(QStringLiteral("ButtonHide"));
    auto* show = find<QPushButton>(QStringLiteral("ButtonShow"));
    m_folder->sound.played.clear();

    hide->click();
    QVERIFY(!report->isVisible());
    QVERIFY(showPanel->isVisible());
    QCOMPARE(show->mapTo(m_window.get(), QPoint(0, 0)), hide->mapTo(m_window.get(), QPoint(0, 0)));
    QCOMPARE(show->mapTo(m_window.get(), QPoint(0, 0)), showPanel->pos() + QPoint(14, 11));
    // The show panel stands at the bottom right, inside the window.
    QVERIFY(m_window->rect().contains(showPanel->geometry()));
    QVERIFY(showPanel->geometry().right() > 712 - 20);
    QVERIFY(showPanel->geometry().bottom() > 516 - 20);

    chooseInReportList(QStringLiteral("Bob"));
    show->click();
    QVERIFY(report->isVisible());
    QVERIFY(!showPanel->isVisible());
    QCOMPARE(find<QListWidget>(QStringLiteral("ListBoxReportNames"))->currentItem()->text(),
             QStringLiteral("Maria"));

    click(QStringLiteral("ButtonCloseReport"));
    QVERIFY(!report->isVisible());
    QVERIFY(!showPanel->isVisible());
    QCOMPARE(m_folder->sound.played.size(), 3);
}

void tst_ChartsReport::keyboardAndReaderStayInTheReportWhileItShows_data() {
    QTest::addColumn<bool>("shownAgain"); // hidden behind "Show", then shown again
    QTest::newRow("View Report") << false;
    QTest::newRow("Show") << true;
}

void tst_ChartsReport::keyboardAndReaderStayInTheReportWhileItShows() {
    QFETCH(bool, shownAgain);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    auto* report = find<QWidget>(QStringLiteral("PanelReport"));
    auto* names = find<QListWidget>(QStringLiteral("ListBoxReportNames"));
    openReport();
    if (shownAgain) {
        click(QStringLiteral("ButtonHide"));
        // Hidden, the report gives the keyboard back to the charts and the "Show" button.
        QCOMPARE(QApplication::focusWidget(), find<QWidget>(QStringLiteral("ButtonShow")));
        const QList<QWidget*> stops = tabStops();
        QVERIFY(stops.contains(find<QWidget>(QStringLiteral("ButtonViewReportKeys"))));
        for (QWidget* stop : stops) {
            QVERIFY2(!report->isAncestorOf(stop), qPrintable(stop->objectName()));
            // Nor does it reach a chart, shown or lying behind the other one of its band.
            QVERIFY2(!qobject_cast<BarChartView*>(stop), qPrintable(stop->objectName()));
        }
        click(QStringLiteral("ButtonShow"));
    }

    QCOMPARE(QApplication::focusWidget(), names);
    const QList<QWidget*> stops = tabStops();
    QVERIFY(stops.contains(find<QWidget>(QStringLiteral("MemoReport"))));
    for (QWidget* stop : stops)
        QVERIFY2(report->isAncestorOf(stop), qPrintable(stop->objectName()));
    // What a reader sees of the window is the report: the covered charts and pages are gone.
    for (const char* covered : {"PageControl1", "ButtonPrintTop", "ChartKeySpeed", "PanelShow"})
        QVERIFY2(!find<QWidget>(QString::fromLatin1(covered))->isVisible(), covered);
    // The report is part of the statistics window, not a window of its own.
    QCOMPARE(readersWindowOf(names), m_window.get());
    QCOMPARE(readersWindowOf(find<QWidget>(QStringLiteral("MemoReport"))), m_window.get());

    click(QStringLiteral("ButtonCloseReport"));
    QVERIFY(find<QWidget>(QStringLiteral("PageControl1"))->isVisible());
    QVERIFY(QApplication::focusWidget() && !report->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(QApplication::focusWidget()->isVisible());
}

void tst_ChartsReport::printReportWritesEachLineInTheChosenFont_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("9") << 9;
    QTest::newRow("13") << 13;
}

void tst_ChartsReport::printReportWritesEachLineInTheChosenFont() {
    QFETCH(int, size);
    m_folder->globals.record.setByte(layout::kBegSlowestKey, 'g');
    openReport();
    find<QSpinBox>(QStringLiteral("SpinEditFontSize"))->setValue(size);
    m_folder->sound.played.clear();

    click(QStringLiteral("ButtonPrintReport"));

    QCOMPARE(m_folder->printer.calls, 1);
    QCOMPARE(m_folder->sound.played.size(), 1);
    QCOMPARE(m_folder->printer.printedFont.family(), QStringLiteral("Courier New"));
    QCOMPARE(m_folder->printer.printedFont.pointSize(), size);
    QCOMPARE(find<QPlainTextEdit>(QStringLiteral("MemoReport"))->font().pointSize(), size);
    // The report, then the class goals, which Maria has not typed towards yet.
    const QStringList goals = {QString(),
                               QStringLiteral("Class goals: 35 words a minute and 95 % accuracy."),
                               QStringLiteral("Maria has no presses in the journal yet.")};
    QCOMPARE(m_folder->printer.printedLines,
             summaryReportLines(m_folder->globals.record,
                                {QStringLiteral("Maria"),
                                 QLocale::system().toString(kToday, QLocale::ShortFormat)}) +
                 goals);
    QVERIFY(m_folder->printer.printedLines.contains(
        QStringLiteral("Slowest Letter Today or Last:     g")));
    QVERIFY(m_folder->dialogs.shown.isEmpty());
}

void tst_ChartsReport::cancelledPrintDoesNothing() {
    openReport();
    m_folder->printer.outcome = {Printer::Status::Cancelled, {}};
    click(QStringLiteral("ButtonPrintReport"));
    QCOMPARE(m_folder->printer.calls, 1);
    QVERIFY(m_folder->printer.printedLines.isEmpty());
    QVERIFY(m_folder->dialogs.shown.isEmpty());
}

void tst_ChartsReport::failingPrinterShowsItsMessageAndChangesNothing() {
    openReport();
    const QString before = reportText();
    const auto recordBefore = m_folder->globals.record.bytes();
    m_folder->printer.outcome = {Printer::Status::Failed,
                                 QStringLiteral("Printer is out of paper.")};

    click(QStringLiteral("ButtonPrintReport"));

    QCOMPARE(m_folder->dialogs.shown.size(), 1);
    QCOMPARE(m_folder->dialogs.shown.first().kind, Dialogs::Kind::Error);
    QCOMPARE(m_folder->dialogs.shown.first().text, QStringLiteral("Printer is out of paper."));
    QVERIFY(find<QWidget>(QStringLiteral("PanelReport"))->isVisible());
    QCOMPARE(reportText(), before);
    QVERIFY(m_folder->globals.record.bytes() == recordBefore);
    QCOMPARE(m_folder->globals.currentUserName, QStringLiteral("Maria"));
    QVERIFY(!m_window->state().namesSwitched);
}

void tst_ChartsReport::chosenFontSizeReachesThePdf_data() {
    QTest::addColumn<int>("chosen"); // 0: the size is never changed
    QTest::addColumn<double>("points");

    QTest::newRow("13") << 13 << 13.0;
    // The text area's 15 screen pixels are 11.25 points: printed, they keep the size seen.
    QTest::newRow("as shown") << 0 << 11.25;
}

// The real printer writes the report into a PDF: the page must carry the chosen size. In a
// fixed-pitch font every character is 0.6 of the size wide, so a word's width gives the size.
void tst_ChartsReport::chosenFontSizeReachesThePdf() {
    QFETCH(int, chosen);
    QFETCH(double, points);
    const QString pdf = m_folder->path(QStringLiteral("report.pdf"));
    QtPrinter printer(pdf);
    Services services{m_folder->sound, m_folder->shell, printer, m_folder->dialogs,
                      m_folder->clock};
    StatisticsWindow window(m_folder->globals.student(), services);
    window.setTitleDate(kToday);
    window.show();
    window.findChild<QPushButton*>(QStringLiteral("ButtonViewReportKeys"))->click();
    if (chosen != 0)
        window.findChild<QSpinBox*>(QStringLiteral("SpinEditFontSize"))->setValue(chosen);

    window.findChild<QPushButton*>(QStringLiteral("ButtonPrintReport"))->click();

    QVERIFY2(m_folder->dialogs.shown.isEmpty(), qPrintable(m_folder->dialogs.texts().join(u'\n')));
    bool ok = false;
    const QString fonts = runTool(QStringLiteral("pdffonts"), {pdf}, &ok);
    QVERIFY2(ok, qPrintable(fonts));
    QVERIFY2(fonts.contains(QStringLiteral("LiberationMono")), qPrintable(fonts));
    const QString bbox = runTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}, &ok);
    QVERIFY2(ok, qPrintable(bbox));
    const QList<PdfWord> words = pdfWords(bbox);
    QStringList texts;
    for (const PdfWord& w : words)
        texts.append(w.text);
    // Every word of the report, line after line, and nothing else.
    QStringList expected;
    for (const QString& line :
         summaryReportLines(
             m_folder->globals.record,
             {QStringLiteral("Maria"), QLocale::system().toString(kToday, QLocale::ShortFormat)}) +
             goalReportLines(m_folder->dir.path(), QStringLiteral("Maria")))
        expected.append(line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts));
    QCOMPARE(texts, expected);
    // The printer's resolution rounds the size to whole dots: 1/1200 inch is 0.06 point.
    for (const PdfWord& w : words) {
        const double size = w.width / (0.6 * w.text.size());
        QVERIFY2(qAbs(size - points) < 0.1, qPrintable(w.text + u' ' + QString::number(size)));
    }
}

void tst_ChartsReport::keyboardStaysOnTheSwitchUserPanelWhileItShows() {
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    click(QStringLiteral("ButtonSwitchUserKeys"));
    auto* panel = find<QWidget>(QStringLiteral("PanelSwitchUser"));
    QCOMPARE(QApplication::focusWidget(), find<QWidget>(QStringLiteral("ListBoxSwitchUser")));
    // The panel covers the middle of the page: Tab goes round its own controls only, never to
    // a control lying under it.
    const QList<QWidget*> stops = tabStops();
    QVERIFY(stops.contains(find<QWidget>(QStringLiteral("ButtonCancelSwitch"))));
    for (QWidget* stop : stops)
        QVERIFY2(panel->isAncestorOf(stop), qPrintable(stop->objectName()));

    click(QStringLiteral("ButtonCancelSwitch"));
    QVERIFY(!panel->isVisible());
    QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->isVisible());
    QVERIFY(tabStops().contains(find<QWidget>(QStringLiteral("ButtonViewReportKeys"))));
}

void tst_ChartsReport::switchUserPanelOffersTheSortedNames() {
    writeStudent(QStringLiteral("ann"), 1);
    writeStudent(QStringLiteral("Zed"), 1);
    QVERIFY(QFile::rename(m_folder->path(QStringLiteral("Zed.stu")),
                          m_folder->path(QStringLiteral("Zed.STU"))));

    click(QStringLiteral("ButtonSwitchUserKeys"));

    auto* panel = find<QWidget>(QStringLiteral("PanelSwitchUser"));
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->geometry().center(), m_window->rect().center());
    QCOMPARE(find<QLabel>(QStringLiteral("LabelSwitchUser"))->text(),
             QStringLiteral("Select a name from the list below."));
    QCOMPARE(find<QLabel>(QStringLiteral("LabelSwitchUser"))->font().pixelSize(), 16);
    auto* list = find<QListWidget>(QStringLiteral("ListBoxSwitchUser"));
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    // Every student file, whatever the letter case of ".stu", in alphabetical order.
    QCOMPARE(names.size(), 4);
    QCOMPARE(QStringList(names).join(u' ').toLower(), QStringLiteral("ann bob maria zed"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Maria"));
    QVERIFY(m_folder->shell.files.isEmpty());
    // The picture is painted in the scheme colour (green by default).
    const QImage picture = find<QLabel>(QStringLiteral("ImageSwitchUser"))->pixmap().toImage();
    QCOMPARE(picture.size(), panel->size());
    QCOMPARE(QColor(picture.pixel(1, 1)), QColor(0x5C, 0x98, 0x9E));
    // Beginners Drills is the key-chart section: no shift-error figures.
    QVERIFY(!find<QLabel>(QStringLiteral("LabelRightShift"))->isVisible());

    m_folder->sound.played.clear();
    click(QStringLiteral("ButtonCancelSwitch"));
    QVERIFY(!panel->isVisible());
    QCOMPARE(m_folder->sound.played.size(), 1);
    QCOMPARE(m_folder->globals.currentUserName, QStringLiteral("Maria"));
}

void tst_ChartsReport::viewingAnotherStudentLoadsTheirRecord() {
    m_folder->globals.drillSession.presented[5] = 30000;
    m_folder->globals.drillSession.sessionPresses = 30000;
    click(QStringLiteral("ButtonSwitchUserOverall"));
    chooseInSwitchList(QStringLiteral("Bob"));
    m_folder->sound.played.clear();

    click(QStringLiteral("ButtonViewSelectedName"));

    QCOMPARE(m_folder->globals.currentUserName, QStringLiteral("Bob"));
    QCOMPARE(m_folder->globals.record.i32(layout::kBegBestTime), kBobBest);
    QCOMPARE(m_folder->globals.drillSession.presented[5], 0);
    QCOMPARE(m_folder->globals.drillSession.sessionPresses, 0);
    QVERIFY(m_window->state().namesSwitched);
    QVERIFY(!find<QWidget>(QStringLiteral("PanelSwitchUser"))->isVisible());
    QCOMPARE(find<QLabel>(QStringLiteral("PanelUserKeys"))->text(), QStringLiteral("Bob"));
    QCOMPARE(find<QLabel>(QStringLiteral("PanelUserOverall"))->text(), QStringLiteral("Bob"));
    // The charts and the report are drawn anew for Bob.
    const auto* keyChart = m_window->findChild<BarChartView*>(QStringLiteral("ChartKeyAccuracy"));
    QVERIFY(keyChart->titleLines().first().contains(QStringLiteral("Bob -- ")));
    QVERIFY(reportText().startsWith(QStringLiteral(" \nStudent: Bob  Date: ")));
    QVERIFY(reportText().contains(QStringLiteral("Best Time Today or Last (Seconds): 25")));
    QCOMPARE(m_folder->sound.played.size(), 1);
    // Maria's file was not written.
    StudentRecord maria;
    QVERIFY(StudentFile::load(m_folder->path(QStringLiteral("Maria.stu")), maria).done());
    QCOMPARE(maria.i32(layout::kBegBestTime), kMariaBest);

    // Closing the window advises a restart.
    m_window->close();
    QCOMPARE(m_folder->dialogs.shown.size(), 1);
    QVERIFY(
        m_folder->dialogs.shown.first().text.startsWith(QStringLiteral("After Switching names")));
}

void tst_ChartsReport::viewingOnesOwnNameSetsNoRestartAdvice_data() {
    QTest::addColumn<bool>("fromReport");
    QTest::newRow("switch-user panel") << false;
    QTest::newRow("report panel") << true;
}

void tst_ChartsReport::viewingOnesOwnNameSetsNoRestartAdvice() {
    QFETCH(bool, fromReport);
    m_folder->globals.record.setI32(layout::kBegBestTime, 99); // in memory only
    if (fromReport) {
        openReport();
        chooseInReportList(QStringLiteral("Maria"));
        click(QStringLiteral("ButtonReportViewName"));
    } else {
        click(QStringLiteral("ButtonSwitchUserKeys"));
        chooseInSwitchList(QStringLiteral("Maria"));
        click(QStringLiteral("ButtonViewSelectedName"));
    }

    // Her record in memory is the newest copy of it: viewing her own name keeps it.
    QCOMPARE(m_folder->globals.currentUserName, QStringLiteral("Maria"));
    QCOMPARE(m_folder->globals.record.i32(layout::kBegBestTime), 99);
    QVERIFY(!m_window->state().namesSwitched);
    m_window->close();
    QVERIFY(m_folder->dialogs.shown.isEmpty());
}

void tst_ChartsReport::userLineAndDrillWindowFollowTheActivity_data() {
    QTest::addColumn<bool>("fromReport");
    QTest::addColumn<bool>("drillOpen");
    QTest::addColumn<bool>("userLine");

    QTest::newRow("selected name, main window") << false << false << true;
    QTest::newRow("selected name, drill open") << false << true << false;
    QTest::newRow("report, main window") << true << false << true;
    QTest::newRow("report, drill open") << true << true << true;
}

void tst_ChartsReport::userLineAndDrillWindowFollowTheActivity() {
    QFETCH(bool, fromReport);
    QFETCH(bool, drillOpen);
    QFETCH(bool, userLine);
    m_folder->globals.activity.activity =
        drillOpen ? ActivityCode::BeginnersDrills : ActivityCode::MainWindow;
    QSignalSpy lines(m_window.get(), &StatisticsWindow::userLineNameChanged);
    QSignalSpy reloads(m_window.get(), &StatisticsWindow::drillWindowReloadRequested);

    if (fromReport) {
        openReport();
        chooseInReportList(QStringLiteral("Bob"));
        click(QStringLiteral("ButtonReportViewName"));
    } else {
        click(QStringLiteral("ButtonSwitchUserKeys"));
        chooseInSwitchList(QStringLiteral("Bob"));
        click(QStringLiteral("ButtonViewSelectedName"));
    }

    QCOMPARE(m_folder->globals.currentUserName, QStringLiteral("Bob"));
    QCOMPARE(lines.size(), userLine ? 1 : 0);
    if (userLine)
        QCOMPARE(lines.first().first().toString(), QStringLiteral("Bob"));
    QCOMPARE(reloads.size(), drillOpen ? 1 : 0);
}

void tst_ChartsReport::noSelectionChangesNothing_data() {
    QTest::addColumn<bool>("fromReport");
    QTest::newRow("switch-user panel") << false;
    QTest::newRow("report panel") << true;
}

void tst_ChartsReport::noSelectionChangesNothing() {
    QFETCH(bool, fromReport);
    m_folder->globals.drillSession.sessionPresses = 30000;
    QSignalSpy lines(m_window.get(), &StatisticsWindow::userLineNameChanged);
    QListWidget* list = nullptr;
    if (fromReport) {
        openReport();
        list = find<QListWidget>(QStringLiteral("ListBoxReportNames"));
    } else {
        click(QStringLiteral("ButtonSwitchUserKeys"));
        list = find<QListWidget>(QStringLiteral("ListBoxSwitchUser"));
    }
    list->clearSelection();
    list->setCurrentItem(nullptr);

    click(fromReport ? QStringLiteral("ButtonReportViewName")
                     : QStringLiteral("ButtonViewSelectedName"));

    QCOMPARE(m_folder->globals.currentUserName, QStringLiteral("Maria"));
    QCOMPARE(m_folder->globals.drillSession.sessionPresses, 30000);
    QVERIFY(!m_window->state().namesSwitched);
    QVERIFY(lines.isEmpty());
    QVERIFY(m_folder->dialogs.shown.isEmpty());
}

void tst_ChartsReport::unreadableFileIsReportedAndChangesNothing() {
    QFile bob(m_folder->path(QStringLiteral("Bob.stu")));
    QVERIFY(bob.resize(1000));
    m_folder->globals.drillSession.sessionPresses = 30000;
    click(QStringLiteral("ButtonSwitchUserKeys"));
    chooseInSwitchList(QStringLiteral("Bob"));

    click(QStringLiteral("ButtonViewSelectedName"));

    QCOMPARE(m_folder->dialogs.shown.size(), 1);
    QCOMPARE(m_folder->dialogs.shown.first().kind, Dialogs::Kind::Error);
    QVERIFY(m_folder->dialogs.shown.first().text.contains(QStringLiteral("Bob.stu")));
    QCOMPARE(m_folder->globals.currentUserName, QStringLiteral("Maria"));
    QCOMPARE(m_folder->globals.record.i32(layout::kBegBestTime), kMariaBest);
    QCOMPARE(m_folder->globals.drillSession.sessionPresses, 30000);
    QVERIFY(!m_window->state().namesSwitched);
    QCOMPARE(find<QLabel>(QStringLiteral("PanelUserKeys"))->text(), QStringLiteral("Maria"));
}

void tst_ChartsReport::vanishedFileKeepsTheRecordAndTakesTheName() {
    openReport();
    chooseInReportList(QStringLiteral("Bob"));
    QVERIFY(QFile::remove(m_folder->path(QStringLiteral("Bob.stu"))));

    click(QStringLiteral("ButtonReportViewName"));

    QCOMPARE(m_folder->globals.currentUserName, QStringLiteral("Bob"));
    QCOMPARE(m_folder->globals.record.i32(layout::kBegBestTime), kMariaBest);
    QVERIFY(m_window->state().namesSwitched);
    QVERIFY(m_folder->dialogs.shown.isEmpty());
    QVERIFY(reportText().contains(QStringLiteral("Student: Bob  Date:")));
}

void tst_ChartsReport::shiftErrorsAfterViewingSelectedName_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("shown");
    // Beginners Drills is the only key-chart section offered: the figures show only when the
    // second page is in front.
    QTest::newRow("key charts page") << 0 << false;
    QTest::newRow("overall page") << 1 << true;
}

void tst_ChartsReport::shiftErrorsAfterViewingSelectedName() {
    QFETCH(int, page);
    QFETCH(bool, shown);
    find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
    click(page == 0 ? QStringLiteral("ButtonSwitchUserKeys")
                    : QStringLiteral("ButtonSwitchUserOverall"));
    chooseInSwitchList(QStringLiteral("Bob"));

    click(QStringLiteral("ButtonViewSelectedName"));

    auto* right = find<QLabel>(QStringLiteral("PanelRightShift"));
    auto* left = find<QLabel>(QStringLiteral("PanelLeftShift"));
    // They sit on the first page, which may be behind the second.
    QCOMPARE(!right->isHidden(), shown);
    QCOMPARE(!find<QLabel>(QStringLiteral("LabelLeftShift"))->isHidden(), shown);
    if (shown) {
        QCOMPARE(right->text(), QStringLiteral("6"));
        QCOMPARE(left->text(), QStringLiteral("7"));
    }
}

QTEST_MAIN(tst_ChartsReport)
#include "tst_ChartsReport.moc"
