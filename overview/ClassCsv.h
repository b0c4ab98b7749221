// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/StudentOverview.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

namespace kf {

// The class overview as comma-separated values (RFC 4180): a header row, then one row per
// student file in name order, each line ended by CR LF, fields quoted where they must be.
void writeCsv(const QList<StudentOverview>& students, QTextStream& out);

// One field, quoted when it holds a comma or a quote; control characters replaced, and a field
// that a spreadsheet would take for a formula (=, +, -, @ first, but no number) led by a quote.
QString csvField(const QString& text);

// Reads every student file of the folder and writes the overview as CSV in UTF-8. Returns the
// program's exit status: 0 when written, 1 when the folder is not there or cannot be read (said
// on stderr).
int writeClassCsv(const QString& folder, QTextStream& out);

// The command line's request for the CSV: the folder after "--class-csv" ("--class-csv=FOLDER"
// also works), an empty string for the working folder, nothing when the option is not given.
std::optional<QString> classCsvRequest(const QStringList& arguments);

} // namespace kf
