// SPDX-License-Identifier: GPL-3.0-or-later
// Keyfarer: builds the platform services, the shared state and the main window, then runs.

#include "app/Globals.h"
#include "app/Services.h"
#include "app/mainForm.h"
#include "drills/beg.h"
#include "platform/DesktopShell.h"
#include "platform/MessageBoxDialogs.h"
#include "platform/QtPrinter.h"
#include "platform/QtSoundPlayer.h"
#include "platform/SteadyClock.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keyfarer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Keyfarer"));

    kf::QtSoundPlayer sound;
    kf::DesktopShell shell;
    kf::QtPrinter printer;
    kf::MessageBoxDialogs dialogs;
    kf::SteadyClock clock;
    kf::Services services{sound, shell, printer, dialogs, clock};

    const kf::WorkingFolder folder(kf::WorkingFolder::defaultLocation());
    if (const QString problem = folder.prepare(kf::WorkingFolder::shippedFilesLocation());
        !problem.isEmpty()) {
        dialogs.error(problem);
        return 1;
    }

    kf::Globals globals(folder.path());
    kf::TForm1 mainWindow(globals, services);
    mainWindow.setDrillWindowFactory([&globals, &services](kf::TForm1& main) -> QWidget* {
        return new kf::TBegForm(globals, services, &main);
    });
    mainWindow.show();
    return QApplication::exec();
}
