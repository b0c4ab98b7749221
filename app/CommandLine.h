// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace kf {

// What the command line asks for. Read before the application object exists, so that --help
// and --version answer without a display.
struct CommandLine {
    enum class Outcome { Run, ShowHelp, ShowVersion, Refuse };

    Outcome outcome = Outcome::Run;
    // The help or version text for standard output, or why the line was refused for standard
    // error.
    QString text;
    // --working-folder: empty when not given (chooseWorkingFolder() takes the next source then).
    QString workingFolder;

    // The exit status when the program stops here: 0 after help or version, 2 for a bad line.
    int exitStatus() const { return outcome == Outcome::Refuse ? 2 : 0; }
};

// arguments as the program received them, the program's name first. The toolkit's own options
// (-platform, -style, ...) are accepted and left for the application object to take.
CommandLine parseCommandLine(const QStringList& arguments);

// The version of this build, as --version and the About box show it.
QString programVersion();

} // namespace kf
