// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

namespace kf {

class StudentStore;

// The window waits for the working folder without freezing: work runs in the store's turn, off
// the window's thread where the store has a thread of its own, while the window's event loop
// turns. It keeps painting, a busy cursor shows, and the student's keys and clicks are held back
// (a message box that asks meanwhile still gets them) until the work is over.
class FolderWait : public QObject {
    Q_OBJECT
public:
    // Comes back when work is over. What the store was asked before is done and told first, as
    // it may act on what work is about to change.
    void run(StudentStore& store, const std::function<void()>& work);
    bool waiting() const { return m_depth > 0; }

signals:
    // The last wait is over; a queued connection hears it after whoever waited has acted.
    void over();

private:
    int m_depth = 0;
};

} // namespace kf
