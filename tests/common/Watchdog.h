// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends a test program that hangs: a step that waits on a pipe for ever would otherwise hold the
// whole run until CI's own time limit, and say nothing about where.

#include <QFile>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace kf::test {

class Watchdog {
public:
    Watchdog(const char* what, std::chrono::milliseconds limit)
        : m_thread([this, what, limit] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
                std::fprintf(stderr, "FAIL: %s still runs after %lld ms\n", what,
                             static_cast<long long>(limit.count()));
                std::_Exit(EXIT_FAILURE);
            }
        }) {}
    ~Watchdog() {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

// The memory this process holds now, in kilobytes (0 where the system does not say).
inline qint64 residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

} // namespace kf::test
