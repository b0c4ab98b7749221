// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/StudentOverview.h"
#include "students/ClassGoals.h"

#include <QString>

namespace kf {

// How many of the keys holding a student back the overview names.
inline constexpr int kOverviewTroubleKeys = 3;

// The student's standing against the class goals and their weakest keys, from the key trends of
// their press journal, opened read-only. Without a journal the student has no presses yet.
void readGoalStanding(StudentOverview& row, const QString& journalPath, const ClassGoals& goals);

} // namespace kf
