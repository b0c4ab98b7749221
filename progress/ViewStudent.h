// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kf {

class StudentRecord;
class SectionUsage;
class WorkingFolder;
struct DrillSessionFigures;

// The parts of the shared state that viewing another student's file replaces or clears.
struct StudentSession {
    StudentRecord& record;
    QString& currentUserName;
    DrillSessionFigures& drillSession;
    SectionUsage& sectionUsage;
    const WorkingFolder& folder;
};

// A user name taken from a list of names is cut to this length.
inline constexpr qsizetype kLongestViewedName = 45;

struct ViewedStudent {
    enum class Status {
        NothingSelected, // no name chosen: nothing changed
        Loaded,          // the name is current and its record is in memory
        FileMissing,     // the name is current; its file has gone, the record stayed
        Unreadable,      // the file is short or cannot be read: nothing changed
    };
    Status status = Status::NothingSelected;
    // The name chosen was already the current one: the student did not switch to anybody else.
    bool sameName = false;
    QString message; // Unreadable: why, for the user

    bool nameTaken() const { return status == Status::Loaded || status == Status::FileMissing; }
};

// Makes the chosen name the current user name for viewing its figures, without a roll-over and
// without writing the record back: the session's working figures of every section are dropped
// first, since they belong to the student who typed them, and the chosen student's file is read
// over the record in memory.
//
// The chosen student has not typed in this session, so the sections used so far are forgotten
// as well; otherwise the next roll-over would give the viewed student a history entry for a
// session that was not theirs. Taking the current name again keeps them: the session goes on.
//
// A file that is there but holds no whole record is checked first and changes nothing at all.
ViewedStudent viewStudent(StudentSession session, const QString& chosenName);

} // namespace kf
