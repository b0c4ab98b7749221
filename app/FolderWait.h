// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

namespace kf {

class StudentStore;

// The window waits for the working folder without freezing: work runs in the store's turn, off
// the window's thread where the store has a thread of its own, while the window's event loop
// turns. It keeps painting, a busy cursor shows, and the student's keys and clicks are held back
// (a message box that asks meanwhile still gets them) until the work is over.
class FolderWait {
public:
    // Comes back when work is over. What the store was asked before is done and told first, as
    // it may act on what work is about to change.
    void run(StudentStore& store, const std::function<void()>& work);
    bool waiting() const { return m_depth > 0; }
    // then runs on context's thread once no wait is left: at once when none runs, or else after
    // the one running has come back to whoever asked for it.
    void afterwards(QObject* context, std::function<void()> then);

private:
    void runAfterwards();

    int m_depth = 0;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_afterwards;
};

} // namespace kf
