// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/PressJournal.h"

#include "core/FolderFile.h"
#include "core/GroupShare.h"
#include "core/Logging.h"
#include "students/JournalDatabase.h"
#include "students/KeyTrend.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QVariant>
#include <map>
#include <utility>

namespace kf {

namespace {

// Whether a write went in, and when not, whether the file itself is to blame.
struct WriteResult {
    bool written = false;
    bool damaged = false;
    QString reason;
};

WriteResult failure(const QSqlError& error) {
    return {false, JournalDatabase::isDamage(error), error.text()};
}

using KeyTrends = std::map<int, KeyTrend>;

// Each key's trend moved on by the sets that wait, set by set in their order.
void advanceTrends(KeyTrends& trends, const std::vector<JournalPress>& presses) {
    std::map<std::pair<int, int>, KeySetFigures> bySetAndKey;
    for (const JournalPress& press : presses) {
        KeySetFigures& figures = bySetAndKey[{press.set, press.target}];
        ++figures.presses;
        if (press.hit) {
            ++figures.hits;
            figures.hitMsSum += press.reactionMs;
        }
    }
    for (const auto& [setAndKey, figures] : bySetAndKey)
        trends[setAndKey.second] = trends[setAndKey.second].after(figures);
}

int lastSetNumber(QSqlDatabase& db) {
    QSqlQuery query(db);
    // The newest row holds the newest set; the row id finds it without reading the table.
    if (query.exec(QStringLiteral("SELECT set_no FROM presses ORDER BY rowid DESC LIMIT 1")) &&
        query.next())
        return query.value(0).toInt();
    return 0;
}

bool insertPresses(QSqlDatabase& db, const std::vector<JournalPress>& presses, int firstSet,
                   QSqlError& error) {
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO presses (at, kind, nationality, set_no, target, "
                                  "typed, hit, ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const JournalPress& press : presses) {
        insert.bindValue(0, QVariant::fromValue<qint64>(press.atUtc));
        insert.bindValue(1, press.drillKind);
        insert.bindValue(2, press.nationality);
        insert.bindValue(3, firstSet + press.set);
        insert.bindValue(4, press.target);
        insert.bindValue(5, press.typed);
        insert.bindValue(6, press.hit ? 1 : 0);
        insert.bindValue(7, press.reactionMs);
        if (!insert.exec()) {
            error = insert.lastError();
            return false;
        }
    }
    return true;
}

bool storeTrends(QSqlDatabase& db, const KeyTrends& trends, QSqlError& error) {
    QSqlQuery store(db);
    store.prepare(QStringLiteral("INSERT OR REPLACE INTO key_trends (key, smoothed_ms, "
                                 "smoothed_accuracy, sets, presses, hits) "
                                 "VALUES (?, ?, ?, ?, ?, ?)"));
    for (const auto& [key, trend] : trends) {
        store.bindValue(0, key);
        store.bindValue(1, trend.smoothedMs);
        store.bindValue(2, trend.smoothedAccuracy);
        store.bindValue(3, trend.sets);
        store.bindValue(4, trend.presses);
        store.bindValue(5, trend.hits);
        if (!store.exec()) {
            error = store.lastError();
            return false;
        }
    }
    return true;
}

// The schema is there and of this program's version, made now when the file is new.
WriteResult prepareSchema(JournalDatabase& journal) {
    const int version = journal.schemaVersion();
    if (version < 0)
        return failure(journal.lastError());
    if (version == 0 && !journal.createSchema(PressJournal::kSchemaVersion))
        return failure(journal.lastError());
    if (version > PressJournal::kSchemaVersion)
        return {false, false,
                QCoreApplication::translate("PressJournal",
                                            "it was written by a newer version of the program")};
    return {true, false, {}};
}

WriteResult writeInto(const QString& path, const std::vector<JournalPress>& presses) {
    // The database library opens whatever the name leads to: a pipe would hold the set's end for
    // ever and a link would carry the write elsewhere, so only an ordinary file of the folder
    // (or none yet) is opened.
    if (const QString odd = folderFile::oddness(path); !odd.isEmpty())
        return {false, false, odd};
    JournalDatabase journal(path, JournalDatabase::Mode::ReadWrite);
    if (!journal.isOpen())
        return failure(journal.lastError());
    if (WriteResult ready = prepareSchema(journal); !ready.written)
        return ready;
    shareWithFolderGroup(path);
    QSqlDatabase& db = journal.db();
    if (!db.transaction())
        return failure(db.lastError());
    QSqlError error;
    const int firstSet = lastSetNumber(db) + 1;
    KeyTrends trends = journal.keyTrends();
    advanceTrends(trends, presses);
    if (!insertPresses(db, presses, firstSet, error) || !storeTrends(db, trends, error) ||
        !db.commit()) {
        if (!error.isValid())
            error = db.lastError();
        db.rollback();
        return failure(error);
    }
    return {true, false, {}};
}

// "<name>.presses" becomes "<name>.presses.damaged-<when>", never replacing another.
QString setAside(const QString& path) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(path, aside))
        return {};
    // A rollback journal left beside it belongs to the damaged file, not to the new one.
    const QString hotJournal = path + QStringLiteral("-journal");
    if (QFile::exists(hotJournal))
        QFile::rename(hotJournal, aside + QStringLiteral("-journal"));
    return aside;
}

QString failedNotice(const QString& path, const QString& reason) {
    return QCoreApplication::translate("PressJournal",
                                       "Your key presses could not be written to %1 (%2). They "
                                       "are kept and written at the end of the next set.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString setAsideNotice(const QString& path, const QString& aside) {
    return QCoreApplication::translate("PressJournal",
                                       "The record of your key presses in %1 was damaged. It was "
                                       "renamed to %2 and a new one was begun. Your sets and your "
                                       "student file are safe.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside));
}

} // namespace

QString PressJournal::pathFor(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name + QLatin1String(kExtension));
}

void PressJournal::closeSet() {
    if (m_running.empty())
        return;
    for (JournalPress& press : m_running) {
        press.set = m_closedSets;
        m_closed.push_back(press);
    }
    ++m_closedSets;
    m_running.clear();
}

void PressJournal::clear() {
    m_running.clear();
    m_closed.clear();
    m_closedSets = 0;
}

void PressJournal::takeClosedFrom(PressJournal& newer) {
    for (JournalPress& press : newer.m_closed) {
        press.set += m_closedSets;
        m_closed.push_back(press);
    }
    m_closedSets += newer.m_closedSets;
    newer.m_closed.clear();
    newer.m_closedSets = 0;
}

JournalOutcome PressJournal::write(const QString& path) {
    if (m_closed.empty())
        return {};
    WriteResult result = writeInto(path, m_closed);
    QString aside;
    if (!result.written && result.damaged) {
        aside = setAside(path);
        if (!aside.isEmpty())
            result = writeInto(path, m_closed);
    }
    if (!result.written) {
        qCInfo(logStudents) << "press journal not written:" << path << result.reason;
        return {JournalOutcome::Status::Failed, failedNotice(path, result.reason)};
    }
    qCInfo(logStudents) << "press journal written:" << path << m_closed.size() << "presses";
    m_closed.clear();
    m_closedSets = 0;
    if (!aside.isEmpty()) {
        qCInfo(logStudents) << "damaged press journal set aside:" << aside;
        return {JournalOutcome::Status::SetAside, setAsideNotice(path, aside)};
    }
    return {JournalOutcome::Status::Written, {}};
}

} // namespace kf
