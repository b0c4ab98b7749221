// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/DrillContext.h"
#include "students/StudentContext.h"

namespace kf {

struct CurrentKey;
struct DrillRowsHidden;
struct KeyboardPictureHistory;

// The parts of the program's state the drill window works on, each owned by the program.
struct DrillWindowState {
    StudentContext student;
    CurrentKey& currentKey;      // the target, shared with the keyboard picture's marks
    DrillRowsHidden& rowsHidden; // rows the student hid, kept for the whole run
    KeyboardPictureHistory& keyboardPicture;

    DrillContext drillContext() const {
        return {student.record, student.session,      student.currentUserName, student.activity,
                currentKey,     student.drillSession, student.sectionUsage,    rowsHidden,
                student.folder, student.soundDevice};
    }
};

} // namespace kf
