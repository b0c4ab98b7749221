// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Globals.h"
#include "platform/Services.h"
#include "progress/BarChartView.h"
#include "progress/StatisticsWindow.h"
#include "students/FixedPoint.h"
#include "students/StudentFile.h"
#include "tests/common/TestWorkingFolder.h"

#include <QApplication>
#include <QBarSet>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <memory>

using namespace kf;

class tst_StatisticsWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowIsAFixedDialogOnTop();
    void controlsHaveTheirTextsAndDefaults_data();
    void controlsHaveTheirTextsAndDefaults();
    void bandsAndPrintButtonsSitInPlace();
    void chartsStartUndrawn();
    void showingDrawsEveryChart();
    void pagesBringTheirChartsToTheFront();
    void aKeyChartClickedBringsItForward();
    void printChartPrintsTheChartInFront_data();
    void printChartPrintsTheChartInFront();
    void aFailedPrintIsReported();
    void chartImageShowsBarsInTheirColoursAtTheirHeights();
    void chartImageShowsTheTitle();
    void aChartWithoutBarsKeepsItsGrid();
    void axesStayFixedAfterRefresh();
    void figuresTableHoldsTheBarsDrawn_data();
    void figuresTableHoldsTheBarsDrawn();
    void todayOrLastSwitchesToTheSessionAfterTheFirstScoredKey();
    void overallPanelsFollowThePeriod();
    void aViewedStudentWhoNeverDrilledShowsZero();
    void closeChartsAdvisesARestartAfterASwitch_data();
    void closeChartsAdvisesARestartAfterASwitch();

private:
    void clickItem(const char* group, int item);
    BarChartView* chart(const char* name) const;

    std::unique_ptr<test::TestWorkingFolder> m_folder;
    std::unique_ptr<StatisticsWindow> m_window;
};

namespace {

const QDate kToday(2026, 12, 7);

std::int64_t stored(long double value) {
    return toFixedPoint(value);
}

// A widget raised later lies over its earlier siblings.
bool liesOver(const QWidget* upper, const QWidget* lower) {
    const QObjectList siblings = upper->parent()->children();
    return siblings.indexOf(upper) > siblings.indexOf(lower);
}

// The value of bar i, whichever colour's set holds it.
double barValue(const BarChartView* view, int i) {
    double sum = 0;
    for (const QBarSet* set : view->series()->barSets())
        sum += set->at(i);
    return sum;
}

QStringList radioItems(const QWidget* group) {
    QStringList items;
    for (const QRadioButton* b : group->findChildren<QRadioButton*>())
        items.append(b->text());
    return items;
}

int checkedItem(const QWidget* group) {
    const QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>();
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked())
            return i;
    return -1;
}

QPoint pixelAt(const BarChartView* view, qreal category, qreal value) {
    return view->chart()->mapToPosition(QPointF(category, value), view->series()).toPoint();
}

} // namespace

void tst_StatisticsWindow::init() {
    m_folder = std::make_unique<test::TestWorkingFolder>();
    m_folder->globals.currentUserName = QStringLiteral("Maria");
    m_folder->globals.record.applyCreateDefaults();
    m_folder->globals.soundDevice = true;
    m_window = std::make_unique<StatisticsWindow>(m_folder->globals.student(), m_folder->services);
    m_window->setTitleDate(kToday);
}

void tst_StatisticsWindow::cleanup() {
    m_window.reset();
    m_folder.reset();
}

void tst_StatisticsWindow::clickItem(const char* group, int item) {
    QWidget* g = m_window->findChild<QWidget*>(QString::fromLatin1(group));
    QVERIFY(g);
    g->findChildren<QRadioButton*>().at(item)->click();
}

BarChartView* tst_StatisticsWindow::chart(const char* name) const {
    auto* view = m_window->findChild<BarChartView*>(QString::fromLatin1(name));
    if (!view)
        qFatal("no chart %s", name);
    return view;
}

void tst_StatisticsWindow::windowIsAFixedDialogOnTop() {
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Statistics"));
    QCOMPARE(m_window->size(), QSize(712, 516));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(m_window->windowType(), Qt::Dialog);
}

void tst_StatisticsWindow::controlsHaveTheirTextsAndDefaults_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");
    const QString switchHint =
        QStringLiteral("Recommended for Teachers Viewing  Charts & Stats Only");
    const auto row = [](const QString& name, const QString& text, const QString& hint = {}) {
        QTest::addRow("%s", qPrintable(name)) << name << text << hint;
    };
    for (const QString& page : {QStringLiteral("Keys"), QStringLiteral("Overall")}) {
        row(u"ButtonSwitchUser" + page, QStringLiteral("Switch User"), switchHint);
        row(u"PanelUser" + page, QStringLiteral("Maria"), QStringLiteral("Current User"));
        row(u"ButtonViewReport" + page, QStringLiteral("View Report"));
        row(u"ButtonClose" + page, QStringLiteral("Close Charts"));
    }
    row(QStringLiteral("ButtonPrintTop"), QStringLiteral("Print Chart"));
    row(QStringLiteral("ButtonPrintMiddle"), QStringLiteral("Print Chart"));
    row(QStringLiteral("LabelRightShift"), QStringLiteral("Right Shift Letter Key Errors = "));
    row(QStringLiteral("PanelRightShift"), QStringLiteral("0"));
    row(QStringLiteral("LabelLeftShift"), QStringLiteral("Left Shift Letter Key Errors = "));
    row(QStringLiteral("PanelLeftShift"), QStringLiteral("0"));
    row(QStringLiteral("ButtonKeySpeed"), QStringLiteral("Key Speed"));
    row(QStringLiteral("ButtonKeyAccuracy"), QStringLiteral("Key Accuracy"));
    row(QStringLiteral("ButtonAccuracy"), QStringLiteral("Accuracy"));
    row(QStringLiteral("ButtonAdjustedWpm"), QStringLiteral("Adjusted WPM"));
    row(QStringLiteral("LabelWpm"), QStringLiteral("WPM:"));
    row(QStringLiteral("LabelCorrect"), QStringLiteral("Correct %:"));
    // Radio groups: caption, then the items joined by "|".
    row(QStringLiteral("RadioGroupKeyPeriod"),
        QStringLiteral("Time Period:Today or Last|Typing History"));
    row(QStringLiteral("RadioGroupKeySection"),
        QStringLiteral("Program Section:Beginner's Drills"));
    row(QStringLiteral("RadioGroupCharacters"),
        QStringLiteral("Characters:Letters && Punctuation|Numbers|Symbols|International Keys"));
    row(QStringLiteral("RadioGroupOverallSection"),
        QStringLiteral("Program Section:Beginner's Drills"));
    row(QStringLiteral("RadioGroupOverallPeriod"),
        QStringLiteral("Time Period:Today or Last|Past 8 Days|Typing History (all)"));
}

void tst_StatisticsWindow::controlsHaveTheirTextsAndDefaults() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, hint);
    QWidget* control = m_window->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        QCOMPARE(group->title() + u':' + radioItems(group).join(u'|'), text);
        QCOMPARE(checkedItem(group), 0);
    } else if (auto* b = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(b->text(), text);
    } else {
        QCOMPARE(qobject_cast<QLabel*>(control)->text(), text);
    }
    QCOMPARE(control->toolTip(), hint);
}

void tst_StatisticsWindow::bandsAndPrintButtonsSitInPlace() {
    const auto geometry = [this](const char* name) {
        return m_window->findChild<QWidget*>(QString::fromLatin1(name))->geometry();
    };
    QCOMPARE(geometry("PanelTopBand"), QRect(0, 0, 712, 177));
    QCOMPARE(geometry("PanelMiddleBand"), QRect(0, 176, 712, 158));
    QCOMPARE(geometry("PageControl1"), QRect(0, 334, 712, 182));
    for (const char* name : {"ButtonPrintTop", "ButtonPrintMiddle"}) {
        QCOMPARE(geometry(name).top(), 4);
        QCOMPARE(712 - (geometry(name).x() + geometry(name).width()), 8);
    }
    for (const char* name : {"ChartKeyAccuracy", "ChartStatsPercent"})
        QCOMPARE(geometry(name), QRect(0, 0, 712, 177));
    for (const char* name : {"ChartKeySpeed", "ChartAdjustedWpm"})
        QCOMPARE(geometry(name), QRect(0, 0, 712, 158));

    auto* pages = m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->tabText(0), QStringLiteral("Individual Key Charts"));
    QCOMPARE(pages->tabText(1), QStringLiteral("Overall Statistics"));
    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("PanelKeyChartButtons"))->isHidden());
    QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("PanelOverallChartButtons"))->isHidden());
}

void tst_StatisticsWindow::chartsStartUndrawn() {
    for (const char* name :
         {"ChartKeyAccuracy", "ChartStatsPercent", "ChartKeySpeed", "ChartAdjustedWpm"}) {
        QCOMPARE(chart(name)->titleLines(), QStringList{QStringLiteral("Select Chart to View")});
        QCOMPARE(chart(name)->barCount(), 0);
    }
    QCOMPARE(chart("ChartStatsPercent")->series()->name(), QStringLiteral("SeriesStatsPercent"));
    // Created on the first page, so the per-key charts are in front.
    QVERIFY(!m_window->state().topOverallInFront);
    QVERIFY(!m_window->state().middleOverallInFront);
    QVERIFY(!m_window->state().namesSwitched);
}

void tst_StatisticsWindow::showingDrawsEveryChart() {
    m_window->show();
    QCOMPARE(chart("ChartKeyAccuracy")->barCount(), 37);
    QCOMPARE(chart("ChartKeySpeed")->barCount(), 37);
    QCOMPARE(chart("ChartStatsPercent")->barCount(), 1);
    QCOMPARE(chart("ChartKeyAccuracy")->titleLines().first(),
             QStringLiteral("Percent Correct (today or latest) -- Maria -- ") + shortDate(kToday));
    QCOMPARE(chart("ChartAdjustedWpm")->titleLines(),
             QStringList{QStringLiteral("NO WORDS PER MINUTE CHART FOR BEGINNER'S DRILLS")});
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("PanelWpm"))->text(),
             QStringLiteral("N/A"));
    // Shift-key errors belong to the lessons only.
    QVERIFY(m_window->findChild<QLabel*>(QStringLiteral("LabelRightShift"))->isHidden());
    QVERIFY(m_window->findChild<QLabel*>(QStringLiteral("PanelLeftShift"))->isHidden());
    // Showing draws without clicking.
    QVERIFY(m_folder->sound.played.isEmpty());
}

void tst_StatisticsWindow::pagesBringTheirChartsToTheFront() {
    m_window->show();
    auto* pages = m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    const auto printTop = m_window->findChild<QWidget*>(QStringLiteral("ButtonPrintTop"));
    const auto printMiddle = m_window->findChild<QWidget*>(QStringLiteral("ButtonPrintMiddle"));

    QVERIFY(liesOver(chart("ChartKeyAccuracy"), chart("ChartStatsPercent")));
    QVERIFY(liesOver(chart("ChartKeySpeed"), chart("ChartAdjustedWpm")));

    pages->setCurrentIndex(1);
    QVERIFY(m_window->state().topOverallInFront);
    QVERIFY(m_window->state().middleOverallInFront);
    QVERIFY(liesOver(chart("ChartStatsPercent"), chart("ChartKeyAccuracy")));
    QVERIFY(liesOver(chart("ChartAdjustedWpm"), chart("ChartKeySpeed")));
    QVERIFY(liesOver(printTop, chart("ChartStatsPercent")));
    QVERIFY(liesOver(printMiddle, chart("ChartAdjustedWpm")));

    // A refresh on the second page keeps its charts in front.
    clickItem("RadioGroupOverallPeriod", 2);
    QVERIFY(m_window->state().middleOverallInFront);
    QVERIFY(liesOver(chart("ChartAdjustedWpm"), chart("ChartKeySpeed")));

    pages->setCurrentIndex(0);
    QVERIFY(!m_window->state().topOverallInFront);
    QVERIFY(liesOver(chart("ChartKeyAccuracy"), chart("ChartStatsPercent")));
    QVERIFY(liesOver(printTop, chart("ChartKeyAccuracy")));
}

void tst_StatisticsWindow::aKeyChartClickedBringsItForward() {
    m_window->show();
    m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    m_folder->sound.played.clear();
    m_window->findChild<QPushButton*>(QStringLiteral("ButtonKeySpeed"))->click();
    QVERIFY(!m_window->state().middleOverallInFront);
    QVERIFY(liesOver(chart("ChartKeySpeed"), chart("ChartAdjustedWpm")));
    QCOMPARE(m_folder->sound.played.size(), 1);
    QVERIFY(m_folder->sound.played.first().endsWith(QStringLiteral("click_2.wav")));
}

void tst_StatisticsWindow::printChartPrintsTheChartInFront_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("notPrinted");
    QTest::newRow("top, overall page")
        << 1 << QStringLiteral("ButtonPrintTop") << QStringLiteral("ChartStatsPercent")
        << QStringLiteral("ChartKeyAccuracy");
    QTest::newRow("top, key page")
        << 0 << QStringLiteral("ButtonPrintTop") << QStringLiteral("ChartKeyAccuracy")
        << QStringLiteral("ChartStatsPercent");
    QTest::newRow("middle, overall page")
        << 1 << QStringLiteral("ButtonPrintMiddle") << QStringLiteral("ChartAdjustedWpm")
        << QStringLiteral("ChartKeySpeed");
    QTest::newRow("middle, key page")
        << 0 << QStringLiteral("ButtonPrintMiddle") << QStringLiteral("ChartKeySpeed")
        << QStringLiteral("ChartAdjustedWpm");
}

void tst_StatisticsWindow::printChartPrintsTheChartInFront() {
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(QString, printed);
    QFETCH(QString, notPrinted);
    m_folder->globals.record.setI64(layout::kBegSessionKeys, stored(250));
    m_folder->globals.record.setI64(layout::kBegSessionMisses, stored(20));
    m_folder->globals.record.setPerKey(layout::kBegSessionAccuracy, 1, 0.5L);
    m_folder->globals.record.setPerKey(layout::kBegSessionAvgSeconds, 1, 1.5L);
    m_window->show();
    m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
    m_folder->sound.played.clear();

    m_window->findChild<QPushButton*>(button)->click();

    QCOMPARE(m_folder->printer.calls, 1);
    QCOMPARE(m_folder->printer.printedImages.size(), 1);
    const QImage image = m_folder->printer.printedImages.first();
    auto* expected = m_window->findChild<BarChartView*>(printed);
    auto* other = m_window->findChild<BarChartView*>(notPrinted);
    QVERIFY(image.width() > expected->width()); // drawn larger than on screen for the page
    QCOMPARE(image, expected->toImage(image.width() / qreal(expected->width())));
    QVERIFY(image != other->toImage(image.width() / qreal(other->width())));
    QCOMPARE(m_folder->sound.played.size(), 1);
    QVERIFY(m_folder->dialogs.shown.isEmpty());
}

void tst_StatisticsWindow::aFailedPrintIsReported() {
    m_window->show();
    m_folder->printer.outcome = {Printer::Status::Failed,
                                 QStringLiteral("The printer is out of paper.")};
    m_window->findChild<QPushButton*>(QStringLiteral("ButtonPrintMiddle"))->click();
    QCOMPARE(m_folder->dialogs.texts(),
             QStringList{QStringLiteral("The printer is out of paper.")});
    QCOMPARE(m_folder->dialogs.shown.first().kind, Dialogs::Kind::Error);

    m_folder->dialogs.shown.clear();
    m_folder->printer.outcome = {Printer::Status::Cancelled, {}};
    m_window->findChild<QPushButton*>(QStringLiteral("ButtonPrintTop"))->click();
    QVERIFY(m_folder->dialogs.shown.isEmpty());
}

void tst_StatisticsWindow::chartImageShowsBarsInTheirColoursAtTheirHeights() {
    // All days: A 100 %, Q 50 %, Z 25 %, hyphen 75 %, every other key 0.
    StudentRecord& record = m_folder->globals.record;
    record.setPerKey(layout::kBegAccuracy, 1, 1.0L);
    record.setPerKey(layout::kBegAccuracy, 11, 0.5L);
    record.setPerKey(layout::kBegAccuracy, 21, 0.25L);
    record.setPerKey(layout::kBegAccuracy, 30, 0.75L);
    m_window->show();
    clickItem("RadioGroupKeyPeriod", 1);
    BarChartView* view = chart("ChartKeyAccuracy");
    const QImage image = view->toImage(1.0);

    struct Expected {
        int position;
        qreal percent;
        QRgb colour;
    };
    const Expected bars[] = {
        {0, 100, 0xFFFF0000}, {10, 50, 0xFF008000}, {20, 25, 0xFF0000FF}, {29, 75, 0xFF800080}};
    for (const Expected& bar : bars) {
        const QString where = QStringLiteral("bar %1").arg(bar.position);
        // The front face is the group's colour from the floor up to the bar's value ...
        for (const qreal share : {0.1, 0.5, 0.9})
            QVERIFY2(image.pixel(pixelAt(view, bar.position, bar.percent * share)) == bar.colour,
                     qPrintable(where));
        // ... and not above it.
        if (bar.percent <= 75)
            QVERIFY2(image.pixel(pixelAt(view, bar.position, bar.percent + 12)) != bar.colour,
                     qPrintable(where));
        // The 3-D look: a darker face of the same colour right of the front face.
        const QPoint side = pixelAt(view, bar.position + 0.3, bar.percent / 2) + QPoint(3, -2);
        const QColor shade = QColor::fromRgb(image.pixel(side));
        const QColor front = QColor::fromRgb(bar.colour);
        QVERIFY2(shade.value() < front.value() && shade.value() > 0, qPrintable(where));
        QCOMPARE(shade.hue(), front.hue());
    }
    // Keys without figures have no bar.
    QVERIFY(image.pixel(pixelAt(view, 1, 10)) != 0xFFFF0000);
    QVERIFY(image.pixel(pixelAt(view, 11, 10)) != 0xFF008000);
    QCOMPARE(barValue(view, 10), 50.0);
}

void tst_StatisticsWindow::chartImageShowsTheTitle() {
    m_window->show();
    BarChartView* view = chart("ChartStatsPercent");
    const auto inkInTitle = [view] {
        const QImage image = view->toImage(1.0);
        int dark = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 60; x < 300; ++x) // the title text, clear of the axis labels
                dark += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
        return dark;
    };
    QCOMPARE(view->titleLines().size(), 4);
    const int withTitle = inkInTitle();
    QVERIFY2(withTitle > 150, qPrintable(QString::number(withTitle)));
    view->setTitleLines({});
    QCOMPARE(inkInTitle(), 0);
}

void tst_StatisticsWindow::aChartWithoutBarsKeepsItsGrid() {
    m_window->show();
    BarChartView* view = chart("ChartAdjustedWpm"); // the drills count no words per minute
    QCOMPARE(view->barCount(), 0);
    const QImage image = view->toImage(1.0);
    const QRectF plot = view->chart()->plotArea();
    int gridRows = 0;
    for (int y = 0; y < image.height(); ++y)
        gridRows += image.pixel(int(plot.center().x()), y) == qRgb(192, 192, 192) ? 1 : 0;
    QVERIFY2(gridRows >= 2, qPrintable(QString::number(gridRows)));
}

void tst_StatisticsWindow::figuresTableHoldsTheBarsDrawn_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("hidden"); // the band's other chart
    QTest::addColumn<QString>("valueHeading");
    QTest::newRow("key accuracy") << "ButtonTableTop" << 0 << "ChartKeyAccuracy"
                                  << "ChartStatsPercent"
                                  << "Percent";
    QTest::newRow("key speed") << "ButtonTableMiddle" << 0 << "ChartKeySpeed"
                               << "ChartAdjustedWpm"
                               << "Seconds";
    QTest::newRow("overall accuracy") << "ButtonTableTop" << 1 << "ChartStatsPercent"
                                      << "ChartKeyAccuracy"
                                      << "Percent";
}

// A reader reaches each band's figures as a table: the bars of the chart in front, label and
// value, in the order drawn; the table follows a redraw and the page, and gives the band back.
void tst_StatisticsWindow::figuresTableHoldsTheBarsDrawn() {
    QFETCH(QString, button);
    QFETCH(int, page);
    QFETCH(QString, chart);
    QFETCH(QString, hidden);
    QFETCH(QString, valueHeading);
    StudentRecord& record = m_folder->globals.record;
    record.setPerKey(layout::kBegAccuracy, 1, 1.0L);
    record.setPerKey(layout::kBegAccuracy, 11, 0.5L);
    record.setPerKey(layout::kBegAvgSeconds, 2, 0.8512L);
    record.setI64(layout::kBegKeysTotal, stored(1000));
    record.setI64(layout::kBegMissesTotal, stored(250));
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
    clickItem(page == 0 ? "RadioGroupKeyPeriod" : "RadioGroupOverallPeriod", page == 0 ? 1 : 2);
    auto* toggle = m_window->findChild<QPushButton*>(button);
    QCOMPARE(toggle->text(), QStringLiteral("Show as Table"));

    toggle->click();

    const BarChartView* view = this->chart(qPrintable(chart));
    // The band's table is named after its per-key chart.
    auto* table = m_window->findChild<QTableWidget*>((page == 0 ? chart : hidden) + u"Table");
    QVERIFY(table && table->isVisible());
    QVERIFY(!view->isVisible());
    QVERIFY(!this->chart(qPrintable(hidden))->isVisible());
    QCOMPARE(toggle->text(), QStringLiteral("Show as Chart"));
    QCOMPARE(table->accessibleName(), view->titleLines().join(u' ').simplified());
    QCOMPARE(view->accessibleName(), table->accessibleName());
    QCOMPARE(table->horizontalHeaderItem(1)->text(), valueHeading);
    const auto checkRows = [&](const BarChartView* drawn) {
        QCOMPARE(table->rowCount(), drawn->barCount());
        for (int i = 0; i < drawn->barCount(); ++i) {
            const QString label = drawn->barLabel(i);
            QCOMPARE(table->item(i, 0)->text(), label.isEmpty() ? QString::number(i + 1) : label);
            QCOMPARE(table->item(i, 1)->text(), QLocale().toString(barValue(drawn, i)));
        }
    };
    QVERIFY(view->barCount() > 0);
    checkRows(view);
    if (page == 0) {
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("A"));
        QCOMPARE(table->item(0, 1)->text(), chart == u"ChartKeySpeed" ? u"0" : u"100");
        QCOMPARE(table->item(1, 1)->text(), chart == u"ChartKeySpeed" ? u"0.8512" : u"0");
    } else {
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("75"));
    }
    // The keyboard goes into the table, on its first row.
    QCOMPARE(QApplication::focusWidget(), table);
    QCOMPARE(table->currentRow(), 0);

    // The other page brings the band's other chart in front, and the table follows it.
    m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1 - page);
    checkRows(this->chart(qPrintable(hidden)));

    toggle->click();
    QVERIFY(!table->isVisible());
    QVERIFY(this->chart(qPrintable(chart))->isVisible());
    QCOMPARE(toggle->text(), QStringLiteral("Show as Table"));
}

void tst_StatisticsWindow::axesStayFixedAfterRefresh() {
    m_window->show();
    // Figures far beyond every axis.
    for (int i = 1; i <= 37; ++i) {
        m_folder->globals.drillSession.averageSeconds[i] = stored(9.5L);
        m_folder->globals.drillSession.accuracy[i] = stored(1.0L);
    }
    m_folder->globals.record.setHistory(layout::kBegPercentHistory, 0, 400);
    clickItem("RadioGroupOverallPeriod", 1);
    m_window->refresh();

    const struct {
        const char* chart;
        double max;
        const char* title;
    } axes[] = {{"ChartKeyAccuracy", 100, "Percent"},
                {"ChartStatsPercent", 100, "Percent"},
                {"ChartKeySpeed", 3.0, "Seconds"},
                {"ChartAdjustedWpm", 150, "WPM"}};
    for (const auto& axis : axes) {
        QValueAxis* values = chart(axis.chart)->valueAxis();
        QCOMPARE(values->min(), 0.0);
        QCOMPARE(values->max(), axis.max);
        QCOMPARE(values->titleText(), QString::fromLatin1(axis.title));
    }
    QCOMPARE(barValue(chart("ChartKeySpeed"), 0), 9.5);
    QCOMPARE(barValue(chart("ChartStatsPercent"), 0), 400.0);
}

void tst_StatisticsWindow::todayOrLastSwitchesToTheSessionAfterTheFirstScoredKey() {
    m_folder->globals.record.setPerKey(layout::kBegSessionAccuracy, 1, 0.8L); // A, latest session
    m_folder->globals.record.setPerKey(layout::kBegSessionAvgSeconds, 1, 1.2L);
    m_window->show();
    QCOMPARE(barValue(chart("ChartKeyAccuracy"), 0), 80.0);
    QCOMPARE(barValue(chart("ChartKeySpeed"), 0), 1.2);

    // The first scored key of this session: S, typed once, wrong, in 0.6 seconds.
    m_folder->globals.drillSession.presented[2] = stored(1);
    m_folder->globals.drillSession.accuracy[2] = 0;
    m_folder->globals.drillSession.averageSeconds[2] = stored(0.6L);
    m_window->refresh();
    QCOMPARE(barValue(chart("ChartKeyAccuracy"), 0), 0.0);
    QCOMPARE(barValue(chart("ChartKeySpeed"), 0), 0.0);
    QCOMPARE(barValue(chart("ChartKeySpeed"), 1), 0.6);
}

void tst_StatisticsWindow::overallPanelsFollowThePeriod() {
    m_folder->globals.record.setI64(layout::kBegSessionKeys, stored(250));
    m_folder->globals.record.setI64(layout::kBegSessionMisses, stored(20));
    m_folder->globals.record.setI64(layout::kBegKeysTotal, stored(1000));
    m_folder->globals.record.setI64(layout::kBegMissesTotal, stored(250));
    m_window->show();
    auto* correct = m_window->findChild<QLabel*>(QStringLiteral("PanelCorrect"));
    QCOMPARE(correct->text(), QStringLiteral("92"));
    QCOMPARE(barValue(chart("ChartStatsPercent"), 0), 92.0);

    // This session's drills count once a key was typed.
    m_folder->globals.drillSession.sessionPresses = stored(10);
    m_folder->globals.drillSession.sessionMisses = stored(3);
    m_window->refresh();
    QCOMPARE(correct->text(), QStringLiteral("70"));

    clickItem("RadioGroupOverallPeriod", 2);
    QCOMPARE(correct->text(), QStringLiteral("75"));
    QCOMPARE(chart("ChartStatsPercent")->titleLines().first(),
             QStringLiteral("Percent Correct (all days) -- Maria -- ") + shortDate(kToday));

    clickItem("RadioGroupOverallPeriod", 1);
    QCOMPARE(chart("ChartStatsPercent")->barCount(), 8);
    QCOMPARE(correct->text(), QStringLiteral("75")); // the history leaves the panel alone
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("PanelWpm"))->text(),
             QStringLiteral("N/A"));
    QCOMPARE(chart("ChartAdjustedWpm")->titleLines(),
             QStringList{QStringLiteral("NO WORDS PER MINUTE CHART FOR BEGINNER'S DRILLS")});
}

void tst_StatisticsWindow::aViewedStudentWhoNeverDrilledShowsZero() {
    m_folder->globals.record.setI64(layout::kBegSessionKeys, stored(250));
    m_folder->globals.record.setI64(layout::kBegSessionMisses, stored(20));
    StudentRecord nina;
    QVERIFY(StudentFile::create(m_folder->path(QStringLiteral("Nina.stu")), nina).done());
    m_window->show();
    m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    auto* correct = m_window->findChild<QLabel*>(QStringLiteral("PanelCorrect"));
    QCOMPARE(correct->text(), QStringLiteral("92"));

    m_window->findChild<QPushButton*>(QStringLiteral("ButtonSwitchUserOverall"))->click();
    auto* names = m_window->findChild<QListWidget*>(QStringLiteral("ListBoxSwitchUser"));
    names->setCurrentItem(names->findItems(QStringLiteral("Nina"), Qt::MatchExactly).first());
    m_window->findChild<QPushButton*>(QStringLiteral("ButtonViewSelectedName"))->click();
    QCOMPARE(m_folder->globals.currentUserName, QStringLiteral("Nina"));
    QCOMPARE(correct->text(), QStringLiteral("0"));
}

void tst_StatisticsWindow::closeChartsAdvisesARestartAfterASwitch_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("switched");
    QTest::addColumn<bool>("click");
    QTest::newRow("key page") << 0 << false << true;
    QTest::newRow("key page after a switch") << 0 << true << true;
    QTest::newRow("overall page") << 1 << false << false;
    QTest::newRow("overall page after a switch") << 1 << true << false;
    QTest::newRow("close box after a switch") << -1 << true << false;
}

void tst_StatisticsWindow::closeChartsAdvisesARestartAfterASwitch() {
    QFETCH(int, page);
    QFETCH(bool, switched);
    QFETCH(bool, click);
    m_window->show();
    m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))
        ->setCurrentIndex(qMax(page, 0));
    m_window->setNamesSwitched(switched);
    m_folder->sound.played.clear();

    if (page < 0)
        m_window->close();
    else
        m_window
            ->findChild<QPushButton*>(page == 0 ? QStringLiteral("ButtonCloseKeys")
                                                : QStringLiteral("ButtonCloseOverall"))
            ->click();

    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_window->state().namesSwitched);
    QCOMPARE(m_folder->sound.played.size(), click ? 1 : 0);
    if (switched) {
        QCOMPARE(m_folder->dialogs.shown.size(), 1);
        QCOMPARE(m_folder->dialogs.shown.first().kind, Dialogs::Kind::Information);
        QCOMPARE(m_folder->dialogs.shown.first().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(m_folder->dialogs.shown.first().text,
                 QStringLiteral("After Switching names, it is recommended that you restart the "
                                "program before continuing to type. This will protect the most "
                                "recent chart data from being lost. If you haven't typed since "
                                "starting Keyfarer, you don't have to restart."));
    } else {
        QVERIFY(m_folder->dialogs.shown.isEmpty());
    }
}

QTEST_MAIN(tst_StatisticsWindow)
#include "tst_StatisticsWindow.moc"
