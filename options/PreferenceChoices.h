// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ActivityState.h"
#include "options/OptionGroups.h"

#include <QRgb>
#include <QString>
#include <cstddef>

namespace kf {

class StudentRecord;

// What the Preferences window's controls other than the plain groups (OptionGroups) read from and
// write into the student record, and the page it opens on. The window only shows and forwards.

// The page for the activity that opened the window: the drill's own page while a drill runs.
OptionsPage pageForActivity(ActivityCode activity);

// A hand-delay box: the item showing what the field holds, and the choice of an item by its
// English text, which returns the item to show afterwards ("1 second delay" for a text that fits
// none).
int shownHandDelay(const StudentRecord& record, std::size_t offset);
int storeHandDelay(const QString& text, std::size_t offset, StudentRecord& record);

// An up-down: its range, the field it writes, and whether the student file is written at once.
struct NumberSetting {
    const char* name; // the control's object name
    int minimum;
    int maximum;
    std::size_t offset;
    bool saveAtOnce;
};
const NumberSetting& numberSetting(const char* name);
int storedNumber(const NumberSetting& setting, const StudentRecord& record);
void storeNumber(const NumberSetting& setting, int value, StudentRecord& record);

// "Hand Color": the colour shown in the colour dialog, and the ones stored.
QRgb handColour(const StudentRecord& record);
void storeHandColour(QRgb colour, StudentRecord& record);
void restoreDefaultHandColour(StudentRecord& record);

// The timed tests' "Backspace" and "Font" pairs.
bool timedBackspaceAllowed(const StudentRecord& record);
void storeTimedBackspace(bool allowed, StudentRecord& record);
bool timedFontIsRoman(const StudentRecord& record);
bool timedFontIsLarge(const StudentRecord& record);
// What choosing a timed-test font leaves for the "Font Size" pair.
struct TimedFontSize {
    bool forcedSmall; // "Small" is checked and the large-font field cleared
    bool largeOffered;
};
TimedFontSize storeTimedFont(bool roman, StudentRecord& record);

// The hand delay the drill window takes when the window closes during a drill.
int beginnersHandDelay(const StudentRecord& record);

} // namespace kf
