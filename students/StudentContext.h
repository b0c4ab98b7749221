// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ActivityState.h"
#include "core/WorkingFolder.h"
#include "platform/EventSounds.h"
#include "students/DrillSessionFigures.h"
#include "students/SectionUsage.h"
#include "students/StudentRecord.h"
#include "students/StudentSession.h"

#include <QString>

namespace kf {

// The current student's state in this run, as the windows of the drills, Preferences and the
// statistics work on it. Each part is owned by the program and lives longer than any window.
struct StudentContext {
    StudentRecord& record;
    StudentSession& session; // every change of student and every write of the record
    const QString& currentUserName;
    const ActivityState& activity;
    DrillSessionFigures& drillSession; // the drill engine's working figures of this session
    SectionUsage& sectionUsage;        // sections scored in this session, for the roll-over
    const WorkingFolder& folder;
    const bool& soundDevice;

    // What decides whether a sound is heard.
    SoundSettings soundSettings() const { return {record, folder, soundDevice}; }
};

} // namespace kf
