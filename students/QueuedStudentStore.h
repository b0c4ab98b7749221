// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/StudentRecord.h"
#include "students/StudentStore.h"

#include <QObject>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace kf {

// A store whose saves in the background are written on a thread of its own, so that a working
// folder on a slow file server never holds the window at a set's end. The saves are written one
// after the other in the order asked, and their outcomes are told on the window's thread in that
// order. Everything else (reading, making, locking, and a save whose outcome is waited for, as
// at a change of student or at closing) first waits for the saves asked before it, so the store
// behind is only ever used by one thread at a time and no write overtakes another.
// Carries "a save was written" from the writer's thread to the window's thread, where it lives.
class SaveWrittenSignal : public QObject {
    Q_OBJECT
signals:
    void written();
};

class QueuedStudentStore : public StudentStore {
public:
    explicit QueuedStudentStore(std::unique_ptr<StudentStore> inner);
    // Waits for the last save to reach the folder; outcomes not yet told are dropped, as no
    // window is left to tell them.
    ~QueuedStudentStore() override;
    QueuedStudentStore(const QueuedStudentStore&) = delete;
    QueuedStudentStore& operator=(const QueuedStudentStore&) = delete;

    FileOutcome load(const QString& name, StudentRecord& record) override;
    FileOutcome save(const QString& name, const StudentRecord& record) override;
    FileOutcome create(const QString& name, StudentRecord& record) override;
    FileOutcome rewrite(const QString& name, const StudentRecord& record) override;
    void remove(const QString& name) override;
    LockOutcome lock(const QString& name) override;
    void unlock(const QString& name) override;
    void saveInBackground(const QString& name, const StudentRecord& record,
                          const std::function<void(const FileOutcome&)>& done) override;

    // A save is waiting or being written.
    bool busy() const;
    // Waits until every save asked so far is written, then tells their outcomes.
    void settle();

private:
    struct Save {
        QString name;
        StudentRecord record;
        std::function<void(const FileOutcome&)> done;
        FileOutcome outcome;
    };
    void writeInTurn();
    void tellWritten();

    std::unique_ptr<StudentStore> m_inner;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Save> m_waiting; // asked, not yet written
    std::deque<Save> m_written; // written, outcome not yet told
    bool m_writing = false;
    bool m_stopping = false;
    SaveWrittenSignal m_teller; // lives on the window's thread: the outcomes are told through it
    std::thread m_writer;
};

} // namespace kf
