// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kf {

// A class folder on a file server is shared through a group: its folder is setgid or
// group-writable. A file the program has just made there (a student file, a settings file, a
// lock, a journal, an export) is given the folder's group and group read-write, whatever the
// umask, so that classmates and the teacher can read and write it; it is never made
// world-writable. In a folder that is not group-shared nothing changes. Called with the path of
// the file once it exists; a file that cannot be changed (another account's, or a file system
// without Unix permissions) is left as it is.
void shareWithFolderGroup(const QString& path);

} // namespace kf
