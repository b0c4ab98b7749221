// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/OptionGroups.h"

#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <cstring>

namespace kf {

namespace {

using namespace layout;
using W = OptionGroup::Width;
using P = OptionsPage;

constexpr OptionGroup kGroups[] = {
    {"RadioGroup8",
     "Border Color",
     P::GlobalOptions,
     true,
     {"Green", "Blue", "Red", "Purple", "Brown"},
     5,
     {kColourScheme},
     1,
     W::Byte,
     {0, 1, 2, 3, 4},
     0,
     true},
    {"RadioGroup1",
     "Sound",
     P::GlobalOptions,
     true,
     {"Sound On", "Sound Off"},
     2,
     {kSoundOn},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup5",
     "Key Tap Sound",
     P::GlobalOptions,
     true,
     {"Key Tap On", "Key Tap Off"},
     2,
     {kKeyTap},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup2",
     "Beep On Error",
     P::GlobalOptions,
     true,
     {"Beep On", "Beep Off"},
     2,
     {kBeepOnError},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup9",
     "Characters On Keyboard",
     P::GlobalOptions,
     true,
     {"See all Keys", "Hide all Keys"},
     2,
     {kCharactersShown},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    // The pen width of all three activities changes together; the lessons' value is shown.
    {"RadioGroup3",
     "Hand Thickness",
     P::GlobalOptions,
     true,
     {"One Line", "Two Lines"},
     2,
     {kLessonsHandPen, kBegHandPen, kIntHandPen},
     3,
     W::I32,
     {1, 2},
     1,
     true},
    {"RadioGroup4",
     "Add Enter Key (Beginners)",
     P::BeginnersIntermediate,
     true,
     {"Add Enter Key", "No Enter Key"},
     2,
     {kBegAddEnter},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup10",
     "Add Enter Key (Intermediate)",
     P::BeginnersIntermediate,
     false,
     {"Add Enter Key", "No Enter Key"},
     2,
     {kIntAddEnter},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup7",
     "Line Font Style",
     P::Lessons,
     false,
     {"Bold Font", "Regular Font"},
     2,
     {kLessonsBold},
     1,
     W::Byte,
     {1, 0},
     1,
     true},
    {"RadioGroup11",
     "Add Enter Key (Advanced)",
     P::AdvancedKeyfarer,
     false,
     {"Add Enter Key", "No Enter Key"},
     2,
     {kAdvAddEnter},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup14",
     "Font Style (Advanced)",
     P::AdvancedKeyfarer,
     false,
     {"Bold Fonts", "Regular Fonts"},
     2,
     {kAdvBold},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup12",
     "Lines (Keyfarer) ",
     P::AdvancedKeyfarer,
     false,
     {"See lines ahead", "Hide lines ahead"},
     2,
     {kGameShowLinesAhead},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup13",
     "Pointer (Keyfarer)",
     P::AdvancedKeyfarer,
     false,
     {"See pointer above lines", "Hide pointer above lines"},
     2,
     {kGameShowPointer},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup15",
     "Font Style (Keyfarer)",
     P::AdvancedKeyfarer,
     false,
     {"Bold Fonts", "Regular Fonts"},
     2,
     {kGameBold},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
};

// An on/off group: one byte, "on" stores 1 and "off" 0.
bool isFlagGroup(const OptionGroup& group) {
    return group.width == W::Byte && group.itemCount == 2 && group.values[0] == 1 &&
           group.values[1] == 0;
}

int storedValue(const OptionGroup& group, const StudentRecord& record) {
    const std::size_t offset = group.offsets[0];
    // A flag byte other than 0 is on, here as everywhere the flag is read.
    if (isFlagGroup(group))
        return record.flag(offset) ? 1 : 0;
    return group.width == W::Byte ? record.byte(offset) : record.i32(offset);
}

} // namespace

std::span<const OptionGroup> optionGroups() {
    return kGroups;
}

const OptionGroup* optionGroup(const char* name) {
    for (const OptionGroup& group : kGroups) {
        if (std::strcmp(group.name, name) == 0)
            return &group;
    }
    return nullptr;
}

int selectedIndex(const OptionGroup& group, const StudentRecord& record) {
    const int stored = storedValue(group, record);
    for (std::size_t i = 0; i < group.itemCount; ++i) {
        if (group.values[i] == stored)
            return static_cast<int>(i);
    }
    return group.fallbackIndex;
}

void storeChoice(const OptionGroup& group, int index, const QString& text, StudentRecord& record) {
    int item = -1;
    if (group.decidesByText) {
        for (std::size_t i = 0; i < group.itemCount; ++i) {
            if (text == QLatin1String(group.items[i]))
                item = static_cast<int>(i);
        }
    } else if (index >= 0 && static_cast<std::size_t>(index) < group.itemCount) {
        item = index;
    }
    if (item < 0)
        return;
    const int value = group.values[static_cast<std::size_t>(item)];
    for (std::size_t i = 0; i < group.offsetCount; ++i) {
        if (group.width == W::Byte)
            record.setByte(group.offsets[i], static_cast<std::uint8_t>(value));
        else
            record.setI32(group.offsets[i], value);
    }
}

void storeLessonsFont(bool timesNewRoman, bool largeFont, StudentRecord& record) {
    if (timesNewRoman) {
        record.setShortString(kLessonsFontName, 40, QByteArrayLiteral("Times New Roman"));
        record.setI32(kLessonsFontSize, largeFont ? 12 : 14);
    } else {
        record.setShortString(kLessonsFontName, 40, QByteArrayLiteral("Arial"));
        record.setI32(kLessonsFontSize, largeFont ? 10 : 13);
    }
}

bool lessonsFontIsTimesNewRoman(const StudentRecord& record) {
    return record.shortString(kLessonsFontName, 40) == QByteArrayLiteral("Times New Roman");
}

} // namespace kf
