// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/OverallCharts.h"
#include "progress/StatisticsPage.h"

namespace kf {

// The statistics window's "Overall Statistics" page: which section and period the overall
// charts show, and the words per minute and percent correct that come with them.
class OverallChartsPage : public StatisticsPage {
    Q_OBJECT
public:
    OverallChartsPage();

    Section section() const;
    OverallPeriod period() const;

    // The "Correct %:" and "WPM:" panels take what the chart brings; the others keep theirs.
    void showFiguresOf(const OverallChart& chart);
    void setWpmText(const QString& text);
    void clearWpm();

signals:
    void sectionClicked();
    void periodClicked();
    // The hidden chart buttons.
    void accuracyClicked();
    void adjustedWpmClicked();

private:
    RadioGroup* m_section = nullptr;
    RadioGroup* m_period = nullptr;
    QLabel* m_wpmPanel = nullptr;
    QLabel* m_correctPanel = nullptr;
};

} // namespace kf
