// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ChartFiguresTable.h"

#include "progress/BarChartView.h"
#include "progress/StatisticsPage.h"
#include "widgets/TranslatedText.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>

namespace kf {

namespace {

constexpr const char* kShowTable = QT_TRANSLATE_NOOP("StatisticsWindow", "Show as Table");
constexpr const char* kShowChart = QT_TRANSLATE_NOOP("StatisticsWindow", "Show as Chart");
// The table starts under the band's buttons.
constexpr int kTableTop = 30;

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

ChartFiguresTable::ChartFiguresTable(BarChartView& first, BarChartView& second, QPushButton& toggle)
    : QTableWidget(0, 2, first.parentWidget())
    , m_first(first)
    , m_second(second)
    , m_toggle(toggle) {
    setObjectName(first.objectName() + QStringLiteral("Table"));
    setGeometry(first.geometry().adjusted(0, kTableTop, 0, 0));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    hide();
    setUiText(&m_toggle, kStatisticsWindowContext, kShowTable);
    connect(&m_toggle, &QPushButton::clicked, this, &ChartFiguresTable::toggle);
    for (BarChartView* chart : {&m_first, &m_second})
        connect(chart, &BarChartView::barsChanged, this, &ChartFiguresTable::follow);
}

void ChartFiguresTable::toggle() {
    const bool showTable = isHidden();
    // What shows first, so the focus never falls to a hidden control on the way.
    if (showTable) {
        show();
        m_first.hide();
        m_second.hide();
        follow();
        setCurrentCell(0, 0);
        setFocus();
    } else {
        m_first.show();
        m_second.show();
        hide();
    }
    setUiText(&m_toggle, kStatisticsWindowContext, showTable ? kShowChart : kShowTable);
}

void ChartFiguresTable::follow() {
    if (!isHidden())
        showFiguresOf(chartInFront());
}

// Of two siblings, the one raised later lies over the other.
const BarChartView& ChartFiguresTable::chartInFront() const {
    const QObjectList& siblings = m_first.parent()->children();
    return siblings.indexOf(&m_first) > siblings.indexOf(&m_second) ? m_first : m_second;
}

void ChartFiguresTable::showFiguresOf(const BarChartView& chart) {
    setAccessibleName(chart.accessibleName());
    setHorizontalHeaderLabels(
        {QCoreApplication::translate("Charts", "Bar"),
         QCoreApplication::translate("Charts", chartStyle(chart.kind()).axisTitle)});
    const int row = currentRow();
    setRowCount(chart.barCount());
    const QLocale locale;
    for (int i = 0; i < chart.barCount(); ++i) {
        // A bar without a label (a day of the history) is named by its place.
        const QString label = chart.barLabel(i);
        setItem(i, 0, cell(label.isEmpty() ? locale.toString(i + 1) : label));
        setItem(i, 1, cell(locale.toString(chart.barValue(i))));
    }
    if (row >= 0 && row < rowCount())
        setCurrentCell(row, 0);
}

} // namespace kf
