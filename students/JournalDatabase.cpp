// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/JournalDatabase.h"

#include "students/KeyTrend.h"

#include <QSqlQuery>
#include <atomic>

namespace kf {

namespace {

QString uniqueConnectionName() {
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("kf-journal-%1").arg(++counter);
}

// SQLite's primary result codes for a file that is not a database or is broken inside.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
constexpr int kPrimaryCodeMask = 0xff;

} // namespace

JournalDatabase::JournalDatabase(const QString& path, Mode mode)
    : m_name(uniqueConnectionName())
    , m_db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name)) {
    m_db.setDatabaseName(path);
    if (mode == Mode::ReadOnly)
        m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!m_db.open()) {
        m_error = m_db.lastError();
        return;
    }
    if (mode == Mode::ReadWrite) {
        // Write-ahead logging needs shared memory, which a school's network folder lacks.
        exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        exec(QStringLiteral("PRAGMA synchronous=FULL"));
    }
}

JournalDatabase::~JournalDatabase() {
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

bool JournalDatabase::exec(const QString& statement) {
    QSqlQuery query(m_db);
    if (query.exec(statement))
        return true;
    m_error = query.lastError();
    return false;
}

int JournalDatabase::schemaVersion() {
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        m_error = query.lastError();
        return -1;
    }
    return query.value(0).toInt();
}

std::map<int, KeyTrend> JournalDatabase::keyTrends() {
    std::map<int, KeyTrend> trends;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT key, smoothed_ms, smoothed_accuracy, sets, presses, hits FROM key_trends")))
        return trends;
    while (query.next()) {
        KeyTrend& trend = trends[query.value(0).toInt()];
        trend.smoothedMs = query.value(1).toDouble();
        trend.smoothedAccuracy = query.value(2).toDouble();
        trend.sets = query.value(3).toInt();
        trend.presses = query.value(4).toInt();
        trend.hits = query.value(5).toInt();
    }
    return trends;
}

bool JournalDatabase::createSchema(int version) {
    // Rows stay small: a press is a few integers, and the table has no index of its own.
    return exec(QStringLiteral("CREATE TABLE IF NOT EXISTS presses (at INTEGER NOT NULL, "
                               "kind INTEGER NOT NULL, nationality INTEGER NOT NULL, "
                               "set_no INTEGER NOT NULL, target INTEGER NOT NULL, "
                               "typed INTEGER NOT NULL, hit INTEGER NOT NULL, "
                               "ms INTEGER NOT NULL)")) &&
           // Each key's trend after the last set, so that a look at many students reads a few
           // rows each instead of all their presses.
           exec(QStringLiteral("CREATE TABLE IF NOT EXISTS key_trends (key INTEGER PRIMARY KEY, "
                               "smoothed_ms REAL NOT NULL, smoothed_accuracy REAL NOT NULL, "
                               "sets INTEGER NOT NULL, presses INTEGER NOT NULL, "
                               "hits INTEGER NOT NULL)")) &&
           exec(QStringLiteral("PRAGMA user_version=%1").arg(version));
}

bool JournalDatabase::isDamage(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & kPrimaryCodeMask;
    return ok && (code == kSqliteCorrupt || code == kSqliteNotADatabase);
}

} // namespace kf
