// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ActivityState.h"
#include "app/WorkingFolder.h"
#include "drills/DrillRows.h"
#include "drills/DrillSessionFigures.h"
#include "keyboard/CurrentKey.h"
#include "progress/SectionUsage.h"
#include "students/Roster.h"
#include "students/StudentRecord.h"

#include <QString>

namespace kf {

// The state the windows share for the whole run. main() owns the one instance and hands it to
// each window by reference; tests build their own. Each part is defined by the module that owns
// it; this struct only holds them together.
struct Globals {
    explicit Globals(QString workingFolder)
        : folder(std::move(workingFolder)) {}

    WorkingFolder folder;
    StudentRecord record;
    QString currentUserName; // empty until a user is chosen in this run
    ActivityState activity;
    int soundDeviceCount = 0;
    bool soundDevice = false;
    DrillSessionFigures drillSession; // the drill engine's working figures of this session
    CurrentKey currentKey;            // the drill's target, filled by the next-key chooser
    SectionUsage sectionUsage;        // sections scored in this session, for the roll-over
    DrillRowsHidden drillRows;        // rows of the drill window the student hid, for the run

    QString studentFilePath() const { return kf::studentFilePath(folder, currentUserName); }
};

} // namespace kf
