// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"
#include "students/RecordLayout.h"
#include "students/SectionUsage.h"

#include <array>
#include <cstdint>

namespace kf {

class StudentRecord;

// The figures a student's record yields, each computed here and only here: the summary report,
// the charts and the class overview all ask these functions, so they cannot disagree.

// Whether the latest session's or all days' counts of a section are damaged: figures that no
// real typing reaches. Their percentages and speeds below are then 0, and shown as damaged.
bool latestDamaged(const StudentRecord& record, Section section);
bool allDaysDamaged(const StudentRecord& record, Section section);

// Whole percent of keys typed correctly in the latest session, and over all days; 0 without keys.
std::int32_t accuracyLatest(const StudentRecord& record, Section section);
std::int32_t accuracyAllDays(const StudentRecord& record, Section section);

// Adjusted words per minute of the latest session, and over all days; 0 without time or keys.
// Beginners Drills count no words: always 0 there.
std::int32_t adjustedWpmLatest(const StudentRecord& record, Section section);
std::int32_t adjustedWpmAllDays(const StudentRecord& record, Section section);

// Whether a section that counts words holds any figure of its own: time, keys or errors of the
// latest session or of all days.
bool holdsWordFigures(const StudentRecord& record, Section section);

// Keys typed in Beginners Drills over all days, as a whole number.
std::int64_t drillKeysAllDays(const StudentRecord& record);

// The slowest key of the latest drill session as the drill engine recorded it; 0 for none.
AnsiChar slowestLetterOfSession(const StudentRecord& record);

// The best drill set time in whole seconds.
std::int32_t bestSetTime(const StudentRecord& record);

// An eight-session history of a section, element 0 the latest session.
using SessionHistory = std::array<std::int32_t, layout::kHistoryLength>;
SessionHistory percentCorrectHistory(const StudentRecord& record, Section section);
SessionHistory adjustedWpmHistory(const StudentRecord& record, Section section);

// How many sessions a history holds: the roll-over fills it from the front, so the entries past
// the oldest non-zero one were never filled. A session that scored 0 at the very end of the
// history cannot be told from an empty place and is not counted.
int sessionsRecorded(const SessionHistory& history);

} // namespace kf
