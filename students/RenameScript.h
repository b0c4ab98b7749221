// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WorkingFolder.h"
#include "platform/Shell.h"
#include "students/Roster.h"

namespace kf {

// Starts the script the installation may provide to tidy the folder before a list of names is
// shown; nobody waits for it.
inline void startRenameScript(Shell& shell, const WorkingFolder& folder) {
    shell.openFile(folder.filePath(roster::kRenameScript), Shell::Window::Hidden);
}

} // namespace kf
