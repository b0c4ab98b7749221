// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ShiftErrorsDisplay.h"

namespace kf {

ShiftErrorsDisplay shiftErrorsDisplay(ShiftErrorsMoment moment, Section keySection, ChartsPage page,
                                      KeyPeriod keyPeriod) {
    using M = ShiftErrorsMoment;
    const bool lessons = showsShiftErrors(keySection);
    const bool keyPage = page == ChartsPage::IndividualKeyCharts;
    const bool beginners = keySection == Section::BeginnersDrills;
    // On the per-key page the figures show with the lessons, read again.
    const ShiftErrorsDisplay forSection{lessons, lessons};
    // Drawing the per-key accuracy hides them for any other section.
    const ShiftErrorsDisplay accuracyDrawn =
        lessons ? ShiftErrorsDisplay{} : ShiftErrorsDisplay{false, false};

    switch (moment) {
    case M::KeyAccuracyDrawn:
        return accuracyDrawn;
    case M::ChartsRedrawn:
        return keyPage ? forSection : accuracyDrawn;
    case M::PageChanged:
        return keyPage ? forSection : ShiftErrorsDisplay{};
    case M::KeySectionChosen:
        return keyPage ? forSection : ShiftErrorsDisplay{lessons, false};
    case M::SwitchUserOpened:
        return {!beginners, false};
    case M::ViewedFromSwitchUser: {
        const bool shown = !beginners || !keyPage;
        return {shown, shown};
    }
    case M::ViewedFromReport:
        if (keyPeriod == KeyPeriod::TodayOrLast)
            return {lessons, true};
        return keyPage ? forSection : accuracyDrawn;
    }
    return {};
}

} // namespace kf
