// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/StatisticsWindow.h"

#include "platform/Dialogs.h"
#include "platform/EventSounds.h"
#include "platform/Services.h"
#include "progress/BarChartView.h"
#include "progress/ChartPrinting.h"
#include "progress/KeyChartsPage.h"
#include "progress/OverallChartsPage.h"
#include "progress/StatisticsPage.h"
#include "widgets/TextControls.h"
#include "widgets/TranslatedText.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>

namespace kf {

namespace {

constexpr int kClientWidth = 712;
constexpr int kClientHeight = 516;

constexpr const char* kRestartAdvice = QT_TRANSLATE_NOOP(
    "StatisticsWindow",
    "After Switching names, it is recommended that you restart the program before continuing "
    "to type. This will protect the most recent chart data from being lost. If you haven't "
    "typed since starting Keyfarer, you don't have to restart.");

QWidget* chartsArea(QWidget* window) {
    auto* area = new QWidget(window);
    area->setObjectName(QStringLiteral("PanelCharts"));
    area->setGeometry(0, 0, kClientWidth, kClientHeight);
    return area;
}

} // namespace

StatisticsWindow::StatisticsWindow(const StudentContext& student, Services& services,
                                   QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_student(student)
    , m_services(services)
    , m_chartsArea(chartsArea(this))
    , m_bands(m_chartsArea, kClientWidth) {
    setUiWindowTitle(this, kStatisticsWindowContext,
                     QT_TRANSLATE_NOOP("StatisticsWindow", "Statistics"));
    setFixedSize(kClientWidth, kClientHeight);
    connect(m_bands.printTop(), &QPushButton::clicked, this, [this] { buttonPrintTopClick(); });
    connect(m_bands.printMiddle(), &QPushButton::clicked, this,
            [this] { buttonPrintMiddleClick(); });

    buildPages();
    m_state = ChartsWindowState{};
    m_pages->setCurrentIndex(int(ChartsPage::IndividualKeyCharts));
    arrangeBands();
    m_keyPage->setCurrentUser(m_student.currentUserName);
    m_overallPage->setCurrentUser(m_student.currentUserName);
    m_bands.clearCharts();
    buildSwitchUserPanel();
    buildReportPanel();
    // Without a mouse, Escape closes the window as its Close buttons do.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

StatisticsWindow* StatisticsWindow::open(const StudentContext& student, Services& services,
                                         QWidget* parent) {
    auto* window = new StatisticsWindow(student, services, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void StatisticsWindow::buildPages() {
    m_pages = new QTabWidget(m_chartsArea);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(0, ChartBands::height(), kClientWidth,
                         kClientHeight - ChartBands::height());
    m_keyPage = new KeyChartsPage;
    m_overallPage = new OverallChartsPage;
    setUiTabText(m_pages, m_pages->addTab(m_keyPage, QString()), kStatisticsWindowContext,
                 QT_TRANSLATE_NOOP("StatisticsWindow", "Individual Key Charts"));
    setUiTabText(m_pages, m_pages->addTab(m_overallPage, QString()), kStatisticsWindowContext,
                 QT_TRANSLATE_NOOP("StatisticsWindow", "Overall Statistics"));
    connect(m_pages, &QTabWidget::currentChanged, this, [this] { chartPageChanged(); });
    // Beside the tabs, so both pages reach it and it never covers the lessons' shift figures.
    auto* troubleKeys = uiButton(QStringLiteral("ButtonTroubleKeys"), kStatisticsWindowContext,
                                 QT_TRANSLATE_NOOP("StatisticsWindow", "Trouble Keys"), m_pages);
    m_pages->setCornerWidget(troubleKeys, Qt::TopRightCorner);
    connect(troubleKeys, &QPushButton::clicked, this, &StatisticsWindow::troubleKeysRequested);

    connect(m_keyPage, &KeyChartsPage::periodClicked, this, [this] { radioGroupKeyPeriodClick(); });
    connect(m_keyPage, &KeyChartsPage::sectionClicked, this,
            [this] { radioGroupKeySectionClick(); });
    connect(m_keyPage, &KeyChartsPage::charactersClicked, this,
            [this] { radioGroupCharactersClick(); });
    connect(m_keyPage, &KeyChartsPage::keySpeedClicked, this, [this] { buttonKeySpeedClick(); });
    connect(m_keyPage, &KeyChartsPage::keyAccuracyClicked, this,
            [this] { buttonKeyAccuracyClick(); });
    connect(m_keyPage, &KeyChartsPage::closeClicked, this, [this] { buttonCloseKeysClick(); });

    connect(m_overallPage, &OverallChartsPage::sectionClicked, this,
            [this] { radioGroupOverallSectionClick(); });
    connect(m_overallPage, &OverallChartsPage::periodClicked, this,
            [this] { radioGroupOverallPeriodClick(); });
    connect(m_overallPage, &OverallChartsPage::accuracyClicked, this,
            [this] { buttonAccuracyClick(); });
    connect(m_overallPage, &OverallChartsPage::adjustedWpmClicked, this,
            [this] { buttonAdjustedWpmClick(); });
    connect(m_overallPage, &OverallChartsPage::closeClicked, this,
            [this] { buttonCloseOverallClick(); });

    for (StatisticsPage* page :
         {static_cast<StatisticsPage*>(m_keyPage), static_cast<StatisticsPage*>(m_overallPage)}) {
        connect(page, &StatisticsPage::switchUserClicked, this,
                [this] { buttonSwitchUserClick(); });
        connect(page, &StatisticsPage::viewReportClicked, this,
                [this] { buttonViewReportClick(); });
    }
}

void StatisticsWindow::centreOnDesktop() {
    if (const QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

void StatisticsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    retranslate(this);
    if (isVisible())
        refresh();
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnDesktop();
    m_state.calledByWindow = true;
    buttonKeyAccuracyClick();
    m_state.calledByWindow = true;
    buttonKeySpeedClick();
    refresh();
}

ChartsPage StatisticsWindow::currentPage() const {
    return m_pages->currentIndex() == int(ChartsPage::OverallStatistics)
               ? ChartsPage::OverallStatistics
               : ChartsPage::IndividualKeyCharts;
}

SectionUsage::WorkingTotals StatisticsWindow::sessionTotals(Section section) const {
    // The drill engine keeps the drills' own session totals.
    if (section == Section::BeginnersDrills) {
        const DrillSessionFigures& drills = m_student.drillSession;
        return {drills.sessionSetSeconds, drills.sessionPresses, drills.sessionMisses};
    }
    return m_student.sectionUsage.totals(section);
}

ChartHeading StatisticsWindow::heading() const {
    const QDate date = m_titleDate.isValid() ? m_titleDate : QDate::currentDate();
    return {m_student.currentUserName, shortDate(date)};
}

void StatisticsWindow::refresh() {
    buttonAccuracyClick();
    buttonAdjustedWpmClick();
    buildReport();
    m_state.calledByWindow = true;
    buttonKeyAccuracyClick();
    m_state.calledByWindow = true;
    buttonKeySpeedClick();
    applyShiftErrors(ShiftErrorsMoment::ChartsRedrawn);
}

void StatisticsWindow::arrangeBands() {
    const ChartsPage page = currentPage();
    m_state.arrangeFor(page);
    m_bands.arrangeFor(page);
}

void StatisticsWindow::arrangeOrClick() {
    if (m_state.calledByWindow) {
        arrangeBands();
        m_state.calledByWindow = false;
    } else {
        playClick();
    }
}

void StatisticsWindow::buttonKeySpeedClick() {
    m_bands.chart(ChartKind::AdjustedWpm)->sendToBack();
    m_state.middleOverallInFront = false;
    m_bands.raisePrintButtons();
    arrangeOrClick();
    m_bands.chart(ChartKind::KeySpeed)
        ->draw(keySpeedChart(m_student.record, m_student.drillSession, m_keyPage->period(),
                             m_keyPage->group(), heading()));
}

void StatisticsWindow::buttonKeyAccuracyClick() {
    m_bands.raisePrintButtons();
    arrangeOrClick();
    m_bands.chart(ChartKind::KeyAccuracy)
        ->draw(keyAccuracyChart(m_student.record, m_student.drillSession, m_keyPage->period(),
                                m_keyPage->group(), heading()));
    applyShiftErrors(ShiftErrorsMoment::KeyAccuracyDrawn);
}

void StatisticsWindow::buttonAccuracyClick() {
    const Section section = m_overallPage->section();
    const OverallChart chart = overallAccuracyChart(
        m_student.record, section, sessionTotals(section), m_overallPage->period(), heading());
    m_bands.chart(ChartKind::OverallAccuracy)->draw(chart.chart);
    m_overallPage->showFiguresOf(chart);
}

void StatisticsWindow::buttonAdjustedWpmClick() {
    const Section section = m_overallPage->section();
    const OverallChart chart = adjustedWpmChart(m_student.record, section, sessionTotals(section),
                                                m_overallPage->period(), heading());
    m_bands.chart(ChartKind::AdjustedWpm)->draw(chart.chart);
    m_overallPage->showFiguresOf(chart);
}

void StatisticsWindow::applyShiftErrors(ShiftErrorsMoment moment) {
    const ShiftErrorsDisplay display =
        shiftErrorsDisplay(moment, m_keyPage->section(), currentPage(), m_keyPage->period());
    if (display.refill)
        m_keyPage->setShiftErrors(m_student.record.i32(layout::kLessonsRightShiftErrors),
                                  m_student.record.i32(layout::kLessonsLeftShiftErrors));
    if (display.visible)
        m_keyPage->showShiftErrors(*display.visible);
}

void StatisticsWindow::chartPageChanged() {
    arrangeBands();
    applyShiftErrors(ShiftErrorsMoment::PageChanged);
    if (currentPage() == ChartsPage::OverallStatistics &&
        m_overallPage->section() == Section::BeginnersDrills)
        m_overallPage->setWpmText(chartText(kNotApplicable));
}

void StatisticsWindow::radioGroupKeyPeriodClick() {
    refresh();
}

void StatisticsWindow::radioGroupKeySectionClick() {
    refresh();
    applyShiftErrors(ShiftErrorsMoment::KeySectionChosen);
}

void StatisticsWindow::radioGroupCharactersClick() {
    refresh();
}

void StatisticsWindow::radioGroupOverallSectionClick() {
    arrangeBands();
    if (m_overallPage->section() == Section::BeginnersDrills)
        m_overallPage->clearWpm();
    refresh();
}

void StatisticsWindow::radioGroupOverallPeriodClick() {
    refresh();
}

void StatisticsWindow::buttonPrintTopClick() {
    playClick();
    printChart(*m_bands.chart(m_state.topChartInFront()), m_services);
}

void StatisticsWindow::buttonPrintMiddleClick() {
    playClick();
    printChart(*m_bands.chart(m_state.middleChartInFront()), m_services);
}

void StatisticsWindow::buttonCloseKeysClick() {
    playClick();
    close();
}

void StatisticsWindow::buttonCloseOverallClick() {
    // The second page's button closes without the click.
    close();
}

void StatisticsWindow::closeEvent(QCloseEvent* event) {
    if (m_state.namesSwitched) {
        m_services.dialogs.information(
            QCoreApplication::translate(kStatisticsWindowContext, kRestartAdvice));
        m_state.namesSwitched = false;
    }
    QWidget::closeEvent(event);
}

void StatisticsWindow::playClick() {
    playSound(m_student.soundSettings(), m_services.sound, kSoundClick);
}

} // namespace kf
