// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SaveStudent.h"

#include "app/Globals.h"
#include "platform/Dialogs.h"
#include "students/StudentFile.h"

namespace kf {

bool saveStudent(const Globals& globals, Dialogs& dialogs) {
    if (globals.currentUserName.isEmpty())
        return false;
    const FileOutcome outcome = StudentFile::save(globals.studentFilePath(), globals.record);
    if (outcome.status == FileOutcome::Status::Failed)
        dialogs.error(outcome.message);
    return outcome.done();
}

} // namespace kf
