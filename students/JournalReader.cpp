// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/JournalReader.h"

#include "students/JournalDatabase.h"

#include <QFileInfo>
#include <QIODevice>
#include <QSqlQuery>
#include <QVariant>
#include <functional>

namespace kf {

namespace {

// Runs statement on the journal at path, read-only, handing each row to take. False when the
// journal is missing or the statement could not run.
bool eachRow(const QString& path, const QString& statement,
             const std::function<void(const QSqlQuery&)>& take) {
    if (!QFileInfo(path).isFile())
        return false;
    JournalDatabase journal(path, JournalDatabase::Mode::ReadOnly);
    if (!journal.isOpen())
        return false;
    QSqlQuery query(journal.db());
    query.setForwardOnly(true);
    if (!query.exec(statement))
        return false;
    while (query.next())
        take(query);
    return true;
}

} // namespace

std::vector<JournalKeySet> JournalReader::keySets(const std::vector<int>& keys) const {
    QStringList wanted;
    for (int key : keys)
        wanted << QString::number(key);
    const QString only =
        keys.empty() ? QString() : QStringLiteral("WHERE target IN (%1) ").arg(wanted.join(u','));
    std::vector<JournalKeySet> sets;
    eachRow(m_path,
            QStringLiteral("SELECT set_no, target, COUNT(*), SUM(hit), "
                           "TOTAL(CASE WHEN hit THEN ms END) FROM presses %1"
                           "GROUP BY set_no, target ORDER BY set_no")
                .arg(only),
            [&sets](const QSqlQuery& row) {
                sets.push_back(
                    {row.value(0).toInt(),
                     row.value(1).toInt(),
                     {row.value(2).toInt(), row.value(3).toInt(), row.value(4).toDouble()}});
            });
    return sets;
}

std::vector<JournalConfusion> JournalReader::confusions(int most) const {
    std::vector<JournalConfusion> found;
    eachRow(m_path,
            QStringLiteral("SELECT target, typed, COUNT(*) AS n, MAX(at) FROM presses "
                           "WHERE hit = 0 GROUP BY target, typed ORDER BY n DESC, target "
                           "LIMIT %1")
                .arg(most),
            [&found](const QSqlQuery& row) {
                found.push_back({row.value(0).toInt(), row.value(1).toInt(), row.value(2).toInt(),
                                 row.value(3).toLongLong()});
            });
    return found;
}

std::map<int, KeyTrend> JournalReader::keyTrends() const {
    if (!QFileInfo(m_path).isFile())
        return {};
    JournalDatabase journal(m_path, JournalDatabase::Mode::ReadOnly);
    return journal.isOpen() ? journal.keyTrends() : std::map<int, KeyTrend>{};
}

bool JournalReader::exportCsv(QIODevice& out) const {
    out.write("when_utc,drill_kind,nationality,set,target,typed,hit,reaction_ms\n");
    return eachRow(m_path,
                   QStringLiteral("SELECT strftime('%Y-%m-%dT%H:%M:%SZ', at, 'unixepoch'), kind, "
                                  "nationality, set_no, target, typed, hit, ms FROM presses "
                                  "ORDER BY rowid"),
                   [&out](const QSqlQuery& row) {
                       QByteArray line = row.value(0).toString().toLatin1();
                       for (int column = 1; column < 8; ++column)
                           line += ',' + QByteArray::number(row.value(column).toLongLong());
                       out.write(line + '\n');
                   });
}

} // namespace kf
