// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kf {

struct Globals;
class Dialogs;

// Writes the current student's record back to their file, as every window does at its fixed
// moments. A missing or short file is left alone; an input/output error is shown to the user,
// naming the file and the system's reason, and the program goes on. True when written.
bool saveStudent(const Globals& globals, Dialogs& dialogs);

} // namespace kf
