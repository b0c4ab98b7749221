// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ActivityState.h"
#include "core/WorkingFolder.h"
#include "drills/DrillContext.h"
#include "drills/DrillRows.h"
#include "drills/DrillWindowState.h"
#include "keyboard/CurrentKey.h"
#include "keyboard/KeyboardPictureFile.h"
#include "platform/EventSounds.h"
#include "students/DrillSessionFigures.h"
#include "students/FolderStudentStore.h"
#include "students/QueuedStudentStore.h"
#include "students/Roster.h"
#include "students/SectionUsage.h"
#include "students/StudentContext.h"
#include "students/StudentRecord.h"
#include "students/StudentSession.h"

#include <QString>
#include <memory>

namespace kf {

// The state the windows share for the whole run. main() owns the one instance and hands it to
// each window by reference; tests build their own. Each part is defined by the module that owns
// it; this struct only holds them together.
struct Globals {
    // The student files live in the working folder, unless a test hands in a store of its own.
    explicit Globals(QString workingFolder, std::unique_ptr<StudentStore> studentStore = nullptr)
        : folder(std::move(workingFolder))
        , store(studentStore ? std::move(studentStore)
                             : std::make_unique<QueuedStudentStore>(
                                   std::make_unique<FolderStudentStore>(folder))) {
        session.keepJournalIn(folder.path());
    }

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
    KeyboardPictureHistory keyboardPicture;
    std::unique_ptr<StudentStore> store;
    // Every change of student, and every write of the record, goes through here.
    StudentSession session{*store, record, currentUserName, drillSession, sectionUsage};

    QString studentFilePath() const { return kf::studentFilePath(folder, currentUserName); }

    // The parts a drill works on, and those that decide a sound: what the windows hand to the
    // logic instead of the whole.
    DrillContext drillContext() {
        return {record,       session,      currentUserName, activity, currentKey,
                drillSession, sectionUsage, drillRows,       folder,   soundDevice};
    }
    StudentContext student() {
        return {record,       session,      currentUserName, activity,
                drillSession, sectionUsage, folder,          soundDevice};
    }
    DrillWindowState drillWindowState() {
        return {student(), currentKey, drillRows, keyboardPicture};
    }
    SoundSettings soundSettings() const { return {record, folder, soundDevice}; }
};

} // namespace kf
