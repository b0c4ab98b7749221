// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ChartBands.h"

#include "progress/BarChartView.h"
#include "progress/ChartFiguresTable.h"
#include "progress/ChartTitles.h"
#include "progress/StatisticsPage.h"
#include "widgets/TextControls.h"

#include <QPushButton>
#include <QStackedBarSeries>

namespace kf {

namespace {

constexpr int kTopBandHeight = 177;
constexpr int kMiddleBandHeight = 158;
constexpr int kMiddleBandTop = kTopBandHeight - 1;
// "Print Chart" sits 4 pixels from the top and 8 from the right of its band.
constexpr int kPrintButtonTop = 4;
constexpr int kPrintButtonRight = 8;
constexpr QSize kPrintButtonSize(80, 22);
constexpr QSize kTableButtonSize(100, 22);
constexpr int kButtonGap = 6;

QWidget* band(const QString& name, const QRect& place, QWidget* window) {
    auto* w = new QWidget(window);
    w->setObjectName(name);
    w->setGeometry(place);
    return w;
}

BarChartView* chartIn(QWidget* band, ChartKind kind, const QString& name) {
    auto* view = new BarChartView(kind, band);
    view->setObjectName(name);
    view->setGeometry(band->rect());
    return view;
}

QPushButton* printButtonIn(QWidget* band, const QString& name) {
    auto* b = uiButton(name, kStatisticsWindowContext,
                       QT_TRANSLATE_NOOP("StatisticsWindow", "Print Chart"), band);
    b->setGeometry(
        QRect(QPoint(band->width() - kPrintButtonRight - kPrintButtonSize.width(), kPrintButtonTop),
              kPrintButtonSize));
    return b;
}

QPushButton* tableButtonIn(QWidget* band, const QString& name, const QPushButton* print) {
    auto* b = new QPushButton(band);
    b->setObjectName(name);
    b->setGeometry(QRect(QPoint(print->x() - kButtonGap - kTableButtonSize.width(), print->y()),
                         kTableButtonSize));
    return b;
}

} // namespace

ChartBands::ChartBands(QWidget* window, int width) {
    QWidget* top = band(QStringLiteral("PanelTopBand"), QRect(0, 0, width, kTopBandHeight), window);
    m_keyAccuracy = chartIn(top, ChartKind::KeyAccuracy, QStringLiteral("ChartKeyAccuracy"));
    m_overallAccuracy =
        chartIn(top, ChartKind::OverallAccuracy, QStringLiteral("ChartStatsPercent"));
    m_overallAccuracy->series()->setName(QStringLiteral("SeriesStatsPercent"));
    m_overallAccuracy->series()->setObjectName(QStringLiteral("SeriesStatsPercent"));
    m_printTop = printButtonIn(top, QStringLiteral("ButtonPrintTop"));
    m_tableButtonTop = tableButtonIn(top, QStringLiteral("ButtonTableTop"), m_printTop);
    m_tableTop = new ChartFiguresTable(*m_keyAccuracy, *m_overallAccuracy, *m_tableButtonTop);

    QWidget* middle = band(QStringLiteral("PanelMiddleBand"),
                           QRect(0, kMiddleBandTop, width, kMiddleBandHeight), window);
    m_keySpeed = chartIn(middle, ChartKind::KeySpeed, QStringLiteral("ChartKeySpeed"));
    m_adjustedWpm = chartIn(middle, ChartKind::AdjustedWpm, QStringLiteral("ChartAdjustedWpm"));
    m_printMiddle = printButtonIn(middle, QStringLiteral("ButtonPrintMiddle"));
    m_tableButtonMiddle = tableButtonIn(middle, QStringLiteral("ButtonTableMiddle"), m_printMiddle);
    m_tableMiddle = new ChartFiguresTable(*m_keySpeed, *m_adjustedWpm, *m_tableButtonMiddle);
}

int ChartBands::height() {
    return kMiddleBandTop + kMiddleBandHeight;
}

BarChartView* ChartBands::chart(ChartKind kind) const {
    switch (kind) {
    case ChartKind::KeyAccuracy:
        return m_keyAccuracy;
    case ChartKind::OverallAccuracy:
        return m_overallAccuracy;
    case ChartKind::KeySpeed:
        return m_keySpeed;
    case ChartKind::AdjustedWpm:
        return m_adjustedWpm;
    }
    return m_keyAccuracy;
}

void ChartBands::arrangeFor(ChartsPage page) {
    if (page == ChartsPage::OverallStatistics) {
        m_overallAccuracy->bringToFront();
        m_adjustedWpm->bringToFront();
    } else {
        m_overallAccuracy->sendToBack();
        m_adjustedWpm->sendToBack();
    }
    raisePrintButtons();
    m_tableTop->follow();
    m_tableMiddle->follow();
}

void ChartBands::raisePrintButtons() {
    for (QPushButton* b : {m_printTop, m_printMiddle, m_tableButtonTop, m_tableButtonMiddle})
        b->raise();
}

void ChartBands::clearCharts() {
    for (BarChartView* chart : {m_keyAccuracy, m_overallAccuracy, m_keySpeed, m_adjustedWpm}) {
        chart->clearBars();
        chart->setTitle(chartText(kUndrawnChartTitle));
    }
}

} // namespace kf
