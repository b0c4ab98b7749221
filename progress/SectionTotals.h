// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/SectionUsage.h"

namespace kf {

class StudentRecord;

// A section's typing time, keys and errors as the record keeps them: those of the latest
// session and those of all days. Beginners Drills keep no time of the latest session.
SectionUsage::WorkingTotals latestTotals(const StudentRecord& record, Section section);
SectionUsage::WorkingTotals allDaysTotals(const StudentRecord& record, Section section);

} // namespace kf
