// SPDX-License-Identifier: GPL-3.0-or-later
// The first opening of the statistics window as the program does it: the charts module loaded
// from the modules folder, the window built, shown and painted. Prints the milliseconds from
// the request to the window exposed and painted; bench/first_use_probe.sh runs it in fresh
// processes under Xvfb.

#include "app/Globals.h"
#include "platform/doubles/DoubleServices.h"
#include "progress/OpenChartsWindow.h"
#include "students/StudentFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>
#include <QWindow>
#include <ctime>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    kf::Globals globals(folder.path());
    globals.currentUserName = QStringLiteral("Bench");
    kf::StudentFile::create(globals.studentFilePath(), globals.record);
    kf::DoubleServices doubles;
    QWidget mainWindow;
    mainWindow.resize(800, 600);
    mainWindow.show();
    while (!mainWindow.windowHandle() || !mainWindow.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);

    const auto processCpuMs = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    };
    const double cpuStart = processCpuMs();
    QElapsedTimer clock;
    clock.start();
    kf::openChartsWindow(globals.student(), doubles.services, &mainWindow, {});
    QWidget* charts = QApplication::activeWindow();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() == QStringLiteral("Statistics"))
            charts = w;
    }
    if (!charts || charts == &mainWindow)
        return 1;
    // The expose event paints the window before processEvents() returns.
    while (!charts->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // Wall time, and the processor time the process spent meanwhile (which a machine busy with
    // other work does not inflate).
    QTextStream(stdout) << clock.nsecsElapsed() / 1e6 << ' ' << processCpuMs() - cpuStart
                        << Qt::endl;
    return 0;
}
