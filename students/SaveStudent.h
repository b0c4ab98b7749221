// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kf {

struct SaveOutcome;
class Dialogs;
class StudentSession;

// Writes the current student's record back to their file, as every window does at its fixed
// moments. A missing or short file is left alone; an input/output error is shown to the user,
// naming the file, the system's reason and what to do, and the program goes on with the record
// in memory. While another student's figures are viewed nothing is written, and the student is
// told so once. True when written.
bool saveStudent(StudentSession& session, Dialogs& dialogs);
// The same at a set's end, without holding the window while the folder is slow: the file is
// written in the background, in the order asked, and the student hears of a failure when it
// is known.
void saveStudentInBackground(StudentSession& session, Dialogs& dialogs);
// Tells the student what a save came to, as above.
bool saveStudent(const SaveOutcome& outcome, StudentSession& session, Dialogs& dialogs);

} // namespace kf
