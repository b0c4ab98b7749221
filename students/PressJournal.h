// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace kf {

// One judged press of a drill, as the press journal keeps it.
struct JournalPress {
    std::int64_t atUtc = 0; // seconds since 1970, UTC
    int drillKind = 0;
    int nationality = 0;
    int target = 0; // the Windows-1252 byte of the target
    int typed = -1; // the byte typed, or -1 for a character that code page lacks
    bool hit = false;
    int reactionMs = 0;
    int set = 0; // numbered when written: the journal's sets count on from its last one
};

// What a write of the journal came to.
struct JournalOutcome {
    enum class Status {
        Written,  // every waiting press is in the journal
        Nothing,  // no press waited
        Failed,   // the presses wait in memory for the next try; message says why
        SetAside, // the journal was damaged: it was renamed, and a new one holds the presses
    };
    Status status = Status::Nothing;
    QString message;
};

// The presses of one student, kept in a SQLite database beside their student file
// ("<name>.presses"). Presses wait in memory while the student types; a set's end writes them in
// one transaction, so typing never waits for the disk. The rollback journal and full syncs keep
// the file whole on a network folder, where write-ahead logging does not hold. A write that fails
// keeps the presses for the next one; a damaged file is renamed aside, never deleted, and a new
// journal begins with the waiting presses.
class PressJournal {
public:
    static constexpr int kSchemaVersion = 1;
    static constexpr const char* kExtension = ".presses";

    // The journal of the student name in the working folder path.
    static QString pathFor(const QString& folder, const QString& name);

    // A press of the set that runs now.
    void add(const JournalPress& press) { m_running.push_back(press); }
    // The set that ran is over (finished or left): its presses wait to be written as one set.
    void closeSet();
    // Presses of the running set and of closed sets not yet written.
    std::size_t waiting() const { return m_running.size() + m_closed.size(); }
    // Every closed set goes into the journal at path in one transaction.
    JournalOutcome write(const QString& path);
    // Presses typed for nobody (another student's figures were shown) are dropped.
    void clear();
    // The closed sets of newer come after this journal's own, and newer keeps only its running
    // set: how the sets of a set's end are handed to the thread that writes them.
    void takeClosedFrom(PressJournal& newer);

private:
    std::vector<JournalPress> m_running;
    std::vector<JournalPress> m_closed; // set holds the order of the set among those waiting
    int m_closedSets = 0;
};

} // namespace kf
