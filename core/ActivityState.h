// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace kf {

// What the main window has dispatched to.
enum class ActivityCode : std::uint8_t {
    MainWindow = 0,
    BeginnersDrills = 2,
};

// The entries of the "&Beginners Drills" menu, in menu order.
enum class DrillKind : std::uint8_t {
    HomeRowOnly,
    TopRowOnly,
    BottomRowOnly,
    HomeAndTopRows,
    HomeAndBottomRows,
    AllThreeRows,
    AllAndCommonPunctuation,
    NumbersOnly,
    SymbolsOnly,
    DoEverything,
    ChooseYourOwnKeys,
};
inline constexpr int kDrillKindCount = 11;

struct ActivityState {
    ActivityCode activity = ActivityCode::MainWindow;
    // One flag per drill kind; exactly one is 1 while a drill window runs.
    std::array<std::uint8_t, kDrillKindCount> drillKindFlags{};
    // 1 when the screen runs at 108 dots per inch or more: smaller fonts are chosen then.
    bool largeFont = false;

    void selectDrill(DrillKind kind) {
        drillKindFlags.fill(0);
        drillKindFlags[static_cast<std::size_t>(kind)] = 1;
    }
    // The drill kind whose flag is set; Home Row Only when none is.
    DrillKind drillKind() const {
        for (std::size_t i = 0; i < drillKindFlags.size(); ++i)
            if (drillKindFlags[i] != 0)
                return static_cast<DrillKind>(i);
        return DrillKind::HomeRowOnly;
    }
};

// The large-font flag for a screen's dots per inch.
constexpr bool isLargeFontScreen(double dotsPerInch) {
    return dotsPerInch >= 108.0;
}

} // namespace kf
