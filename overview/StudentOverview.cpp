// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/StudentOverview.h"

#include "students/StudentRecord.h"

namespace kf {

QList<int> StudentOverview::accuracyTrend() const {
    QList<int> points;
    for (int i = sessions - 1; i >= 0; --i)
        points.append(accuracyHistory.at(static_cast<std::size_t>(i)));
    return points;
}

StudentOverview studentOverview(const QString& name, const StudentRecord& record) {
    constexpr Section drills = Section::BeginnersDrills;
    StudentOverview out;
    out.name = name;
    out.readable = true;
    out.drillKeysAllDays = drillKeysAllDays(record);
    out.accuracyLatest = accuracyLatest(record, drills);
    out.accuracyAllDays = accuracyAllDays(record, drills);
    out.drillsLatestDamaged = latestDamaged(record, drills);
    out.drillsAllDaysDamaged = allDaysDamaged(record, drills);
    out.bestTime = bestSetTime(record);
    out.slowestLetter = slowestLetterOfSession(record);
    out.accuracyHistory = percentCorrectHistory(record, drills);
    out.sessions = sessionsRecorded(out.accuracyHistory);
    for (std::size_t i = 0; i < kWordSections.size(); ++i) {
        const Section section = kWordSections[i];
        out.wordSections[i] = {holdsWordFigures(record, section), latestDamaged(record, section),
                               allDaysDamaged(record, section), adjustedWpmLatest(record, section),
                               adjustedWpmAllDays(record, section)};
    }
    return out;
}

StudentOverview unreadableStudent(const QString& name) {
    StudentOverview out;
    out.name = name;
    return out;
}

StudentOverview unreadableName(const QString& shownName) {
    StudentOverview out = unreadableStudent(shownName);
    out.nameUnreadable = true;
    return out;
}

} // namespace kf
