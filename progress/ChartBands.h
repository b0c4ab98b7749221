// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/ChartDescription.h"
#include "progress/ChartsWindowState.h"

class QPushButton;
class QWidget;

namespace kf {

class BarChartView;
class ChartFiguresTable;

// The statistics window's two chart bands over its pages. The top band holds the key accuracy
// and the overall accuracy charts, the middle band the key speed and the adjusted WPM charts,
// each pair on the same spot, and a "Print Chart" button over them. The window owns the widgets;
// this keeps them together and puts a band's charts in front of each other.
class ChartBands {
public:
    // Builds both bands into the window, at its top and across its whole width.
    ChartBands(QWidget* window, int width);
    // Both bands' height: the pages start under them.
    static int height();

    BarChartView* chart(ChartKind kind) const;
    QPushButton* printTop() const { return m_printTop; }
    QPushButton* printMiddle() const { return m_printMiddle; }

    // The page's pair of charts in front: the overall charts for the overall page.
    void arrangeFor(ChartsPage page);
    // The band's buttons over whichever chart is in front.
    void raisePrintButtons();
    // Every chart without bars, titled as not drawn yet.
    void clearCharts();

private:
    BarChartView* m_keyAccuracy = nullptr;
    BarChartView* m_overallAccuracy = nullptr;
    BarChartView* m_keySpeed = nullptr;
    BarChartView* m_adjustedWpm = nullptr;
    QPushButton* m_printTop = nullptr;
    QPushButton* m_printMiddle = nullptr;
    // Beside each "Print Chart": the band's figures as a table, or the charts again.
    QPushButton* m_tableButtonTop = nullptr;
    QPushButton* m_tableButtonMiddle = nullptr;
    ChartFiguresTable* m_tableTop = nullptr;
    ChartFiguresTable* m_tableMiddle = nullptr;
};

} // namespace kf
