// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/QueuedStudentStore.h"

namespace kf {

QueuedStudentStore::QueuedStudentStore(std::unique_ptr<StudentStore> inner)
    : m_inner(std::move(inner))
    , m_writer([this] { writeInTurn(); }) {
    QObject::connect(
        &m_teller, &SaveWrittenSignal::written, &m_teller, [this] { tellWritten(); },
        Qt::QueuedConnection);
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
        Save next = std::move(m_waiting.front());
        m_waiting.pop_front();
        m_writing = true;
        lock.unlock();
        next.outcome = m_inner->save(next.name, next.record);
        lock.lock();
        m_written.push_back(std::move(next));
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
        Save told = std::move(m_written.front());
        m_written.pop_front();
        lock.unlock();
        told.done(told.outcome);
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

void QueuedStudentStore::saveInBackground(const QString& name, const StudentRecord& record,
                                          const std::function<void(const FileOutcome&)>& done) {
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.push_back({name, record, done, {}});
    }
    m_changed.notify_all();
}

FileOutcome QueuedStudentStore::load(const QString& name, StudentRecord& record) {
    settle();
    return m_inner->load(name, record);
}

FileOutcome QueuedStudentStore::save(const QString& name, const StudentRecord& record) {
    settle();
    return m_inner->save(name, record);
}

FileOutcome QueuedStudentStore::create(const QString& name, StudentRecord& record) {
    settle();
    return m_inner->create(name, record);
}

FileOutcome QueuedStudentStore::rewrite(const QString& name, const StudentRecord& record) {
    settle();
    return m_inner->rewrite(name, record);
}

void QueuedStudentStore::remove(const QString& name) {
    settle();
    m_inner->remove(name);
}

LockOutcome QueuedStudentStore::lock(const QString& name) {
    settle();
    return m_inner->lock(name);
}

void QueuedStudentStore::unlock(const QString& name) {
    settle();
    m_inner->unlock(name);
}

} // namespace kf
