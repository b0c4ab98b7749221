// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ClassOverviewModel.h"

#include <QStringList>

namespace kf {

namespace {

// Header lines no wider than this many characters (a longer word keeps its own line), so that
// the columns are as narrow as their figures allow.
constexpr qsizetype kHeaderLineLength = 12;

QString wrapped(const QString& title) {
    QStringList lines;
    for (const QString& word : title.split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && lines.last().size() + 1 + word.size() <= kHeaderLineLength)
            lines.last() += u' ' + word;
        else
            lines.append(word);
    }
    return lines.join(u'\n');
}

} // namespace

void ClassOverviewModel::setStudents(QList<StudentOverview> students) {
    beginResetModel();
    m_students = std::move(students);
    m_columns = ClassColumns::forClass(m_students);
    endResetModel();
}

int ClassOverviewModel::columnOf(ClassColumn::Kind kind) const {
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).kind == kind)
            return static_cast<int>(i);
    }
    return -1;
}

int ClassOverviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_students.size());
}

int ClassOverviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ClassOverviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_students.size() || index.column() >= m_columns.size())
        return {};
    const StudentOverview& student = m_students.at(index.row());
    const ClassColumn& column = m_columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return ClassColumns::text(student, column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ClassColumns::isNumeric(column) && student.readable
                                       ? Qt::AlignRight | Qt::AlignVCenter
                                       : Qt::AlignLeft | Qt::AlignVCenter);
    case kSortRole:
        return ClassColumns::sortKey(student, column);
    case kTrendRole:
        if (column.kind != ClassColumn::Kind::AccuracyTrend || !student.readable)
            return {};
        return QVariant::fromValue(student.accuracyTrend());
    default:
        return {};
    }
}

QVariant ClassOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return wrapped(ClassColumns::title(m_columns.at(section)));
}

} // namespace kf
