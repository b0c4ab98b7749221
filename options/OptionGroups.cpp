// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/OptionGroups.h"

#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <QtGlobal>
#include <cstring>

namespace kf {

namespace {

using namespace layout;
using W = OptionGroup::Width;
using P = OptionsPage;

constexpr OptionGroup kGroups[] = {
    {"RadioGroup8",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Border Color"),
     P::GlobalOptions,
     true,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "Green"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Blue"), QT_TRANSLATE_NOOP("PreferencesDialog", "Red"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Purple"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Brown")},
     5,
     {kColourScheme},
     1,
     W::Byte,
     {0, 1, 2, 3, 4},
     0,
     true},
    {"RadioGroup1",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Sound"),
     P::GlobalOptions,
     true,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "Sound On"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Sound Off")},
     2,
     {kSoundOn},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup5",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Key Tap Sound"),
     P::GlobalOptions,
     true,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "Key Tap On"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Key Tap Off")},
     2,
     {kKeyTap},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup2",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Beep On Error"),
     P::GlobalOptions,
     true,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "Beep On"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Beep Off")},
     2,
     {kBeepOnError},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup9",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Characters On Keyboard"),
     P::GlobalOptions,
     true,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "See all Keys"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Hide all Keys")},
     2,
     {kCharactersShown},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    // The pen width of all three activities changes together; the lessons' value is shown.
    {"RadioGroup3",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Hand Thickness"),
     P::GlobalOptions,
     true,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "One Line"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Two Lines")},
     2,
     {kLessonsHandPen, kBegHandPen, kIntHandPen},
     3,
     W::I32,
     {1, 2},
     1,
     true},
    {"RadioGroup4",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Add Enter Key (Beginners)"),
     P::BeginnersIntermediate,
     true,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "Add Enter Key"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "No Enter Key")},
     2,
     {kBegAddEnter},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup10",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Add Enter Key (Intermediate)"),
     P::BeginnersIntermediate,
     false,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "Add Enter Key"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "No Enter Key")},
     2,
     {kIntAddEnter},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup7",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Line Font Style"),
     P::Lessons,
     false,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "Bold Font"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Regular Font")},
     2,
     {kLessonsBold},
     1,
     W::Byte,
     {1, 0},
     1,
     true},
    {"RadioGroup11",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Add Enter Key (Advanced)"),
     P::AdvancedKeyfarer,
     false,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "Add Enter Key"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "No Enter Key")},
     2,
     {kAdvAddEnter},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup14",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Font Style (Advanced)"),
     P::AdvancedKeyfarer,
     false,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "Bold Fonts"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Regular Fonts")},
     2,
     {kAdvBold},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup12",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Lines (Keyfarer) "),
     P::AdvancedKeyfarer,
     false,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "See lines ahead"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Hide lines ahead")},
     2,
     {kGameShowLinesAhead},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup13",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Pointer (Keyfarer)"),
     P::AdvancedKeyfarer,
     false,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "See pointer above lines"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Hide pointer above lines")},
     2,
     {kGameShowPointer},
     1,
     W::Byte,
     {1, 0},
     1,
     false},
    {"RadioGroup15",
     QT_TRANSLATE_NOOP("PreferencesDialog", "Font Style (Keyfarer)"),
     P::AdvancedKeyfarer,
     false,
     {QT_TRANSLATE_NOOP("PreferencesDialog", "Bold Fonts"),
      QT_TRANSLATE_NOOP("PreferencesDialog", "Regular Fonts")},
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
