// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace kf {

// The seven program sections whose figures the student record keeps, in the order of the
// section-used flags. Only Beginners Drills runs in this build; the others keep their place.
enum class ProgramSection : std::uint8_t {
    Lessons,
    BeginnersDrills,
    IntermediateDrills,
    AdvancedDrills,
    LetterGame,
    TenLineTests,
    TimedTests,
};
inline constexpr int kProgramSectionCount = 7;

// Where a section keeps its figures in the student record (fixed-point totals and 8 x i32
// histories). Beginners Drills keeps no typing time per session and no words per minute.
struct SectionFields {
    bool hasWpm = false;
    std::size_t latestSeconds = 0; // unused without WPM
    std::size_t latestKeys = 0;
    std::size_t latestErrors = 0;
    std::size_t allDaysSeconds = 0;
    std::size_t allDaysKeys = 0;
    std::size_t allDaysErrors = 0;
    std::size_t percentHistory = 0;
    std::size_t adjustedWpmHistory = 0; // unused without WPM
    std::size_t wpmHistory = 0;         // unused without WPM
};

SectionFields sectionFields(ProgramSection section);

// The value the charts' and the report's section selectors use for a section (999 for
// Lessons, 0 for Beginners Drills, otherwise the section's number), and back.
int selectorValue(ProgramSection section);
std::optional<ProgramSection> sectionOfSelector(int selector);

} // namespace kf
