// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ProgramSection.h"

#include "students/RecordLayout.h"

#include <array>

namespace kf {

using namespace layout;

namespace {

// A section with words per minute keeps everything in its block of the record.
constexpr SectionFields wpmSectionFields(std::size_t block) {
    return {
        .hasWpm = true,
        .latestSeconds = block + section::kSessionSeconds,
        .latestKeys = block + section::kSessionKeys,
        .latestErrors = block + section::kSessionErrors,
        .allDaysSeconds = block + section::kSeconds,
        .allDaysKeys = block + section::kKeys,
        .allDaysErrors = block + section::kErrors,
        .percentHistory = block + section::kPercentHistory,
        .adjustedWpmHistory = block + section::kAdjustedWpmHistory,
        .wpmHistory = block + section::kWpmHistory,
    };
}

constexpr SectionFields kBeginnersFields = {
    .hasWpm = false,
    .latestKeys = kBegSessionKeys,
    .latestErrors = kBegSessionMisses,
    .allDaysSeconds = kBegSeconds,
    .allDaysKeys = kBegKeysTotal,
    .allDaysErrors = kBegMissesTotal,
    .percentHistory = kBegPercentHistory,
};

struct SectionRow {
    int selector;
    SectionFields fields;
};

// In ProgramSection order.
constexpr std::array<SectionRow, kProgramSectionCount> kSections = {{
    {999, wpmSectionFields(kSectionBlocks[0])},
    {0, kBeginnersFields},
    {2, wpmSectionFields(kSectionBlocks[1])},
    {3, wpmSectionFields(kSectionBlocks[2])},
    {4, wpmSectionFields(kSectionBlocks[3])},
    {5, wpmSectionFields(kSectionBlocks[4])},
    {6, wpmSectionFields(kSectionBlocks[5])},
}};

const SectionRow& rowOf(ProgramSection section) {
    return kSections.at(static_cast<std::size_t>(section));
}

} // namespace

SectionFields sectionFields(ProgramSection section) {
    return rowOf(section).fields;
}

int selectorValue(ProgramSection section) {
    return rowOf(section).selector;
}

std::optional<ProgramSection> sectionOfSelector(int selector) {
    for (std::size_t i = 0; i < kSections.size(); ++i)
        if (kSections[i].selector == selector)
            return static_cast<ProgramSection>(i);
    return std::nullopt;
}

} // namespace kf
