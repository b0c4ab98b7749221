// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Globals.h"
#include "app/MainWindow.h"
#include "overview/ClassOverviewModel.h"
#include "overview/ClassOverviewWindow.h"
#include "platform/QtPrinter.h"
#include "platform/doubles/DoubleServices.h"
#include "progress/StatisticsWindow.h"
#include "tests/common/ShippedFiles.h"
#include "tests/overview/ClassTestFolder.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace kf;
using namespace kf::test;

namespace {

struct Fixture : DoubleServices {
    std::unique_ptr<ClassOverviewWindow> openWindow() {
        auto window = std::make_unique<ClassOverviewWindow>(WorkingFolder(folder.path()), services);
        window->show();
        window->reload();
        return window;
    }

    // The main window over the class folder after its first activation, no student chosen;
    // false when the folder cannot be given the pictures and sounds it looks for.
    bool openMainWindow() {
        const QDir dir(folder.path());
        if (!provideStartPictures(dir) || !provideSounds(dir))
            return false;
        globals = std::make_unique<Globals>(folder.path());
        mainWindow = std::make_unique<MainWindow>(*globals, services);
        mainWindow->show();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(mainWindow.get(), &activate);
        return true;
    }

    ClassFolderFixture folder;
    std::unique_ptr<Globals> globals;
    std::unique_ptr<MainWindow> mainWindow;
};

bool waitLoaded(ClassOverviewWindow& window) {
    QSignalSpy spy(&window, &ClassOverviewWindow::loaded);
    return !window.isLoading() || spy.wait(10000);
}

// The table as shown, row by row: each cell's text, as the CSV writes them.
QStringList shownRows(const QTableView& table) {
    QStringList rows;
    const QAbstractItemModel* model = table.model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells.append(model->index(r, c).data().toString());
        rows.append(cells.join(u','));
    }
    return rows;
}

QStringList shownNames(const QTableView& table) {
    QStringList names;
    for (int r = 0; r < table.model()->rowCount(); ++r)
        names.append(table.model()->index(r, 0).data().toString());
    return names;
}

void clickHeader(QTableView& table, int column) {
    QHeaderView* header = table.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

QAction* classOverviewEntry(const MainWindow& form) {
    for (QAction* top : form.menuBar()->actions()) {
        if (top->text() != QStringLiteral("A&dditional"))
            continue;
        for (QAction* entry : top->menu()->actions()) {
            if (entry->text() == QStringLiteral("&Class Overview"))
                return entry;
        }
    }
    return nullptr;
}

} // namespace

class tst_ClassOverviewWindow : public QObject {
    Q_OBJECT
private slots:
    void tableCellsAreTheCsvFigures();
    void loadingRunsOffTheUserInterfaceThread();
    void progressShowsOnlyWhenReadingTakesAMoment();
    void sortingByAccuracy();
    void printsTheTable();
    void printsOnePagePdf();
    void exportWritesTheCsvWhereChosen();
    void exportCancelledWritesNothing();
    void filesUnchangedByTheWindow();
    void menuOpensTheOverviewWithoutAStudent();
    void doubleClickOpensThatStudentsReport();
    void keyboardWorksTheWindow();
};

void tst_ClassOverviewWindow::tableCellsAreTheCsvFigures() {
    Fixture f;
    QVERIFY(f.folder.ok);
    const auto window = f.openWindow();
    QVERIFY(waitLoaded(*window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Class Overview"));
    // None of the prepared cells needs quoting, so the lines compare as they are.
    QCOMPARE(shownRows(window->table()), kClassCsvRows);
    QStringList titles;
    for (int c = 0; c < window->table().model()->columnCount(); ++c)
        titles.append(
            window->table().model()->headerData(c, Qt::Horizontal).toString().replace(u'\n', u' '));
    QCOMPARE(titles.join(u','), kClassCsvHeader);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("LabelStatus"))->text(),
             QStringLiteral("5 student file(s)"));
    // The trend column hands its delegate the points to draw.
    const ClassOverviewModel& model = window->model();
    const int trend = model.columnOf(ClassColumn::Kind::AccuracyTrend);
    QCOMPARE(model.index(0, trend).data(ClassOverviewModel::kTrendRole).value<QList<int>>(),
             (QList<int>{85, 90, 92}));
    QVERIFY(!model.index(3, trend).data(ClassOverviewModel::kTrendRole).isValid());
}

void tst_ClassOverviewWindow::loadingRunsOffTheUserInterfaceThread() {
    Fixture f;
    QVERIFY(f.folder.ok);
    const auto window = f.openWindow();
    // reload() has returned before any file is in the table: the reading goes on elsewhere and
    // the buttons wait for it.
    QCOMPARE(window->table().model()->rowCount(), 0);
    QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("ButtonPrint"))->isEnabled());
    QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("ButtonExportCsv"))->isEnabled());
    QVERIFY(waitLoaded(*window));
    QCOMPARE(window->table().model()->rowCount(), 5);
    QVERIFY(window->findChild<QPushButton*>(QStringLiteral("ButtonPrint"))->isEnabled());
    QVERIFY(window->findChild<QProgressBar*>(QStringLiteral("ProgressLoading"))->isHidden());
}

void tst_ClassOverviewWindow::progressShowsOnlyWhenReadingTakesAMoment() {
    Fixture f;
    QVERIFY(f.folder.ok);
    const auto window = f.openWindow();
    auto* progress = window->findChild<QProgressBar*>(QStringLiteral("ProgressLoading"));
    auto* delay = window->findChild<QTimer*>(QStringLiteral("TimerProgress"));
    QVERIFY(progress && delay);
    // The results of the reading arrive through the event loop, so it is still under way here.
    QVERIFY(window->isLoading());
    QVERIFY(delay->isActive());
    QVERIFY(delay->isSingleShot());
    QCOMPARE(delay->interval(), 300);
    QVERIFY(progress->isHidden());
    QVERIFY(QMetaObject::invokeMethod(delay, "timeout"));
    QVERIFY(progress->isVisible());
    QVERIFY(waitLoaded(*window));
    QVERIFY(progress->isHidden());
    QVERIFY(!delay->isActive());
}

void tst_ClassOverviewWindow::sortingByAccuracy() {
    Fixture f;
    QVERIFY(f.folder.ok);
    const auto window = f.openWindow();
    QVERIFY(waitLoaded(*window));
    QTableView& table = window->table();
    QCOMPARE(shownNames(table), kClassNames);

    const int latest = window->model().columnOf(ClassColumn::Kind::AccuracyLatest);
    clickHeader(table, latest);
    // Ascending first; the unreadable files below every figure, in their earlier order.
    QCOMPARE(shownNames(table),
             (QStringList{QStringLiteral("Gone"), QStringLiteral("Short"), QStringLiteral("Cleo"),
                          QStringLiteral("bob"), QStringLiteral("Ann")}));
    clickHeader(table, latest);
    QCOMPARE(shownNames(table).mid(0, 3),
             (QStringList{QStringLiteral("Ann"), QStringLiteral("bob"), QStringLiteral("Cleo")}));

    // All days sorts by its own figures: bob's 62 against Ann's 95, as numbers.
    const int allDays = window->model().columnOf(ClassColumn::Kind::AccuracyAllDays);
    table.sortByColumn(allDays, Qt::DescendingOrder);
    QCOMPARE(shownNames(table).mid(0, 3),
             (QStringList{QStringLiteral("Ann"), QStringLiteral("bob"), QStringLiteral("Cleo")}));
    // Drill keys: 1000 above 8 as numbers, not as text.
    table.sortByColumn(window->model().columnOf(ClassColumn::Kind::DrillKeys), Qt::AscendingOrder);
    QCOMPARE(shownNames(table).mid(2),
             (QStringList{QStringLiteral("Cleo"), QStringLiteral("bob"), QStringLiteral("Ann")}));
}

void tst_ClassOverviewWindow::printsTheTable() {
    Fixture f;
    QVERIFY(f.folder.ok);
    const auto window = f.openWindow();
    QVERIFY(waitLoaded(*window));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("ButtonPrint")),
                      Qt::LeftButton);
    QCOMPARE(f.printer.printedTables.size(), 1);
    const PrintedTable& printed = f.printer.printedTables.first();
    QCOMPARE(printed.header.join(u','), kClassCsvHeader);
    QCOMPARE(printed.rows.size(), 5);
    // The same cells as the table, the trend drawn from its points instead of written.
    QCOMPARE(printed.rows.at(0).join(u','), QStringLiteral("Ann,1000,92,95,17,k,3,,23,50,,"));
    QCOMPARE(printed.trendColumn, 7);
    QCOMPARE(printed.trends.at(0), (QList<int>{85, 90, 92}));
    QCOMPARE(printed.font.family(), QStringLiteral("Courier New"));
    QCOMPARE(printed.font.pointSize(), 10);
    QVERIFY(printed.title.startsWith(QStringLiteral("Class Overview: ")));
}

void tst_ClassOverviewWindow::printsOnePagePdf() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    ClassFolderFixture folder;
    QVERIFY(folder.ok);
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("class.pdf"));
    DoubleServices doubles;
    QtPrinter printer(pdf);
    Services services{doubles.sound, doubles.shell, printer, doubles.dialogs, doubles.clock};
    ClassOverviewWindow window(WorkingFolder(folder.path()), services);
    window.show();
    window.reload();
    QVERIFY(waitLoaded(window));
    window.buttonPrintClick();
    QVERIFY(doubles.dialogs.shown.isEmpty());
    if (qEnvironmentVariableIsSet("KF_KEEP_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("KF_KEEP_PDF"));

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished());
    const QByteArray pages = info.readAllStandardOutput();
    QVERIFY2(QString::fromUtf8(pages).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))),
             pages.constData());
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& expected :
         {QStringLiteral("Ann"), QStringLiteral("1000"), QStringLiteral("unreadable file"),
          QStringLiteral("Intermediate"), QStringLiteral("Class Overview:")})
        QVERIFY2(printed.contains(expected), qPrintable(expected + u" missing in\n" + printed));
}

void tst_ClassOverviewWindow::exportWritesTheCsvWhereChosen() {
    Fixture f;
    QVERIFY(f.folder.ok);
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("class.csv"));
    f.dialogs.saveAnswers.append(path);
    const auto window = f.openWindow();
    QVERIFY(waitLoaded(*window));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("ButtonExportCsv")),
                      Qt::LeftButton);
    QCOMPARE(f.dialogs.saveAsked.size(), 1);
    QCOMPARE(f.dialogs.saveAsked.first().caption, QStringLiteral("Export CSV"));
    QCOMPARE(f.dialogs.saveAsked.first().suggested,
             QDir(f.folder.path()).filePath(QStringLiteral("class-overview.csv")));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()), classCsv());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void tst_ClassOverviewWindow::exportCancelledWritesNothing() {
    Fixture f;
    QVERIFY(f.folder.ok);
    const auto before = f.folder.snapshot();
    const auto window = f.openWindow();
    QVERIFY(waitLoaded(*window));
    window->buttonExportCsvClick(); // no answer scripted: the teacher cancels
    QCOMPARE(f.dialogs.saveAsked.size(), 1);
    QCOMPARE(f.folder.snapshot(), before);
    // A place that cannot be written is said so.
    f.dialogs.saveAnswers.append(f.folder.dir.filePath(QStringLiteral("Folder.stu")));
    window->buttonExportCsvClick();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().kind, Dialogs::Kind::Error);
}

void tst_ClassOverviewWindow::filesUnchangedByTheWindow() {
    Fixture f;
    QVERIFY(f.folder.ok);
    const auto before = f.folder.snapshot();
    QTest::qWait(1100);
    const auto window = f.openWindow();
    QVERIFY(waitLoaded(*window));
    window->reload();
    QVERIFY(waitLoaded(*window));
    window->buttonPrintClick();
    window->close();
    QCOMPARE(f.folder.snapshot(), before);
}

void tst_ClassOverviewWindow::menuOpensTheOverviewWithoutAStudent() {
    Fixture f;
    QVERIFY(f.folder.ok);
    QVERIFY(f.openMainWindow());
    MainWindow& form = *f.mainWindow;
    QVERIFY(f.globals->currentUserName.isEmpty());

    QAction* entry = classOverviewEntry(form);
    QVERIFY(entry);
    QVERIFY(entry->isEnabled());
    // Its menu is open to a teacher too.
    const QList<QAction*> menus = form.menuBar()->actions();
    QVERIFY(std::any_of(menus.begin(), menus.end(), [](const QAction* a) {
        return a->text() == QStringLiteral("A&dditional") && a->isEnabled();
    }));
    entry->trigger();
    auto* window = form.findChild<ClassOverviewWindow*>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->isWindow());
    QVERIFY(waitLoaded(*window));
    QCOMPARE(window->table().model()->rowCount(), 5);
    // Asked again, the one window comes to the front.
    entry->trigger();
    QCOMPARE(form.findChildren<ClassOverviewWindow*>().size(), 1);
    QVERIFY(f.globals->currentUserName.isEmpty());
}

void tst_ClassOverviewWindow::doubleClickOpensThatStudentsReport() {
    Fixture f;
    QVERIFY(f.folder.ok);
    QVERIFY(f.openMainWindow());
    MainWindow& form = *f.mainWindow;
    classOverviewEntry(form)->trigger();
    auto* window = form.findChild<ClassOverviewWindow*>();
    QVERIFY(window && waitLoaded(*window));
    QTableView& table = window->table();
    // Sorted otherwise than by name, the row still names its own student.
    table.sortByColumn(window->model().columnOf(ClassColumn::Kind::AccuracyLatest),
                       Qt::DescendingOrder);
    const QModelIndex bob = table.model()->index(1, 0);
    QCOMPARE(bob.data().toString(), QStringLiteral("bob"));
    table.scrollTo(bob);
    const QPoint at = table.visualRect(bob).center();
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);

    auto* charts = form.findChild<StatisticsWindow*>();
    QVERIFY(charts);
    QVERIFY(charts->isVisible());
    auto* report = charts->findChild<QPlainTextEdit*>(QStringLiteral("MemoReport"));
    QVERIFY(report && report->isVisible());
    QVERIFY2(report->toPlainText().contains(QStringLiteral("Student: bob")),
             qPrintable(report->toPlainText()));
    QVERIFY(
        report->toPlainText().contains(QStringLiteral("Accuracy Today or Last:           67%")));
    // As the report's list does it: bob is the name viewed now, and his file is as it was.
    QCOMPARE(f.globals->currentUserName, QStringLiteral("bob"));
    QCOMPARE(form.userLine().text(), QStringLiteral("User = bob"));

    // A row whose file went since the folder was read says so, and opens no other report.
    const QModelIndexList ann = table.model()->match(table.model()->index(0, 0), Qt::DisplayRole,
                                                     QStringLiteral("Ann"), 1, Qt::MatchExactly);
    QCOMPARE(ann.size(), 1);
    QVERIFY(QFile::remove(f.folder.dir.filePath(QStringLiteral("Ann.stu"))));
    f.dialogs.shown.clear();
    const QPoint annAt = table.visualRect(ann.first()).center();
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, annAt);
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, annAt);
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY2(f.dialogs.shown.first().text.contains(QStringLiteral("no longer in the folder")),
             qPrintable(f.dialogs.shown.first().text));
    QVERIFY(report->toPlainText().contains(QStringLiteral("Student: bob")));
}

// From the keyboard alone: Tab leaves the table for the buttons, which have shortcut letters,
// Enter on a row asks for its student's report, and Escape closes the window.
void tst_ClassOverviewWindow::keyboardWorksTheWindow() {
    Fixture f;
    QVERIFY(f.folder.ok);
    const auto window = f.openWindow();
    QVERIFY(waitLoaded(*window));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTableView& table = window->table();
    table.setFocus();
    table.setCurrentIndex(table.model()->index(1, 0));
    QSignalSpy asked(window.get(), &ClassOverviewWindow::reportRequested);
    QTest::keyClick(&table, Qt::Key_Return);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.front().front().toString(), table.model()->index(1, 0).data().toString());

    QTest::keyClick(&table, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(),
             window->findChild<QWidget*>(QStringLiteral("ButtonPrint")));
    QStringList letters;
    for (const char* name : {"ButtonPrint", "ButtonExportCsv", "ButtonClose"}) {
        const QString text = window->findChild<QPushButton*>(QString::fromLatin1(name))->text();
        const qsizetype amp = text.indexOf(u'&');
        QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
        letters << text.mid(amp + 1, 1).toLower();
    }
    letters.removeDuplicates();
    QCOMPARE(letters.size(), 3);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(tst_ClassOverviewWindow)
#include "tst_ClassOverviewWindow.moc"
