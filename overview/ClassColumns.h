// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/StudentOverview.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QVariant>

namespace kf {

// One column of the class overview. The window, the CSV and the printout all lay the table out
// from this one list, so they show the same columns with the same texts.
struct ClassColumn {
    enum class Kind {
        Name,
        DrillKeys,
        AccuracyLatest,
        AccuracyAllDays,
        BestTime,
        SlowestLetter,
        Sessions,
        AccuracyTrend,
        WpmLatest,
        WpmAllDays,
        GoalMet,
        TroubleKeys,
    };
    Kind kind = Kind::Name;
    std::size_t wordSection = 0; // index into kWordSections, for the WPM columns

    bool operator==(const ClassColumn&) const = default;
};

class ClassColumns {
    Q_DECLARE_TR_FUNCTIONS(ClassColumns)
public:
    // The fixed columns, then the latest and all-days adjusted WPM of every section that counts
    // words and holds figures in at least one student's file, then the class goals' columns
    // (last, so that scripts reading the columns before them go on working).
    static QList<ClassColumn> forClass(const QList<StudentOverview>& students);

    static QString title(const ClassColumn& column);
    // The cell as text: whole numbers as the report writes them, without a percent sign; the
    // trend as its figures, oldest first; for a file that cannot be read, its name and then
    // "unreadable file" in the first figure column.
    static QString text(const StudentOverview& student, const ClassColumn& column);
    // What the column sorts by: the number itself, the name without regard to letter case.
    // An unreadable file sorts below every figure.
    static QVariant sortKey(const StudentOverview& student, const ClassColumn& column);
    static bool isNumeric(const ClassColumn& column);

    static QString unreadableText();
};

} // namespace kf
