// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

namespace kf {

// The hand delays offered in the Preferences window. "No Delay" is 200 ms and "1 second delay"
// 900 ms: the hands always need a moment before they move.
struct HandDelayItem {
    const char* text; // English, shown in the interface language (context "PreferencesDialog")
    int milliseconds;
};

inline constexpr std::array<HandDelayItem, 9> kHandDelays = {{
    {QT_TRANSLATE_NOOP("PreferencesDialog", "No Delay"), 200},
    {QT_TRANSLATE_NOOP("PreferencesDialog", "1 second delay"), 900},
    {QT_TRANSLATE_NOOP("PreferencesDialog", "2 seconds delay"), 2000},
    {QT_TRANSLATE_NOOP("PreferencesDialog", "3 seconds delay"), 3000},
    {QT_TRANSLATE_NOOP("PreferencesDialog", "4 seconds delay"), 4000},
    {QT_TRANSLATE_NOOP("PreferencesDialog", "5 seconds delay"), 5000},
    {QT_TRANSLATE_NOOP("PreferencesDialog", "6 seconds delay"), 6000},
    {QT_TRANSLATE_NOOP("PreferencesDialog", "7 seconds delay"), 7000},
    {QT_TRANSLATE_NOOP("PreferencesDialog", "8 seconds delay"), 8000},
}};

// The item shown when nothing else fits: "1 second delay".
inline constexpr int kDefaultHandDelayIndex = 1;

// The item of a delay text, compared with each item in turn; "1 second delay" when none fits.
int handDelayIndexOfText(const QString& text);

// The item whose milliseconds are the stored value; "1 second delay" for any other value.
int handDelayIndexOfMilliseconds(int milliseconds);

} // namespace kf
