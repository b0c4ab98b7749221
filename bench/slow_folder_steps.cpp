// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window waits for the working folder at the steps that touch it: a set's end (the
// student's file written, and her presses into her journal), a change of student as the window
// makes it (the incoming file read and locked, the outgoing one rolled over and written, her
// journal written) and the class overview (opened until its table is filled). Run on
// a slow folder by bench/slow_folder_probe.sh; prints, per step, the longest time the GUI
// thread did not come back to its event loop, the median of the runs.
//   slow_folder_steps <working folder> [runs]
#include "app/FolderWait.h"
#include "core/WorkingFolder.h"
#include "overview/ClassOverviewWindow.h"
#include "platform/doubles/DoubleServices.h"
#include "students/FolderStudentStore.h"
#include "students/QueuedStudentStore.h"
#include "students/SaveStudent.h"
#include "students/StudentSession.h"
#include "students/WriteJournal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace kf;

namespace {

// The longest gap between two turns of the event loop while step runs, in milliseconds; done is
// asked after each turn and ends the watch.
qint64 longestStall(const std::function<void()>& step, const std::function<bool()>& done) {
    QElapsedTimer clock;
    qint64 longest = 0;
    qint64 last = 0;
    QTimer beat;
    beat.setInterval(1);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    beat.start();
    QTimer::singleShot(0, [&] {
        last = clock.elapsed();
        step();
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    QCoreApplication::processEvents();
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents();
    return longest;
}

qint64 median(std::vector<qint64> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <working folder> [runs]\n", argv[0]);
        return 2;
    }
    const WorkingFolder folder(QString::fromLocal8Bit(argv[1]));
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    DoubleServices doubles;
    QueuedStudentStore store(std::make_unique<FolderStudentStore>(folder));
    StudentRecord record;
    QString current;
    DrillSessionFigures drill;
    SectionUsage usage;
    StudentSession session(store, record, current, drill, usage);
    session.keepJournalIn(folder.path());
    if (!session.takeNew(QStringLiteral("Ann")).changed() &&
        !session.take(QStringLiteral("Ann")).changed()) {
        std::fprintf(stderr, "Ann could not be made in %s\n", argv[1]);
        return 1;
    }

    std::vector<qint64> setEnd;
    std::vector<qint64> journal;
    std::vector<qint64> change;
    std::vector<qint64> overview;
    for (int run = 0; run < runs; ++run) {
        bool saved = false;
        setEnd.push_back(longestStall(
            [&] {
                saveStudentInBackground(session, doubles.dialogs);
                saved = true;
            },
            [&] { return saved && !store.busy(); }));
        // A set of 20 presses, written to the journal at the set's end.
        for (int press = 0; press < 20; ++press)
            session.journalPress({0, 0, 0, 'a' + press % 5, 'a', true, 400, 0});
        bool written = false;
        journal.push_back(longestStall(
            [&] {
                writeJournal(session, doubles.dialogs);
                written = true;
            },
            [&] { return written && !store.busy(); }));
        bool changed = false;
        const QString other = run % 2 == 0 ? QStringLiteral("Bob") : QStringLiteral("Ann");
        if (run == 0)
            session.takeNew(QStringLiteral("Bob"));
        change.push_back(longestStall(
            [&] { FolderWait().run(store, [&] { changed = session.take(other).changed(); }); },
            [&] { return changed; }));
        ClassOverviewWindow* window = nullptr;
        overview.push_back(longestStall(
            [&] { window = ClassOverviewWindow::open(folder, doubles.services, nullptr); },
            [&] { return window != nullptr && !window->isLoading(); }));
        window->close();
        QCoreApplication::processEvents();
    }
    std::printf("slow folder %s, %d runs, the longest the window waited (median):\n", argv[1],
                runs);
    std::printf("  a set's end          %6lld ms\n", static_cast<long long>(median(setEnd)));
    std::printf("  the set's journal    %6lld ms\n", static_cast<long long>(median(journal)));
    std::printf("  a change of student  %6lld ms\n", static_cast<long long>(median(change)));
    std::printf("  the class overview   %6lld ms\n", static_cast<long long>(median(overview)));
    return 0;
}
