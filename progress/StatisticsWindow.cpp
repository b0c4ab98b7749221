// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/StatisticsWindow.h"

#include "platform/Dialogs.h"
#include "platform/EventSounds.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "progress/BarChartView.h"
#include "progress/RadioGroup.h"
#include "progress/SectionSelector.h"
#include "widgets/TextControls.h"
#include "widgets/TranslatedText.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <array>
#include <vector>

namespace kf {

namespace {

constexpr int kClientWidth = 712;
constexpr int kClientHeight = 516;
constexpr int kTopBandHeight = 177;
constexpr int kMiddleBandHeight = 158;
constexpr int kMiddleBandTop = kTopBandHeight - 1;
constexpr int kPagesTop = kMiddleBandTop + kMiddleBandHeight;
// "Print Chart" sits 4 pixels from the top and 8 from the right of its band.
constexpr int kPrintButtonTop = 4;
constexpr int kPrintButtonRight = 8;
constexpr QSize kPrintButtonSize(80, 22);
// Printed charts are drawn at twice their size on screen, so the page gets a sharp picture.
constexpr qreal kPrintScale = 2.0;

// The items of both section selectors and the section each stands for.
constexpr const char* kContext = "StatisticsWindow";

struct SectionItem {
    const char* text;
    int selector;
};
constexpr std::array<SectionItem, 1> kSectionItems = {
    {{QT_TRANSLATE_NOOP("StatisticsWindow", "Beginner's Drills"), 0}}};

constexpr const char* kRestartAdvice = QT_TRANSLATE_NOOP(
    "StatisticsWindow",
    "After Switching names, it is recommended that you restart the program before continuing "
    "to type. This will protect the most recent chart data from being lost. If you haven't "
    "typed since starting Keyfarer, you don't have to restart.");

Section sectionOfItem(int item) {
    const SectionItem& chosen =
        kSectionItems.at(std::size_t(qBound(0, item, int(kSectionItems.size()) - 1)));
    return sectionOfSelector(chosen.selector).value_or(Section::BeginnersDrills);
}

std::vector<const char*> sectionItemTexts() {
    std::vector<const char*> texts;
    texts.reserve(kSectionItems.size());
    for (const SectionItem& item : kSectionItems)
        texts.push_back(item.text);
    return texts;
}

// A panel that shows a value: sunken, text centred.
QLabel* valuePanel(const QString& name, const QString& text, QWidget* parent) {
    auto* panel = new QLabel(text, parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    return panel;
}

// A button given by its object name and its English text.
struct NamedButton {
    QString name;
    const char* text;
};

// The pair of hidden buttons through which the window draws a page's charts itself, one above
// the other.
std::pair<QPushButton*, QPushButton*> hiddenChartButtons(QWidget* page, const QString& panelName,
                                                         const NamedButton& first,
                                                         const NamedButton& second) {
    auto* hidden = new QWidget(page);
    hidden->setObjectName(panelName);
    hidden->setGeometry(630, 84, 70, 44);
    hidden->hide();
    auto* upper = uiButton(first.name, kContext, first.text, hidden);
    auto* lower = uiButton(second.name, kContext, second.text, hidden);
    lower->move(0, 22);
    return {upper, lower};
}

RadioGroup* radioGroup(const QString& name, const char* caption,
                       const std::vector<const char*>& items, int columns, QWidget* parent) {
    auto* group = new RadioGroup(QString(), QStringList(qsizetype(items.size())), columns, parent);
    setUiText(group, kContext, caption);
    for (std::size_t i = 0; i < items.size(); ++i)
        setUiText(group->button(int(i)), kContext, items[i]);
    group->setObjectName(name);
    group->setItemIndex(0);
    return group;
}

} // namespace

StatisticsWindow::StatisticsWindow(const StudentContext& student, Services& services,
                                   QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_student(student)
    , m_services(services) {
    setUiWindowTitle(this, kContext, QT_TRANSLATE_NOOP("StatisticsWindow", "Statistics"));
    setFixedSize(kClientWidth, kClientHeight);

    buildBands();
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(0, kPagesTop, kClientWidth, kClientHeight - kPagesTop);
    auto* keysPage = new QWidget;
    keysPage->setObjectName(QStringLiteral("TabSheetKeyCharts"));
    auto* overallPage = new QWidget;
    overallPage->setObjectName(QStringLiteral("TabSheetOverall"));
    setUiTabText(m_pages, m_pages->addTab(keysPage, QString()), kContext,
                 QT_TRANSLATE_NOOP("StatisticsWindow", "Individual Key Charts"));
    setUiTabText(m_pages, m_pages->addTab(overallPage, QString()), kContext,
                 QT_TRANSLATE_NOOP("StatisticsWindow", "Overall Statistics"));
    buildKeyChartsPage(keysPage);
    buildOverallPage(overallPage);
    connect(m_pages, &QTabWidget::currentChanged, this, [this] { chartPageChanged(); });

    m_state = ChartsWindowState{};
    m_pages->setCurrentIndex(int(ChartsPage::IndividualKeyCharts));
    arrangeBands();
    m_keyPage.currentUser->setText(m_student.currentUserName);
    m_overallPage.currentUser->setText(m_student.currentUserName);
    resetCharts();
    buildReportPanels();
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

void StatisticsWindow::buildBands() {
    const auto band = [this](const QString& name, int top, int height) {
        auto* w = new QWidget(this);
        w->setObjectName(name);
        w->setGeometry(0, top, kClientWidth, height);
        return w;
    };
    const auto chart = [](ChartKind kind, const QString& name, QWidget* bandWidget) {
        auto* view = new BarChartView(kind, bandWidget);
        view->setObjectName(name);
        view->setGeometry(bandWidget->rect());
        return view;
    };
    const auto printButton = [](const QString& name, QWidget* bandWidget) {
        auto* b = uiButton(name, kContext, QT_TRANSLATE_NOOP("StatisticsWindow", "Print Chart"),
                           bandWidget);
        b->setGeometry(
            QRect(QPoint(bandWidget->width() - kPrintButtonRight - kPrintButtonSize.width(),
                         kPrintButtonTop),
                  kPrintButtonSize));
        return b;
    };

    m_topBand = band(QStringLiteral("PanelTopBand"), 0, kTopBandHeight);
    m_keyAccuracy = chart(ChartKind::KeyAccuracy, QStringLiteral("ChartKeyAccuracy"), m_topBand);
    m_overallAccuracy =
        chart(ChartKind::OverallAccuracy, QStringLiteral("ChartStatsPercent"), m_topBand);
    m_overallAccuracy->series()->setName(QStringLiteral("SeriesStatsPercent"));
    m_overallAccuracy->series()->setObjectName(QStringLiteral("SeriesStatsPercent"));
    m_printTop = printButton(QStringLiteral("ButtonPrintTop"), m_topBand);

    m_middleBand = band(QStringLiteral("PanelMiddleBand"), kMiddleBandTop, kMiddleBandHeight);
    m_keySpeed = chart(ChartKind::KeySpeed, QStringLiteral("ChartKeySpeed"), m_middleBand);
    m_adjustedWpm = chart(ChartKind::AdjustedWpm, QStringLiteral("ChartAdjustedWpm"), m_middleBand);
    m_printMiddle = printButton(QStringLiteral("ButtonPrintMiddle"), m_middleBand);

    connect(m_printTop, &QPushButton::clicked, this, [this] { buttonPrintTopClick(); });
    connect(m_printMiddle, &QPushButton::clicked, this, [this] { buttonPrintMiddleClick(); });
}

StatisticsWindow::PageControls StatisticsWindow::buildUserControls(QWidget* page,
                                                                   const QString& suffix) {
    PageControls c{};
    c.currentUser = valuePanel(QStringLiteral("PanelUser") + suffix, QString(), page);
    setUiToolTip(c.currentUser, kContext, QT_TRANSLATE_NOOP("StatisticsWindow", "Current User"));
    c.currentUser->setGeometry(380, 10, 180, 26);
    c.switchUser = uiButton(QStringLiteral("ButtonSwitchUser") + suffix, kContext,
                            QT_TRANSLATE_NOOP("StatisticsWindow", "Switch User"), page);
    setUiToolTip(c.switchUser, kContext,
                 QT_TRANSLATE_NOOP("StatisticsWindow",
                                   "Recommended for Teachers Viewing  Charts & Stats Only"));
    c.switchUser->setGeometry(572, 9, 126, 28);
    c.viewReport = uiButton(QStringLiteral("ButtonViewReport") + suffix, kContext,
                            QT_TRANSLATE_NOOP("StatisticsWindow", "View Report"), page);
    c.viewReport->setGeometry(380, 46, 126, 28);
    c.close = uiButton(QStringLiteral("ButtonClose") + suffix, kContext,
                       QT_TRANSLATE_NOOP("StatisticsWindow", "Close Charts"), page);
    c.close->setGeometry(572, 46, 126, 28);
    connect(c.switchUser, &QPushButton::clicked, this, [this] { buttonSwitchUserClick(); });
    connect(c.viewReport, &QPushButton::clicked, this, [this] { buttonViewReportClick(); });
    return c;
}

void StatisticsWindow::buildKeyChartsPage(QWidget* page) {
    m_keyPeriod = radioGroup(QStringLiteral("RadioGroupKeyPeriod"),
                             QT_TRANSLATE_NOOP("StatisticsWindow", "Time Period"),
                             {QT_TRANSLATE_NOOP("StatisticsWindow", "Today or Last"),
                              QT_TRANSLATE_NOOP("StatisticsWindow", "Typing History")},
                             1, page);
    m_keyPeriod->setGeometry(6, 4, 170, 62);
    m_keySection = radioGroup(QStringLiteral("RadioGroupKeySection"),
                              QT_TRANSLATE_NOOP("StatisticsWindow", "Program Section"),
                              sectionItemTexts(), 2, page);
    m_keySection->setGeometry(6, 70, 170, 44);
    m_characters = radioGroup(QStringLiteral("RadioGroupCharacters"),
                              QT_TRANSLATE_NOOP("StatisticsWindow", "Characters"),
                              {QT_TRANSLATE_NOOP("StatisticsWindow", "Letters && Punctuation"),
                               QT_TRANSLATE_NOOP("StatisticsWindow", "Numbers"),
                               QT_TRANSLATE_NOOP("StatisticsWindow", "Symbols"),
                               QT_TRANSLATE_NOOP("StatisticsWindow", "International Keys")},
                              1, page);
    m_characters->setGeometry(184, 4, 180, 110);

    m_keyPage = buildUserControls(page, QStringLiteral("Keys"));
    connect(m_keyPage.close, &QPushButton::clicked, this, [this] { buttonCloseKeysClick(); });

    m_rightShiftLabel =
        uiLabel(QStringLiteral("LabelRightShift"), kContext,
                QT_TRANSLATE_NOOP("StatisticsWindow", "Right Shift Letter Key Errors = "), page);
    m_rightShiftLabel->setGeometry(380, 84, 186, 20);
    m_rightShiftPanel = valuePanel(QStringLiteral("PanelRightShift"), QStringLiteral("0"), page);
    m_rightShiftPanel->setGeometry(572, 84, 50, 20);
    m_leftShiftLabel =
        uiLabel(QStringLiteral("LabelLeftShift"), kContext,
                QT_TRANSLATE_NOOP("StatisticsWindow", "Left Shift Letter Key Errors = "), page);
    m_leftShiftLabel->setGeometry(380, 106, 186, 20);
    m_leftShiftPanel = valuePanel(QStringLiteral("PanelLeftShift"), QStringLiteral("0"), page);
    m_leftShiftPanel->setGeometry(572, 106, 50, 20);
    showShiftErrors(false);

    auto [speed, accuracy] = hiddenChartButtons(
        page, QStringLiteral("PanelKeyChartButtons"),
        {QStringLiteral("ButtonKeySpeed"), QT_TRANSLATE_NOOP("StatisticsWindow", "Key Speed")},
        {QStringLiteral("ButtonKeyAccuracy"),
         QT_TRANSLATE_NOOP("StatisticsWindow", "Key Accuracy")});
    connect(speed, &QPushButton::clicked, this, [this] { buttonKeySpeedClick(); });
    connect(accuracy, &QPushButton::clicked, this, [this] { buttonKeyAccuracyClick(); });

    connect(m_keyPeriod, &RadioGroup::clicked, this, [this] { radioGroupKeyPeriodClick(); });
    connect(m_keySection, &RadioGroup::clicked, this, [this] { radioGroupKeySectionClick(); });
    connect(m_characters, &RadioGroup::clicked, this, [this] { radioGroupCharactersClick(); });
}

void StatisticsWindow::buildOverallPage(QWidget* page) {
    m_overallSection = radioGroup(QStringLiteral("RadioGroupOverallSection"),
                                  QT_TRANSLATE_NOOP("StatisticsWindow", "Program Section"),
                                  sectionItemTexts(), 2, page);
    m_overallSection->setGeometry(6, 4, 170, 44);
    m_overallPeriod = radioGroup(QStringLiteral("RadioGroupOverallPeriod"),
                                 QT_TRANSLATE_NOOP("StatisticsWindow", "Time Period"),
                                 {QT_TRANSLATE_NOOP("StatisticsWindow", "Today or Last"),
                                  QT_TRANSLATE_NOOP("StatisticsWindow", "Past 8 Days"),
                                  QT_TRANSLATE_NOOP("StatisticsWindow", "Typing History (all)")},
                                 1, page);
    m_overallPeriod->setGeometry(184, 4, 180, 86);

    uiLabel(QStringLiteral("LabelWpm"), kContext, QT_TRANSLATE_NOOP("StatisticsWindow", "WPM:"),
            page)
        ->setGeometry(14, 60, 70, 22);
    m_wpmPanel = valuePanel(QStringLiteral("PanelWpm"), QString(), page);
    m_wpmPanel->setGeometry(90, 60, 60, 22);
    uiLabel(QStringLiteral("LabelCorrect"), kContext,
            QT_TRANSLATE_NOOP("StatisticsWindow", "Correct %:"), page)
        ->setGeometry(14, 88, 70, 22);
    m_correctPanel = valuePanel(QStringLiteral("PanelCorrect"), QString(), page);
    m_correctPanel->setGeometry(90, 88, 60, 22);

    m_overallPage = buildUserControls(page, QStringLiteral("Overall"));
    connect(m_overallPage.close, &QPushButton::clicked, this,
            [this] { buttonCloseOverallClick(); });

    auto [accuracy, wpm] = hiddenChartButtons(
        page, QStringLiteral("PanelOverallChartButtons"),
        {QStringLiteral("ButtonAccuracy"), QT_TRANSLATE_NOOP("StatisticsWindow", "Accuracy")},
        {QStringLiteral("ButtonAdjustedWpm"),
         QT_TRANSLATE_NOOP("StatisticsWindow", "Adjusted WPM")});
    connect(accuracy, &QPushButton::clicked, this, [this] { buttonAccuracyClick(); });
    connect(wpm, &QPushButton::clicked, this, [this] { buttonAdjustedWpmClick(); });

    connect(m_overallSection, &RadioGroup::clicked, this,
            [this] { radioGroupOverallSectionClick(); });
    connect(m_overallPeriod, &RadioGroup::clicked, this,
            [this] { radioGroupOverallPeriodClick(); });
}

void StatisticsWindow::resetCharts() {
    for (BarChartView* chart : {m_keyAccuracy, m_overallAccuracy, m_keySpeed, m_adjustedWpm}) {
        chart->clearBars();
        chart->setTitle(chartText(kUndrawnChartTitle));
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

Section StatisticsWindow::keySection() const {
    return sectionOfItem(m_keySection->itemIndex());
}

Section StatisticsWindow::overallSection() const {
    return sectionOfItem(m_overallSection->itemIndex());
}

KeyPeriod StatisticsWindow::keyPeriod() const {
    return m_keyPeriod->itemIndex() == 1 ? KeyPeriod::TypingHistory : KeyPeriod::TodayOrLast;
}

KeyGroup StatisticsWindow::keyGroup() const {
    return static_cast<KeyGroup>(qBound(0, m_characters->itemIndex(), 3));
}

OverallPeriod StatisticsWindow::overallPeriod() const {
    return static_cast<OverallPeriod>(qBound(0, m_overallPeriod->itemIndex(), 2));
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
    if (page == ChartsPage::OverallStatistics) {
        m_overallAccuracy->bringToFront();
        m_adjustedWpm->bringToFront();
    } else {
        m_overallAccuracy->sendToBack();
        m_adjustedWpm->sendToBack();
    }
    raisePrintButtons();
}

void StatisticsWindow::raisePrintButtons() {
    m_printTop->raise();
    m_printMiddle->raise();
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
    m_adjustedWpm->sendToBack();
    m_state.middleOverallInFront = false;
    raisePrintButtons();
    arrangeOrClick();
    m_keySpeed->draw(keySpeedChart(m_student.record, m_student.drillSession, keyPeriod(),
                                   keyGroup(), heading()));
}

void StatisticsWindow::buttonKeyAccuracyClick() {
    raisePrintButtons();
    arrangeOrClick();
    m_keyAccuracy->draw(keyAccuracyChart(m_student.record, m_student.drillSession, keyPeriod(),
                                         keyGroup(), heading()));
    applyShiftErrors(ShiftErrorsMoment::KeyAccuracyDrawn);
}

void StatisticsWindow::buttonAccuracyClick() {
    const Section section = overallSection();
    const OverallChart chart = overallAccuracyChart(
        m_student.record, section, sessionTotals(section), overallPeriod(), heading());
    m_overallAccuracy->draw(chart.chart);
    applyPanels(chart);
}

void StatisticsWindow::buttonAdjustedWpmClick() {
    const Section section = overallSection();
    const OverallChart chart = adjustedWpmChart(m_student.record, section, sessionTotals(section),
                                                overallPeriod(), heading());
    m_adjustedWpm->draw(chart.chart);
    applyPanels(chart);
}

void StatisticsWindow::applyPanels(const OverallChart& chart) {
    if (chart.correctPercentText)
        m_correctPanel->setText(*chart.correctPercentText);
    if (chart.wpmText)
        m_wpmPanel->setText(*chart.wpmText);
}

void StatisticsWindow::showShiftErrors(bool visible) {
    for (QLabel* l : {m_rightShiftLabel, m_rightShiftPanel, m_leftShiftLabel, m_leftShiftPanel})
        l->setVisible(visible);
}

void StatisticsWindow::fillShiftErrors() {
    m_rightShiftPanel->setText(
        QString::number(m_student.record.i32(layout::kLessonsRightShiftErrors)));
    m_leftShiftPanel->setText(
        QString::number(m_student.record.i32(layout::kLessonsLeftShiftErrors)));
}

void StatisticsWindow::applyShiftErrors(ShiftErrorsMoment moment) {
    const ShiftErrorsDisplay display =
        shiftErrorsDisplay(moment, keySection(), currentPage(), keyPeriod());
    if (display.refill)
        fillShiftErrors();
    if (display.visible)
        showShiftErrors(*display.visible);
}

void StatisticsWindow::chartPageChanged() {
    arrangeBands();
    applyShiftErrors(ShiftErrorsMoment::PageChanged);
    if (currentPage() == ChartsPage::OverallStatistics &&
        overallSection() == Section::BeginnersDrills)
        m_wpmPanel->setText(chartText(kNotApplicable));
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
    if (overallSection() == Section::BeginnersDrills)
        m_wpmPanel->clear();
    refresh();
}

void StatisticsWindow::radioGroupOverallPeriodClick() {
    refresh();
}

void StatisticsWindow::buttonPrintTopClick() {
    playClick();
    printChart(m_state.topChartInFront() == ChartKind::OverallAccuracy ? m_overallAccuracy
                                                                       : m_keyAccuracy);
}

void StatisticsWindow::buttonPrintMiddleClick() {
    playClick();
    printChart(m_state.middleChartInFront() == ChartKind::AdjustedWpm ? m_adjustedWpm : m_keySpeed);
}

void StatisticsWindow::printChart(BarChartView* chart) {
    const Printer::Outcome outcome = m_services.printer.printImage(chart->toImage(kPrintScale));
    if (outcome.status == Printer::Status::Failed)
        m_services.dialogs.error(outcome.error);
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
        m_services.dialogs.information(QCoreApplication::translate(kContext, kRestartAdvice));
        m_state.namesSwitched = false;
    }
    QWidget::closeEvent(event);
}

void StatisticsWindow::playClick() {
    playSound(m_student.soundSettings(), m_services.sound, kSoundClick);
}

} // namespace kf
