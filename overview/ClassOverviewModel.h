// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/ClassColumns.h"
#include "overview/StudentOverview.h"

#include <QAbstractTableModel>

namespace kf {

// The class overview as a table: one row per student file, the columns of ClassColumns.
class ClassOverviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // What a column sorts by (a number for the figures), and the trend line's points (a list of
    // whole percents, oldest session first).
    static constexpr int kSortRole = Qt::UserRole;
    static constexpr int kTrendRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setStudents(QList<StudentOverview> students);
    const QList<StudentOverview>& students() const { return m_students; }
    const QList<ClassColumn>& columns() const { return m_columns; }
    // The column of this kind (the first one), or -1.
    int columnOf(ClassColumn::Kind kind) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The column's title, broken into short lines.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<StudentOverview> m_students;
    QList<ClassColumn> m_columns = ClassColumns::forClass({});
};

} // namespace kf
