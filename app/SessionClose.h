// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kf {

class Dialogs;
class StudentSession;

// The end of the owner's session as the main window closes: the daily roll-over of the history
// figures runs once and the record is written. When that write fails the student chooses between
// trying again (after freeing space, say) and quitting without it; nothing is dropped without
// their word. A file that went meanwhile is written anew when the student says yes.
void closeStudentSession(StudentSession& session, Dialogs& dialogs);

} // namespace kf
