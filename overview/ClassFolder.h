// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/StudentOverview.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

namespace kf {

class WorkingFolder;

// Every student file of a folder read for the class overview. Files are only read: none is
// written, renamed or locked, and nothing of the program's current student is touched.
namespace classFolder {

// The student files as the report's name list knows them: every "*.stu" file, whatever the
// letter case of its extension, named without its last four characters; in name order.
// A file whose name is not in the system's encoding cannot be opened by name: it is listed with
// its name as near as it can be shown, and marked so.
struct StudentFileEntry {
    QString fileName; // as it is in the folder
    QString name;
    bool nameUnreadable = false;
};
QList<StudentFileEntry> studentFiles(const WorkingFolder& folder);

// One file read whole and turned into its overview row; a file that is missing, short or cannot
// be read is a row with its name that says so.
StudentOverview readStudent(const QString& path, const QString& name);

struct Progress {
    // Called now and then from the reading threads with the files done so far and the total.
    std::function<void(int done, int total)> advanced;
    // Set from any thread to stop early; the rows not yet read are then left out.
    const std::atomic<bool>* cancelled = nullptr;
};

// Reads every student file of the folder, several at a time, and returns the rows in name order.
QList<StudentOverview> load(const WorkingFolder& folder, const Progress& progress = {});

} // namespace classFolder

} // namespace kf
