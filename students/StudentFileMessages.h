// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kf {

// What the student is told when their file or the working folder is no longer what this
// running copy left there. The texts live in one table, marked for translation.
enum class FileNotice {
    FileGone,      // the student file was deleted or emptied from outside
    FileChanged,   // the student file was replaced or edited from outside
    FolderGone,    // the working folder was removed or emptied from outside
    ChangeUnsaved, // added to FileGone or FileChanged when the student is about to change
};

// The notice for the student name (FileGone, FileChanged, ChangeUnsaved) or the folder
// (FolderGone), in the user's language.
QString fileNotice(FileNotice which, const QString& subject);

} // namespace kf
