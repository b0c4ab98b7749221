// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// What the program did, area by area, for an admin who asks where a student's file went. Every
// area is off by default and switched on with Qt's logging rules, for example
//     QT_LOGGING_RULES="keyfarer.*=true" keyfarer
// Messages name folders, files, students and outcomes; never a password or what a file holds.
namespace kf {

// keyfarer.students: student files read, written, made and refused; locks taken and refused.
Q_DECLARE_LOGGING_CATEGORY(logStudents)
// keyfarer.folder: which working folder, where that came from, made and filled.
Q_DECLARE_LOGGING_CATEGORY(logFolder)
// keyfarer.modules: the parts loaded on first use (sound, printing, speech, charts).
Q_DECLARE_LOGGING_CATEGORY(logModules)
// keyfarer.speech: whether spoken guidance can speak, and why not.
Q_DECLARE_LOGGING_CATEGORY(logSpeech)

} // namespace kf
