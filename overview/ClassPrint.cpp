// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ClassPrint.h"

#include "overview/ClassColumns.h"

namespace kf {

PrintedTable classPrintTable(const QList<StudentOverview>& students, const QString& title) {
    PrintedTable table;
    table.title = title;
    table.font = QFont(QStringLiteral("Courier New"));
    table.font.setPointSize(kClassPrintPoints);
    const QList<ClassColumn> columns = ClassColumns::forClass(students);
    for (qsizetype c = 0; c < columns.size(); ++c) {
        const ClassColumn& column = columns.at(c);
        table.header.append(ClassColumns::title(column));
        table.rightAligned.append(ClassColumns::isNumeric(column));
        if (column.kind == ClassColumn::Kind::AccuracyTrend)
            table.trendColumn = static_cast<int>(c);
    }
    for (const StudentOverview& student : students) {
        QStringList row;
        for (const ClassColumn& column : columns)
            row.append(column.kind == ClassColumn::Kind::AccuracyTrend
                           ? QString()
                           : ClassColumns::text(student, column));
        table.rows.append(row);
        table.trends.append(student.readable ? student.accuracyTrend() : QList<int>{});
    }
    return table;
}

} // namespace kf
