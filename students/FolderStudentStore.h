// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/Roster.h"
#include "students/StudentStore.h"

#include <map>
#include <memory>

class QLockFile;

namespace kf {

// The student files of the working folder, each locked by "<name>.stu.lock" while a running
// copy has the student. A lock shows its owner's process and machine; QLockFile takes over one
// whose process has gone on this machine, or that nobody has touched for kStaleLockMs on any
// machine, so a copy that is still running touches its locks well before that (touchLocks, asked
// every minute by whoever runs the store).
//
// What each student file held when it was last read or written here is remembered, so that a
// save never writes over a file something outside replaced in the meantime.
class FolderStudentStore : public StudentStore {
public:
    explicit FolderStudentStore(WorkingFolder folder);
    ~FolderStudentStore() override;

    static constexpr int kStaleLockMs = 5 * 60 * 1000;

    FileOutcome load(const QString& name, StudentRecord& record) override;
    FileOutcome save(const QString& name, const StudentRecord& record) override;
    FileOutcome create(const QString& name, StudentRecord& record) override;
    FileOutcome rewrite(const QString& name, const StudentRecord& record) override;
    void remove(const QString& name) override;
    LockOutcome lock(const QString& name) override;
    void unlock(const QString& name) override;
    void touchLocks() override;

    QString lockPath(const QString& name) const;

    // Half-written files that a save or a create killed midway left behind ("Ann.stu.x1Yz2W"),
    // older than any save in progress can be, are removed. Returns how many.
    int removeLeftovers(qint64 olderThanMs = qint64(10) * 60 * 1000) const;

private:
    // What a file held, told apart cheaply: its length and a 64-bit hash of its bytes. It only
    // has to notice a whole other record put in its place, never a deliberate forgery, and it is
    // taken at every save, so a cryptographic digest would be wasted time.
    struct Fingerprint {
        qsizetype size = 0;
        std::size_t hash = 0;
        bool operator==(const Fingerprint&) const = default;
    };
    static Fingerprint fingerprintOf(QByteArrayView content);

    void remember(const QString& path, QByteArrayView content);
    bool replacedSinceSeen(const QString& path, QByteArrayView content) const;

    WorkingFolder m_folder;
    Roster m_roster;
    std::map<QString, std::unique_ptr<QLockFile>> m_locks;
    std::map<QString, Fingerprint> m_lastSeen; // path -> the content last read or written
};

} // namespace kf
