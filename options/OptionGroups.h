// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <span>

namespace kf {

class StudentRecord;

// The pages of the Preferences window, in tab order.
enum class OptionsPage {
    GlobalOptions,
    BeginnersIntermediate,
    Lessons,
    AdvancedKeyfarer,
    TimedTests
};

// A group of choices that writes one setting of the student record: item i stores values[i]
// into every listed field. When the window opens, the item whose value is stored is selected,
// or fallbackIndex when none is.
struct OptionGroup {
    enum class Width { Byte, I32 };

    const char* name;    // the control's object name
    const char* caption; // English, shown in the interface language (context "PreferencesDialog")
    OptionsPage page;
    bool enabled;
    std::array<const char*, 5> items; // English, like the caption
    std::size_t itemCount;
    std::array<std::size_t, 3> offsets;
    std::size_t offsetCount;
    Width width;
    std::array<int, 5> values;
    int fallbackIndex;
    // Some groups decide by the chosen item's text rather than its position.
    bool decidesByText;
};

// Every plain group of the window, as data.
std::span<const OptionGroup> optionGroups();
const OptionGroup* optionGroup(const char* name);

// The item to select for what the record holds.
int selectedIndex(const OptionGroup& group, const StudentRecord& record);

// Stores the choice of an item, given by its position and its English text, into the record.
void storeChoice(const OptionGroup& group, int index, const QString& text, StudentRecord& record);

// "Line Font Used" of the lessons: the font name and its size, smaller on large-font screens.
void storeLessonsFont(bool timesNewRoman, bool largeFont, StudentRecord& record);
bool lessonsFontIsTimesNewRoman(const StudentRecord& record);

} // namespace kf
