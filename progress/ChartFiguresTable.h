// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableWidget>

class QPushButton;

namespace kf {

class BarChartView;

// The figures of a chart band as a table, for those who cannot see the bars: one row a bar,
// its label and its value. Its button shows the table in the band's place instead of the two
// charts, and the charts again; while it shows, it follows whichever chart is in front and every
// redraw of it. A screen reader reads the focused table row by row.
class ChartFiguresTable : public QTableWidget {
    Q_OBJECT
public:
    // The band's two charts, and the button that switches between them and this table.
    ChartFiguresTable(BarChartView& first, BarChartView& second, QPushButton& toggle);

    // Fills the table again from the chart in front, when the table shows.
    void follow();

private:
    void toggle();
    const BarChartView& chartInFront() const;
    void showFiguresOf(const BarChartView& chart);

    BarChartView& m_first;
    BarChartView& m_second;
    QPushButton& m_toggle;
};

} // namespace kf
