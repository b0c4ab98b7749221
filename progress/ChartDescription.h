// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ColourValue.h"

#include <QList>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>

namespace kf {

// The four charts of the statistics window.
enum class ChartKind : std::uint8_t { KeyAccuracy, OverallAccuracy, KeySpeed, AdjustedWpm };

// Bars of one group share one colour.
enum class BarGroup : std::uint8_t { Red, Green, Blue, Purple };

// The standard red, green, blue and purple, as the stored 0x00BBGGRR colour values.
constexpr QRgb barColour(BarGroup group) {
    constexpr std::array<std::int64_t, 4> kColourValues = {0x0000FF, 0x008000, 0xFF0000, 0x800080};
    return rgbOfColourValue(kColourValues[static_cast<std::size_t>(group)]);
}

// What is fixed about a chart whatever it shows: the left axis never rescales.
struct ChartStyle {
    const char* axisTitle; // English, shown in the interface language (context "Charts")
    double axisMinimum;
    double axisMaximum;
    bool valueMarks;  // each bar carries its value
    int depthPercent; // the depth of the 3-D view
    int elevation;    // degrees; 345 looks down at 45 degrees, higher values look flatter
};

inline constexpr int kDefaultDepthPercent = 15;
inline constexpr int kDefaultElevation = 345;

constexpr ChartStyle chartStyle(ChartKind kind) {
    constexpr std::array<ChartStyle, 4> kStyles = {{
        {QT_TRANSLATE_NOOP("Charts", "Percent"), 0.0, 100.0, false, 12, kDefaultElevation},
        {QT_TRANSLATE_NOOP("Charts", "Percent"), 0.0, 100.0, true, kDefaultDepthPercent,
         kDefaultElevation},
        {QT_TRANSLATE_NOOP("Charts", "Seconds"), 0.0, 3.0, false, 12, kDefaultElevation},
        {QT_TRANSLATE_NOOP("Charts", "WPM"), 0.0, 150.0, true, 12, 351},
    }};
    return kStyles[static_cast<std::size_t>(kind)];
}

struct ChartBar {
    QString label; // may be empty
    double value = 0;
    BarGroup group = BarGroup::Red;

    friend bool operator==(const ChartBar&, const ChartBar&) = default;
};

// One chart as the window draws it: title lines (the title split at carriage returns), the
// fixed style of its kind and its bars from left to right.
struct ChartDescription {
    ChartKind kind = ChartKind::KeyAccuracy;
    QStringList titleLines;
    QList<ChartBar> bars;

    ChartStyle style() const { return chartStyle(kind); }
};

} // namespace kf
