// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kf {

class StudentRecord;
class StudentSession;
class WorkingFolder;
struct ActivityState;
struct CurrentKey;
struct DrillRowsHidden;
struct DrillSessionFigures;
class SectionUsage;

// The parts of the program's state a drill reads and books into, each owned elsewhere and
// living longer than the drill.
struct DrillContext {
    StudentRecord& record;
    StudentSession& session; // writes the record at a set's end
    const QString& studentName;
    const ActivityState& activity; // which drill kind was chosen
    CurrentKey& currentKey;        // the target, shared with the keyboard picture's marks
    DrillSessionFigures& figures;
    SectionUsage& sectionUsage;
    DrillRowsHidden& rowsHidden; // kept for the whole run, not per drill
    const WorkingFolder& folder; // the sound files
    const bool& soundDevice;
};

} // namespace kf
