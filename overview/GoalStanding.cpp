// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/GoalStanding.h"

#include "progress/TroubleKeys.h"
#include "progress/TroubleKeysTexts.h"
#include "students/JournalReader.h"

#include <QStringList>

namespace kf {

void readGoalStanding(StudentOverview& row, const QString& journalPath, const ClassGoals& goals) {
    const std::vector<KeyStanding> ranked = rankKeys(JournalReader(journalPath).keyTrends(), goals);
    if (ranked.empty()) {
        row.goal = StudentOverview::Goal::NoPresses;
        return;
    }
    row.goal = meetsGoals(ranked) ? StudentOverview::Goal::Met : StudentOverview::Goal::NotMet;
    QStringList keys;
    for (int key : troubleKeys(ranked, kOverviewTroubleKeys))
        keys << keyCaption(key);
    row.troubleKeys = keys.join(u' ');
}

} // namespace kf
