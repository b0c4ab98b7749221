// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/StudentRecord.h"
#include "students/StudentStore.h"

#include <QObject>
#include <QTimer>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace kf {

// A store whose saves in the background are written on a thread of its own, so that a working
// folder on a slow file server never holds the window at a set's end. The saves, the work run in
// turn (a change of student) and the minute's touch of the locks are done one after the other in
// the order asked, and their outcomes are told on the window's thread in that order. Everything
// else (reading, making, locking, and a save whose outcome is waited for, as at closing) first
// waits for what was asked before it, so the store behind is only ever used by one thread at a
// time and no write overtakes another.
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
    void runInTurn(const std::function<void()>& work, const std::function<void()>& done) override;
    void touchLocks() override;

    // A save is waiting or being written.
    bool busy() const;
    // Waits until every save asked so far is written, then tells their outcomes.
    void settle();

private:
    // One piece of the folder's work: it runs on the writer's thread and hands back what is then
    // told on the window's thread.
    using Tell = std::function<void()>;
    using Work = std::function<Tell()>;
    void ask(Work work);
    void writeInTurn();
    void tellWritten();
    // Waits for the work asked before, unless this is that work asking.
    void waitForTurn();

    std::unique_ptr<StudentStore> m_inner;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Work> m_waiting; // asked, not yet done
    std::deque<Tell> m_written; // done, outcome not yet told
    bool m_writing = false;
    bool m_stopping = false;
    SaveWrittenSignal m_teller; // lives on the window's thread: the outcomes are told through it
    QTimer m_touch;             // on the window's thread; the touch itself is done in turn
    std::thread m_writer;
};

} // namespace kf
