// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace kf {

// The summary report's closing lines: the class goals of the working folder and whether the
// student meets them, from their press journal (read-only). An empty line sets them apart.
QStringList goalReportLines(const QString& workingFolder, const QString& student);

} // namespace kf
