// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/PreferenceChoices.h"

#include "core/ColourValue.h"
#include "options/HandDelay.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <cstdint>
#include <cstring>

namespace kf {

namespace {

using namespace layout;

// Activities this build does not offer keep their codes, so a record or a caller from elsewhere
// still finds their page.
constexpr auto kLessons = ActivityCode{1};
constexpr auto kIntermediateDrills = ActivityCode{3};
constexpr auto kAdvancedDrills = ActivityCode{4};
constexpr auto kLetterGame = ActivityCode{5};
constexpr auto kTimedTests = ActivityCode{9};

struct PageOfActivity {
    ActivityCode activity;
    OptionsPage page;
};

constexpr PageOfActivity kPagesOfActivities[] = {
    {ActivityCode::MainWindow, OptionsPage::GlobalOptions},
    {kLessons, OptionsPage::Lessons},
    {ActivityCode::BeginnersDrills, OptionsPage::BeginnersIntermediate},
    {kIntermediateDrills, OptionsPage::BeginnersIntermediate},
    {kAdvancedDrills, OptionsPage::AdvancedKeyfarer},
    {kLetterGame, OptionsPage::AdvancedKeyfarer},
    {kTimedTests, OptionsPage::TimedTests},
};

constexpr NumberSetting kNumberSettings[] = {
    {"UpDown1", 3, 7, kLessonsTurns, true},
    {"UpDown2", 15, 60, kLessonsWpmGoal, true},
    {"UpDown3", 1, 15, kTimedMinutes, false},
};

constexpr std::size_t kFontNameLength = 40;
const QByteArray kRoman = QByteArrayLiteral("Times New Roman");
const QByteArray kArial = QByteArrayLiteral("Arial");

} // namespace

OptionsPage pageForActivity(ActivityCode activity) {
    for (const PageOfActivity& entry : kPagesOfActivities) {
        if (entry.activity == activity)
            return entry.page;
    }
    return OptionsPage::GlobalOptions;
}

int shownHandDelay(const StudentRecord& record, std::size_t offset) {
    return handDelayIndexOfMilliseconds(record.i32(offset));
}

int storeHandDelay(const QString& text, std::size_t offset, StudentRecord& record) {
    const int index = handDelayIndexOfText(text);
    record.setI32(offset, kHandDelays[static_cast<std::size_t>(index)].milliseconds);
    return index;
}

const NumberSetting& numberSetting(const char* name) {
    for (const NumberSetting& setting : kNumberSettings) {
        if (std::strcmp(setting.name, name) == 0)
            return setting;
    }
    Q_UNREACHABLE();
}

int storedNumber(const NumberSetting& setting, const StudentRecord& record) {
    return record.i32(setting.offset);
}

void storeNumber(const NumberSetting& setting, int value, StudentRecord& record) {
    record.setI32(setting.offset, value);
}

QRgb handColour(const StudentRecord& record) {
    return rgbOfColourValue(record.i32(kHandColour));
}

void storeHandColour(QRgb colour, StudentRecord& record) {
    record.setI32(kHandColour, colourValueOfRgb(colour));
}

void restoreDefaultHandColour(StudentRecord& record) {
    record.setI32(kHandColour, kDefaultHandColour);
}

bool timedBackspaceAllowed(const StudentRecord& record) {
    return record.flag(kTimedBackspace);
}

void storeTimedBackspace(bool allowed, StudentRecord& record) {
    record.setByte(kTimedBackspace, allowed ? 1 : 0);
}

bool timedFontIsRoman(const StudentRecord& record) {
    return record.shortString(kTimedFontName, kFontNameLength) == kRoman;
}

bool timedFontIsLarge(const StudentRecord& record) {
    return record.flag(kTimedLargeFont);
}

TimedFontSize storeTimedFont(bool roman, StudentRecord& record) {
    record.setShortString(kTimedFontName, kFontNameLength, roman ? kRoman : kArial);
    if (!roman)
        return {false, true};
    // Some screens cannot show the large Roman letters: the record says so.
    if (!record.flag(kTimedForceSmall))
        return {false, true};
    record.setByte(kTimedLargeFont, 0);
    return {true, false};
}

int beginnersHandDelay(const StudentRecord& record) {
    return record.i32(kBegHandDelay);
}

} // namespace kf
