// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/GoalReport.h"

#include "progress/TroubleKeys.h"
#include "progress/TroubleKeysTexts.h"
#include "students/JournalReader.h"
#include "students/PressJournal.h"

namespace kf {

QStringList goalReportLines(const QString& workingFolder, const QString& student) {
    const ClassGoals goals = ClassGoals::read(workingFolder);
    const JournalReader journal(PressJournal::pathFor(workingFolder, student));
    return {QString(), classGoalsText(goals),
            goalStandingText(student, rankKeys(journal.keyTrends(), goals))};
}

} // namespace kf
