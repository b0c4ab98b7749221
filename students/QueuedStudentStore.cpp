// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/QueuedStudentStore.h"

namespace kf {

QueuedStudentStore::QueuedStudentStore(std::unique_ptr<StudentStore> inner)
    : m_inner(std::move(inner))
    , m_writer([this] { writeInTurn(); }) {
    QObject::connect(
        &m_teller, &SaveWrittenSignal::written, &m_teller, [this] { tellWritten(); },
        Qt::QueuedConnection);
    // The locks are touched in turn with the saves: a slow server holds the writer, never the
    // window, and the store behind keeps one user at a time.
    m_touch.setInterval(kLockTouchMs);
    QObject::connect(&m_touch, &QTimer::timeout, [this] { touchLocks(); });
    m_touch.start();
}

QueuedStudentStore::~QueuedStudentStore() {
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_waiting.empty() && !m_writing; });
        m_stopping = true;
    }
    m_changed.notify_all();
    m_writer.join();
}

void QueuedStudentStore::writeInTurn() {
    for (;;) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
        if (m_waiting.empty())
            return;
        const Work next = std::move(m_waiting.front());
        m_waiting.pop_front();
        m_writing = true;
        lock.unlock();
        Tell outcome = next();
        lock.lock();
        m_written.push_back(std::move(outcome));
        m_writing = false;
        lock.unlock();
        m_changed.notify_all();
        emit m_teller.written();
    }
}

// One outcome at a time: telling one may open a message box, whose event loop tells the next.
void QueuedStudentStore::tellWritten() {
    for (;;) {
        std::unique_lock lock(m_mutex);
        if (m_written.empty())
            return;
        const Tell told = std::move(m_written.front());
        m_written.pop_front();
        lock.unlock();
        told();
    }
}

bool QueuedStudentStore::busy() const {
    const std::lock_guard lock(m_mutex);
    return m_writing || !m_waiting.empty() || !m_written.empty();
}

void QueuedStudentStore::settle() {
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_waiting.empty() && !m_writing; });
    }
    tellWritten();
}

void QueuedStudentStore::waitForTurn() {
    if (std::this_thread::get_id() != m_writer.get_id())
        settle();
}

void QueuedStudentStore::ask(Work work) {
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.push_back(std::move(work));
    }
    m_changed.notify_all();
}

void QueuedStudentStore::saveInBackground(const QString& name, const StudentRecord& record,
                                          const std::function<void(const FileOutcome&)>& done) {
    ask([this, name, record, done]() -> Tell {
        FileOutcome outcome = m_inner->save(name, record);
        return [done, outcome] { done(outcome); };
    });
}

void QueuedStudentStore::runInTurn(const std::function<void()>& work,
                                   const std::function<void()>& done) {
    ask([work, done]() -> Tell {
        work();
        return done;
    });
}

void QueuedStudentStore::touchLocks() {
    ask([this]() -> Tell {
        m_inner->touchLocks();
        return [] {};
    });
}

FileOutcome QueuedStudentStore::load(const QString& name, StudentRecord& record) {
    waitForTurn();
    return m_inner->load(name, record);
}

FileOutcome QueuedStudentStore::save(const QString& name, const StudentRecord& record) {
    waitForTurn();
    return m_inner->save(name, record);
}

FileOutcome QueuedStudentStore::create(const QString& name, StudentRecord& record) {
    waitForTurn();
    return m_inner->create(name, record);
}

FileOutcome QueuedStudentStore::rewrite(const QString& name, const StudentRecord& record) {
    waitForTurn();
    return m_inner->rewrite(name, record);
}

void QueuedStudentStore::remove(const QString& name) {
    waitForTurn();
    m_inner->remove(name);
}

LockOutcome QueuedStudentStore::lock(const QString& name) {
    waitForTurn();
    return m_inner->lock(name);
}

void QueuedStudentStore::unlock(const QString& name) {
    waitForTurn();
    m_inner->unlock(name);
}

} // namespace kf
