// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ViewStudent.h"

#include "app/WorkingFolder.h"
#include "drills/DrillSessionFigures.h"
#include "progress/SectionUsage.h"
#include "students/Roster.h"
#include "students/StudentFile.h"

#include <memory>

namespace kf {

namespace {

// What was typed in this session, in every section: it must not be added to another record.
void dropWorkingFigures(DrillSessionFigures& drill, SectionUsage& usage) {
    for (PerKeyFigures* figures : {&drill.presented, &drill.correct, &drill.accuracy,
                                   &drill.timedPresses, &drill.tickSum, &drill.averageSeconds})
        figures->fill(0);
    drill.sessionPresses = 0;
    drill.sessionMisses = 0;
    drill.sessionSetSeconds = 0;
    for (std::size_t s = 0; s < kSectionCount; ++s)
        usage.totals(static_cast<Section>(s)) = {};
}

} // namespace

ViewedStudent viewStudent(StudentSession session, const QString& chosenName) {
    ViewedStudent result;
    if (chosenName.isEmpty())
        return result;

    const QString name = chosenName.left(kLongestViewedName);
    const QString path = studentFilePath(session.folder, name);
    // Read beside the record in memory, so that a file that turns out unreadable changes nothing.
    const auto loaded = std::make_unique<StudentRecord>(session.record);
    const FileOutcome read = StudentFile::load(path, *loaded);
    if (read.status != FileOutcome::Status::Done && read.status != FileOutcome::Status::Missing) {
        result.status = ViewedStudent::Status::Unreadable;
        result.message = read.message;
        return result;
    }

    if (!session.currentUserName.isEmpty())
        dropWorkingFigures(session.drillSession, session.sectionUsage);
    result.sameName = name == session.currentUserName;
    if (!result.sameName)
        session.sectionUsage.beginSession();
    session.currentUserName = name;

    if (read.status == FileOutcome::Status::Missing) {
        result.status = ViewedStudent::Status::FileMissing;
        return result;
    }
    session.drillSession.clearForNewRecord();
    session.record = *loaded;
    result.status = ViewedStudent::Status::Loaded;
    return result;
}

} // namespace kf
