// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kf {

// The program sections whose statistics the student record keeps, in the order of the
// section-used flags and of the daily roll-over. Only Beginners Drills runs in this build.
enum class Section : std::uint8_t {
    Lessons = 0,
    BeginnersDrills = 1,
    IntermediateDrills = 2,
    AdvancedDrills = 3,
    LetterGame = 4,
    TenLineTests = 5,
    TimedTests = 6,
};
inline constexpr std::size_t kSectionCount = 7;

// Which sections were scored in this session, and what the sections that count words per
// minute typed in it. Session state: none of it is in the student record.
class SectionUsage {
public:
    // Seconds, keys typed and errors of a section in this session, as fixed-point figures.
    // Beginners Drills keeps its own in the drill engine and the record instead.
    struct WorkingTotals {
        std::int64_t seconds = 0;
        std::int64_t keys = 0;
        std::int64_t errors = 0;
    };

    bool used(Section s) const { return m_used[index(s)] != 0; }
    void markUsed(Section s) { m_used[index(s)] = 1; }

    const WorkingTotals& totals(Section s) const { return m_totals[index(s)]; }
    WorkingTotals& totals(Section s) { return m_totals[index(s)]; }

    // A user's session begins. The totals go with the flags: a section's figures belong to the
    // session they were typed in, and must not reach the next user's history when that section
    // is used again.
    void beginSession() {
        m_used.fill(0);
        m_totals.fill({});
    }

private:
    static constexpr std::size_t index(Section s) { return static_cast<std::size_t>(s); }

    std::array<std::uint8_t, kSectionCount> m_used{};
    std::array<WorkingTotals, kSectionCount> m_totals{};
};

} // namespace kf
