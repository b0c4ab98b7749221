// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/SectionTotals.h"

#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <array>
#include <optional>

namespace kf {

namespace {

using namespace layout;

struct TotalsFields {
    std::optional<std::size_t> seconds;
    std::size_t keys;
    std::size_t errors;
};

struct SectionTotalsFields {
    TotalsFields latest;
    TotalsFields allDays;
};

constexpr SectionTotalsFields inBlock(std::size_t block) {
    return {{block + section::kSessionSeconds, block + section::kSessionKeys,
             block + section::kSessionErrors},
            {block + section::kSeconds, block + section::kKeys, block + section::kErrors}};
}

// In section order; the sections that count words own the six section blocks in order.
constexpr std::array<SectionTotalsFields, kSectionCount> kFields = {{
    inBlock(kSectionBlocks[0]),
    {{std::nullopt, kBegSessionKeys, kBegSessionMisses},
     {kBegSeconds, kBegKeysTotal, kBegMissesTotal}},
    inBlock(kSectionBlocks[1]),
    inBlock(kSectionBlocks[2]),
    inBlock(kSectionBlocks[3]),
    inBlock(kSectionBlocks[4]),
    inBlock(kSectionBlocks[5]),
}};

SectionUsage::WorkingTotals read(const StudentRecord& record, const TotalsFields& fields) {
    return {fields.seconds ? record.i64(*fields.seconds) : 0, record.i64(fields.keys),
            record.i64(fields.errors)};
}

const SectionTotalsFields& fieldsOf(Section section) {
    return kFields.at(static_cast<std::size_t>(section));
}

} // namespace

SectionUsage::WorkingTotals latestTotals(const StudentRecord& record, Section section) {
    return read(record, fieldsOf(section).latest);
}

SectionUsage::WorkingTotals allDaysTotals(const StudentRecord& record, Section section) {
    return read(record, fieldsOf(section).allDays);
}

} // namespace kf
