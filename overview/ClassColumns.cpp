// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ClassColumns.h"

#include "keyboard/Windows1252.h"
#include "students/DailyRollover.h"

#include <QStringList>
#include <algorithm>

namespace kf {

namespace {

using Kind = ClassColumn::Kind;

constexpr std::array<Kind, 8> kFixedColumns = {
    Kind::Name,     Kind::DrillKeys,     Kind::AccuracyLatest, Kind::AccuracyAllDays,
    Kind::BestTime, Kind::SlowestLetter, Kind::Sessions,       Kind::AccuracyTrend,
};

constexpr qint64 kUnreadableSortKey = -1;
// Far beyond the fastest typist: a speed above it comes from a damaged file.
constexpr std::int32_t kMostWpm = 500;
constexpr int kMostPercent = 100;

bool isPercent(int figure) {
    return figure >= 0 && figure <= kMostPercent;
}

bool isWpm(std::int32_t figure) {
    return figure >= 0 && figure <= kMostWpm;
}

// Figures no real typing reaches, which only a damaged file holds; the report and the charts
// show them as damaged too.
bool isDamaged(const StudentOverview& s, const ClassColumn& column) {
    const StudentOverview::WordSection& words = s.wordSections.at(column.wordSection);
    switch (column.kind) {
    case Kind::DrillKeys:
        return s.drillsAllDaysDamaged || s.drillKeysAllDays < 0;
    case Kind::AccuracyLatest:
        return s.drillsLatestDamaged || !isPercent(s.accuracyLatest);
    case Kind::AccuracyAllDays:
        return s.drillsAllDaysDamaged || !isPercent(s.accuracyAllDays);
    case Kind::BestTime:
        return s.bestTime < 0;
    case Kind::SlowestLetter:
        return s.slowestLetter != 0 &&
               fromWindows1252(s.slowestLetter).category() == QChar::Other_Control;
    case Kind::AccuracyTrend: {
        const QList<int> trend = s.accuracyTrend();
        return !std::all_of(trend.begin(), trend.end(), isPercent);
    }
    case Kind::WpmLatest:
        return words.latestDamaged || !isWpm(words.adjustedWpmLatest);
    case Kind::WpmAllDays:
        return words.allDaysDamaged || !isWpm(words.adjustedWpmAllDays);
    case Kind::Name:
    case Kind::Sessions:
    case Kind::GoalMet: // read from the journal, never from the student file's figures
    case Kind::TroubleKeys:
        break;
    }
    return false;
}

bool anyHoldsFigures(const QList<StudentOverview>& students, std::size_t wordSection) {
    return std::any_of(students.begin(), students.end(), [wordSection](const auto& s) {
        return s.readable && s.wordSections.at(wordSection).holdsFigures;
    });
}

QString trendText(const StudentOverview& student) {
    QStringList figures;
    for (const int figure : student.accuracyTrend())
        figures.append(QString::number(figure));
    return figures.join(u' ');
}

qint64 figure(const StudentOverview& s, const ClassColumn& column) {
    switch (column.kind) {
    case Kind::DrillKeys:
        return s.drillKeysAllDays;
    case Kind::AccuracyLatest:
        return s.accuracyLatest;
    case Kind::AccuracyAllDays:
        return s.accuracyAllDays;
    case Kind::BestTime:
        return s.bestTime;
    case Kind::Sessions:
        return s.sessions;
    case Kind::AccuracyTrend: // by the latest session, the line's right end
        return s.accuracyHistory.front();
    case Kind::WpmLatest:
        return s.wordSections.at(column.wordSection).adjustedWpmLatest;
    case Kind::WpmAllDays:
        return s.wordSections.at(column.wordSection).adjustedWpmAllDays;
    case Kind::GoalMet:
        return static_cast<qint64>(s.goal);
    case Kind::Name:
    case Kind::SlowestLetter:
    case Kind::TroubleKeys:
        break;
    }
    return 0;
}

QString sectionName(std::size_t wordSection) {
    switch (kWordSections.at(wordSection)) {
    case Section::Lessons:
        return ClassColumns::tr("Lessons");
    case Section::IntermediateDrills:
        return ClassColumns::tr("Intermediate Drills");
    case Section::AdvancedDrills:
        return ClassColumns::tr("Advanced Drills");
    case Section::LetterGame:
        return ClassColumns::tr("Keyfarer");
    case Section::TenLineTests:
        return ClassColumns::tr("10 Line Tests");
    case Section::TimedTests:
        return ClassColumns::tr("Timed Tests");
    case Section::BeginnersDrills:
        break;
    }
    return {};
}

QString goalText(const StudentOverview& student, Kind kind) {
    if (kind == Kind::TroubleKeys)
        return student.troubleKeys;
    switch (student.goal) {
    case StudentOverview::Goal::Met:
        return ClassColumns::tr("yes");
    case StudentOverview::Goal::NotMet:
        return ClassColumns::tr("no");
    case StudentOverview::Goal::NoPresses:
        break;
    }
    return {};
}

} // namespace

QList<ClassColumn> ClassColumns::forClass(const QList<StudentOverview>& students) {
    QList<ClassColumn> columns;
    for (const Kind kind : kFixedColumns)
        columns.append({kind, 0});
    for (std::size_t i = 0; i < kWordSections.size(); ++i) {
        if (!anyHoldsFigures(students, i))
            continue;
        columns.append({Kind::WpmLatest, i});
        columns.append({Kind::WpmAllDays, i});
    }
    columns.append({Kind::GoalMet, 0});
    columns.append({Kind::TroubleKeys, 0});
    return columns;
}

QString ClassColumns::title(const ClassColumn& column) {
    switch (column.kind) {
    case Kind::Name:
        return tr("Student");
    case Kind::DrillKeys:
        return tr("Drill keys typed (all days)");
    case Kind::AccuracyLatest:
        return tr("Accuracy today or last (%)");
    case Kind::AccuracyAllDays:
        return tr("Accuracy all days (%)");
    case Kind::BestTime:
        return tr("Best time (seconds)");
    case Kind::SlowestLetter:
        return tr("Slowest letter");
    case Kind::Sessions:
        return tr("Sessions recorded");
    case Kind::AccuracyTrend:
        return tr("Accuracy of the last 8 sessions (%)");
    case Kind::WpmLatest:
        return tr("%1: adjusted WPM today or last").arg(sectionName(column.wordSection));
    case Kind::WpmAllDays:
        return tr("%1: adjusted WPM all days").arg(sectionName(column.wordSection));
    case Kind::GoalMet:
        return tr("Goal met");
    case Kind::TroubleKeys:
        return tr("Trouble keys");
    }
    return {};
}

QString ClassColumns::unreadableText() {
    return tr("unreadable file");
}

QString ClassColumns::text(const StudentOverview& student, const ClassColumn& column) {
    if (column.kind == Kind::Name)
        return student.name;
    if (column.kind == Kind::GoalMet || column.kind == Kind::TroubleKeys)
        return goalText(student, column.kind); // from the journal, whatever the student file
    if (!student.readable && column.kind != Kind::DrillKeys)
        return {};
    if (student.nameUnreadable)
        return tr("name not in UTF-8: rename the file");
    if (!student.readable)
        return unreadableText();
    if (isDamaged(student, column))
        return damagedFigureText();
    switch (column.kind) {
    case Kind::SlowestLetter:
        return student.slowestLetter == 0 ? QString()
                                          : QString(fromWindows1252(student.slowestLetter));
    case Kind::AccuracyTrend:
        return trendText(student);
    default:
        return QString::number(figure(student, column));
    }
}

QVariant ClassColumns::sortKey(const StudentOverview& student, const ClassColumn& column) {
    switch (column.kind) {
    case Kind::Name:
        return student.name.toCaseFolded();
    case Kind::SlowestLetter:
    case Kind::TroubleKeys:
        return text(student, column);
    case Kind::GoalMet:
        return figure(student, column);
    default:
        return student.readable && !isDamaged(student, column) ? figure(student, column)
                                                               : kUnreadableSortKey;
    }
}

bool ClassColumns::isNumeric(const ClassColumn& column) {
    return column.kind != Kind::Name && column.kind != Kind::SlowestLetter &&
           column.kind != Kind::AccuracyTrend && column.kind != Kind::GoalMet &&
           column.kind != Kind::TroubleKeys;
}

} // namespace kf
