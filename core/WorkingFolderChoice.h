// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace kf {

// Which working folder this run uses, and where that came from. The sources, strongest first:
// the --working-folder option, the variable KEYFARER_HOME, the user's settings file
// (~/.config/keyfarer.conf), the machine's settings file (/etc/xdg/keyfarer.conf, where an admin
// names the class folder for every user), and the user's data folder. A settings file names the
// folder in its [General] section as WorkingFolder=/srv/class.
struct WorkingFolderChoice {
    QString path;
    // For the log: the option, the variable, the settings file's path or the data folder.
    QString source;
    // A settings file that could not be read or named no usable folder, each said with the
    // file's name; the choice then fell to the next source.
    QStringList problems;

    // The problems and the folder used instead, for a message; empty when there were none.
    QString report() const;
};

// commandLineFolder: the folder given with --working-folder, or empty.
WorkingFolderChoice chooseWorkingFolder(const QString& commandLineFolder);

} // namespace kf
