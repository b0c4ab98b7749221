// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ActivityState.h"
#include "drills/DrillEngine.h"
#include "students/PressJournal.h"
#include "students/StudentRecord.h"
#include "students/StudentSession.h"

#include <QDateTime>

namespace kf {

void DrillEngine::journalPress(const DrillKey& key, const JudgedPress& press) {
    JournalPress row;
    row.atUtc = QDateTime::currentSecsSinceEpoch();
    row.drillKind = static_cast<int>(m_context.activity.drillKind());
    row.nationality = m_context.record.nationalityCode();
    row.target = m_set.target();
    row.typed = key.character ? *key.character : -1;
    row.hit = press.hit;
    row.reactionMs = press.reactionMs;
    m_context.session.journalPress(row);
}

} // namespace kf
