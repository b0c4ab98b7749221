// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/StudentFile.h"

#include <QString>
#include <functional>

namespace kf {

class StudentRecord;

// Whether this running copy may call a student its own.
struct LockOutcome {
    enum class Status {
        Held,           // the student is ours until unlocked
        InUseElsewhere, // another running copy, here or on another machine, has the student
        NotPossible,    // no lock can be made (a folder nobody may write): nothing can be saved
                        // either, so no copy can overwrite another's work
    };
    Status status = Status::Held;
    QString message;
};

// Where the student files live, by user name. The change of student works only through this,
// so its tests can hand it a store that fails where they want it to.
class StudentStore {
public:
    virtual ~StudentStore() = default;

    // The whole record, or why not: only a complete read replaces record.
    virtual FileOutcome load(const QString& name, StudentRecord& record) = 0;
    // Writes record over the student's existing file; a missing or short file is left alone,
    // and so is one that something outside replaced since this store last read or wrote it
    // (Changed): that may be someone's newer work.
    virtual FileOutcome save(const QString& name, const StudentRecord& record) = 0;
    // Makes a new student file with the defaults applied to record; never replaces one.
    virtual FileOutcome create(const QString& name, StudentRecord& record) = 0;
    // Writes record as the student's whole file, when theirs went missing, was emptied or was
    // replaced, and the student asked for it.
    virtual FileOutcome rewrite(const QString& name, const StudentRecord& record) = 0;
    // Takes a file made by create back out again.
    virtual void remove(const QString& name) = 0;

    // The student is taken by this running copy. Taking one that is already ours is Held.
    virtual LockOutcome lock(const QString& name) = 0;
    virtual void unlock(const QString& name) = 0;

    // The same as save, but a store that writes off the caller's thread returns at once and
    // calls done on the caller's thread later, each save in the order asked. Here: at once.
    virtual void saveInBackground(const QString& name, const StudentRecord& record,
                                  const std::function<void(const FileOutcome&)>& done) {
        done(save(name, record));
    }

    // Runs work where the store writes, after every save asked before it and before any asked
    // later, then done on the caller's thread. Whatever work asks of this store meanwhile goes
    // straight to the folder: work is the store's only user while it runs. Here: both at once.
    virtual void runInTurn(const std::function<void()>& work, const std::function<void()>& done) {
        work();
        done();
    }

    // Shows every lock this copy holds to be alive, so that no other copy takes it over as
    // stale; a store that holds locks is asked this every kLockTouchMs.
    virtual void touchLocks() {}
    static constexpr int kLockTouchMs = 60 * 1000;
};

} // namespace kf
