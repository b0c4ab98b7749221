// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Byte offsets of the student record. The record is one fixed block of 110,824 bytes; every
// number is little-endian. Offsets not named here pass through load and save untouched.
namespace kf::layout {

inline constexpr std::size_t kRecordSize = 110824;

// A per-key array: 200 fixed-point figures indexed by statistics index 1..108 (element s at
// (s - 1) * 8); elements past 108 stay zero.
inline constexpr std::size_t kPerKeyCount = 200;
inline constexpr std::size_t kPerKeyBytes = kPerKeyCount * 8;
// Histories of the last eight sessions: eight i32, element 0 the latest.
inline constexpr std::size_t kHistoryLength = 8;

inline constexpr std::size_t kTextField = 0; // string[40], only cleared at creation
inline constexpr std::size_t kNationality = 41;
inline constexpr std::size_t kColourScheme = 42;

// Lessons
inline constexpr std::size_t kLessonsLastLesson = 44;
inline constexpr std::size_t kLessonsHandDelay = 48;
inline constexpr std::size_t kLessonsHandPen = 52;
inline constexpr std::size_t kLessonsFontName = 56; // string[40]
inline constexpr std::size_t kLessonsBold = 97;
inline constexpr std::size_t kLessonsFontSize = 100;
inline constexpr std::size_t kLessonsRightShiftErrors = 13048;
inline constexpr std::size_t kLessonsLeftShiftErrors = 13052;
inline constexpr std::size_t kLessonsTurns = 13056;
inline constexpr std::size_t kLessonsChosen = 13060;
inline constexpr std::size_t kLessonsWpmGoal = 13064;

// Beginners Drills block
inline constexpr std::size_t kBegSeconds = 13088;
inline constexpr std::size_t kBegKeysTotal = 13096;
inline constexpr std::size_t kBegMissesTotal = 13104;
inline constexpr std::size_t kBegSecondsCopy = 13112;
inline constexpr std::size_t kBegSessionKeys = 13120;
inline constexpr std::size_t kBegSessionMisses = 13128;
inline constexpr std::size_t kBegSessionAccuracy = 13136;   // per-key
inline constexpr std::size_t kBegSessionAvgSeconds = 17936; // per-key
inline constexpr std::size_t kBegAccuracy = 22736;          // per-key
inline constexpr std::size_t kBegPresented = 24336;         // per-key
inline constexpr std::size_t kBegCorrect = 25936;           // per-key
inline constexpr std::size_t kBegAvgSeconds = 27536;        // per-key
inline constexpr std::size_t kBegTicks = 29136;             // per-key
inline constexpr std::size_t kBegTimedPresses = 30736;      // per-key
inline constexpr std::size_t kBegLeftHandCapitalMisses = 32336;
inline constexpr std::size_t kBegRightHandCapitalMisses = 32340;
inline constexpr std::size_t kBegPercentHistory = 32344; // 8 x i32
inline constexpr std::size_t kBegSpareHistory = 32376;
inline constexpr std::size_t kBegSpareHistoryCopy = 32408;
inline constexpr std::size_t kBegBlockEnd = 32440;

// Offsets that no window reads are not named: a new record's defaults list them by number
// (StudentRecord.cpp), and load and save pass them through like any other byte.
inline constexpr std::size_t kBegAddEnter = 32452;
inline constexpr std::size_t kBegPauseOnMiss = 32453;
inline constexpr std::size_t kBegHandPen = 32456;
inline constexpr std::size_t kBegHandDelay = 32464;
inline constexpr std::size_t kBegSlowestKey = 32468;
inline constexpr std::size_t kBegSlowestKeyCopy = 32469;
inline constexpr std::size_t kBegBestTime = 32472;
inline constexpr std::size_t kBegBestTimeBeaten = 32476;

// Intermediate Drills
inline constexpr std::size_t kIntHandPen = 32484;
inline constexpr std::size_t kIntAddEnter = 32488;
inline constexpr std::size_t kIntHandDelay = 32492;
inline constexpr std::size_t kIntFontName = 32496; // string[40]
inline constexpr std::size_t kIntBold = 32537;
inline constexpr std::size_t kIntFontSize = 32540;

inline constexpr std::size_t kAdvAddEnter = 45532;
inline constexpr std::size_t kAdvBold = 45581;
inline constexpr std::size_t kGameBold = 58629;
inline constexpr std::size_t kGameShowLinesAhead = 71632;
inline constexpr std::size_t kGameShowPointer = 71633;

// Timed Tests
inline constexpr std::size_t kTimedForceSmall = 84600;
inline constexpr std::size_t kTimedFontName = 84601; // string[40]
inline constexpr std::size_t kTimedLargeFont = 84642;
inline constexpr std::size_t kTimedBackspace = 84643;
inline constexpr std::size_t kTimedMinutes = 97600;

// Sound and display
inline constexpr std::size_t kSoundOn = 97606;
inline constexpr std::size_t kBeepOnError = 97607;
inline constexpr std::size_t kKeyTap = 97608;
inline constexpr std::size_t kCharactersShown = 97609;
inline constexpr std::size_t kHandColour = 97612;
// The hands of a new record: red 61, green 99, blue 90, stored as 0x00BBGGRR.
inline constexpr std::int32_t kDefaultHandColour = 0x005A633D;

// Section blocks: Lessons, Intermediate, Advanced, letter game, ten-line test, timed test.
inline constexpr std::size_t kSectionBlockSize = 12944;
inline constexpr std::array<std::size_t, 6> kSectionBlocks = {104,   32544, 45592,
                                                              58640, 71648, 84648};

// Offsets inside a section block.
namespace section {
inline constexpr std::size_t kAccuracy = 0; // per-key
inline constexpr std::size_t kSeconds = 4800;
inline constexpr std::size_t kKeys = 4808;
inline constexpr std::size_t kErrors = 4816;
inline constexpr std::size_t kPercentHistory = 9624;     // 8 x i32
inline constexpr std::size_t kAdjustedWpmHistory = 9656; // 8 x i32
inline constexpr std::size_t kWpmHistory = 9688;         // 8 x i32
inline constexpr std::size_t kSessionAccuracy = 9720;    // per-key
inline constexpr std::size_t kSessionSeconds = 12920;
inline constexpr std::size_t kSessionKeys = 12928;
inline constexpr std::size_t kSessionErrors = 12936;
} // namespace section

} // namespace kf::layout
