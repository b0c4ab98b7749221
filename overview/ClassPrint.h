// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/StudentOverview.h"
#include "platform/PrintedTable.h"

#include <QList>
#include <QString>

namespace kf {

// The class overview as the printer lays it out: the same columns and texts as the window and
// the CSV, in the report's font, the trend column drawn as lines.
PrintedTable classPrintTable(const QList<StudentOverview>& students, const QString& title);

// The largest size the table prints in, in points; smaller when it must fit the page.
inline constexpr int kClassPrintPoints = 10;

} // namespace kf
