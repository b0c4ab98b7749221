// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <map>

namespace kf {

struct KeyTrend;

// One open connection to a press journal, closed again when this goes. Every connection has a
// name of its own, so journals can be open on several threads at once (the class overview reads
// them off the GUI thread).
class JournalDatabase {
public:
    enum class Mode { ReadOnly, ReadWrite };

    JournalDatabase(const QString& path, Mode mode);
    ~JournalDatabase();
    JournalDatabase(const JournalDatabase&) = delete;
    JournalDatabase& operator=(const JournalDatabase&) = delete;

    bool isOpen() const { return m_db.isOpen(); }
    QSqlDatabase& db() { return m_db; }
    QSqlError lastError() const { return m_error; }

    // Runs a statement without results; false (and lastError) when it failed.
    bool exec(const QString& statement);
    // The schema version the file says it holds (PRAGMA user_version), or -1 when unreadable.
    int schemaVersion();
    // Each key's trend after the last set written; empty when none could be read.
    std::map<int, KeyTrend> keyTrends();
    // Makes the tables of an empty journal and names their version.
    bool createSchema(int version);

    // The file is no SQLite database, or its pages are broken.
    static bool isDamage(const QSqlError& error);

private:
    QString m_name;
    QSqlDatabase m_db;
    QSqlError m_error;
};

} // namespace kf
