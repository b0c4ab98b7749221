// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/ChartDescription.h"
#include "progress/KeyCharts.h"
#include "progress/SectionUsage.h"

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

// The shift-key error counts belong to the lessons: a refresh of the first page shows them with
// the lessons only.
constexpr bool showsShiftErrors(Section section) {
    return section == Section::Lessons;
}

// Opening the switch-user panel, or choosing another key-chart section, shows them for every
// section but Beginners Drills, and hides them for that one.
constexpr bool shiftErrorsShownForKeySection(Section keySection) {
    return keySection != Section::BeginnersDrills;
}

// After viewing another student from the switch-user panel they stay shown unless the first
// page shows Beginners Drills.
constexpr bool shiftErrorsShownAfterSwitch(Section keySection, ChartsPage page) {
    return shiftErrorsShownForKeySection(keySection) || page != ChartsPage::IndividualKeyCharts;
}

// Viewing another student from the report shows them, before its refresh, for today's figures.
constexpr bool shiftErrorsShownAfterReportView(KeyPeriod keyPeriod) {
    return keyPeriod == KeyPeriod::TodayOrLast;
}

} // namespace kf
