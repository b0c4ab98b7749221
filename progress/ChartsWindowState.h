// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/ChartDescription.h"
#include "students/SectionUsage.h"

namespace kf {

// The pages of the statistics window, in tab order.
enum class ChartsPage : std::uint8_t { IndividualKeyCharts, OverallStatistics };

// What the statistics window remembers between its events.
struct ChartsWindowState {
    // Which chart of each band is in front: true for the overall chart. The "Print Chart"
    // buttons print the chart in front.
    bool topOverallInFront = true;
    bool middleOverallInFront = true;
    // Set just before the window draws a per-key chart itself: the chart then arranges the
    // bands for the page instead of clicking.
    bool calledByWindow = false;
    // Another student's file was loaded for viewing; closing the window then advises a restart.
    bool namesSwitched = false;

    // Each page shows its own pair of charts in front.
    void arrangeFor(ChartsPage page) {
        topOverallInFront = page == ChartsPage::OverallStatistics;
        middleOverallInFront = topOverallInFront;
    }
    ChartKind topChartInFront() const {
        return topOverallInFront ? ChartKind::OverallAccuracy : ChartKind::KeyAccuracy;
    }
    ChartKind middleChartInFront() const {
        return middleOverallInFront ? ChartKind::AdjustedWpm : ChartKind::KeySpeed;
    }
};

// The shift-key error counts belong to the lessons and are shown with them only.
constexpr bool showsShiftErrors(Section section) {
    return section == Section::Lessons;
}

} // namespace kf
