// SPDX-License-Identifier: GPL-3.0-or-later
// Keyfarer: reads the command line, builds the platform services, the shared state and the main
// window, then runs.

#include "app/CommandLine.h"
#include "app/Globals.h"
#include "app/InterfaceLanguage.h"
#include "app/MainWindow.h"
#include "core/WorkingFolderChoice.h"
#include "drills/DrillWindow.h"
#include "overview/ClassCsv.h"
#include "platform/DesktopShell.h"
#include "platform/EventSounds.h"
#include "platform/LazyPrinter.h"
#include "platform/LazySoundPlayer.h"
#include "platform/LazySpeechOutput.h"
#include "platform/MessageBoxDialogs.h"
#include "platform/Services.h"
#include "platform/SteadyClock.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QTextStream>
#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The program's icon from the icon theme folder installed beside it (share/icons/hicolor), so
// that the window shows it on desktops that do not look the desktop entry up. Window managers
// show a window's icon at 64 pixels at most; the larger pictures are for launchers, which read
// the theme themselves. Each size given to the window is decoded and sent to the X server at
// start, so the window gets only the small ones.
QIcon programIcon() {
    const QString hicolor =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/icons/hicolor/");
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        const QString file = hicolor + QStringLiteral("%1x%1/apps/" KF_APP_ID ".png").arg(size);
        if (QFileInfo::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon.isNull() ? QIcon::fromTheme(QStringLiteral(KF_APP_ID)) : icon;
}

// A settings file that named no usable working folder, for whoever started the program from a
// shell or reads the session's log.
void reportSettingProblems(const kf::WorkingFolderChoice& choice) {
    if (!choice.problems.isEmpty())
        std::fprintf(stderr, "keyfarer: %s\n", qPrintable(choice.report()));
}

// The class overview as CSV on standard output: no window, so no display is needed either.
int runClassCsv(int argc, char* argv[], const QString& folder, const QString& workingFolderOption) {
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("keyfarer"));
    // The column titles speak the desktop's language; the figures are the same in every one.
    kf::InterfaceLanguage language(
        kf::InterfaceLanguage::shippedLocation(kf::WorkingFolder::shippedFilesLocation()));
    language.apply(kf::interfaceLanguageFor(QLocale::system().uiLanguages()));
    QTextStream out(stdout);
    if (!folder.isEmpty())
        return kf::writeClassCsv(folder, out);
    const kf::WorkingFolderChoice choice = kf::chooseWorkingFolder(workingFolderOption);
    reportSettingProblems(choice);
    return kf::writeClassCsv(choice.path, out);
}

} // namespace

int main(int argc, char* argv[]) {
    // The class overview as CSV for a shell or a cron job: no display, no window.
    const QStringList arguments = argumentsOf(argc, argv);
    if (const std::optional<QString> csvFolder = kf::classCsvRequest(arguments)) {
        QStringList others = arguments;
        others.removeAll(QStringLiteral("--class-csv"));
        // Without a folder of its own it reads the working folder, --working-folder included.
        return runClassCsv(argc, argv, *csvFolder, kf::parseCommandLine(others).workingFolder);
    }

    // Read before the application object exists: --help and --version need no display.
    const kf::CommandLine commandLine = kf::parseCommandLine(arguments);
    if (commandLine.outcome != kf::CommandLine::Outcome::Run) {
        std::FILE* out = commandLine.outcome == kf::CommandLine::Outcome::Refuse ? stderr : stdout;
        std::fprintf(out, "%s\n", qPrintable(commandLine.text));
        return commandLine.exitStatus();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keyfarer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Keyfarer"));
    QApplication::setApplicationVersion(kf::programVersion());
    // Ties the windows to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KF_APP_ID));
    QApplication::setWindowIcon(programIcon());

    // Sound and printing come from their modules when first used.
    kf::LazySoundPlayer sound;
    kf::DesktopShell shell;
    kf::LazyPrinter printer;
    kf::MessageBoxDialogs dialogs;
    kf::SteadyClock clock;
    kf::LazySpeechOutput speech;
    kf::Services services{sound, shell, printer, dialogs, clock, speech};

    // The desktop's language decides until a student who chose another one becomes current.
    kf::InterfaceLanguage language(
        kf::InterfaceLanguage::shippedLocation(kf::WorkingFolder::shippedFilesLocation()));
    language.apply(kf::interfaceLanguageFor(QLocale::system().uiLanguages()));

    const kf::WorkingFolderChoice choice = kf::chooseWorkingFolder(commandLine.workingFolder);
    reportSettingProblems(choice);
    if (!choice.problems.isEmpty())
        dialogs.information(choice.report());
    const kf::WorkingFolder folder(choice.path);
    if (const QString problem = folder.prepare(kf::WorkingFolder::shippedFilesLocation());
        !problem.isEmpty()) {
        dialogs.error(problem);
        return 1;
    }

    kf::Globals globals(folder.path());
    kf::MainWindow mainWindow(globals, services);
    mainWindow.setInterfaceLanguage(&language);
    mainWindow.setDrillWindowFactory([&globals, &services](kf::MainWindow& main) -> QWidget* {
        return new kf::DrillWindow(globals.drillWindowState(), services, &main);
    });
    mainWindow.show();
    sound.prepareWhenIdle(kf::eventSoundFiles(folder));
    return QApplication::exec();
}
