// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <array>

namespace kf {

namespace {

// The options the toolkit takes out of the command line when the application object is made.
// They are parsed here only so that they are not refused; they stay out of the help text.
struct ToolkitOption {
    const char* name;
    bool takesValue;
};
constexpr std::array<ToolkitOption, 22> kToolkitOptions{{
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true},
    {"qwindowicon", true},   {"qwindowtitle", true},
    {"session", true},       {"style", true},
    {"stylesheet", true},    {"display", true},
    {"geometry", true},      {"title", true},
    {"name", true},          {"visual", true},
    {"ncols", true},         {"reverse", false},
    {"widgetcount", false},  {"nograb", false},
    {"dograb", false},       {"sync", false},
}};

constexpr const char* kProgram = "keyfarer";

QString tryHelp() {
    return QStringLiteral("Try '%1 --help' for more information.").arg(QLatin1String(kProgram));
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Single-dash words are whole options, as the toolkit reads them: "-platform xcb".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("A typing tutor that teaches the keyboard key by key.\n\n"
                       "Student files, pictures and sounds live in the working folder: the one\n"
                       "given with --working-folder, else $KEYFARER_HOME, else WorkingFolder=\n"
                       "under [General] in ~/.config/keyfarer.conf, else in\n"
                       "/etc/xdg/keyfarer.conf, else the per-user data folder (normally\n"
                       "~/.local/share/keyfarer). See also: man keyfarer"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption workingFolder(
        QStringLiteral("working-folder"),
        QStringLiteral("Keep the student files, pictures and sounds in <folder> (made and filled "
                       "on first use). Overrides KEYFARER_HOME and the settings files."),
        QStringLiteral("folder"));
    // Taken before this parser runs (the CSV needs no application object); listed for --help.
    const QCommandLineOption classCsv(
        QStringLiteral("class-csv"),
        QStringLiteral("Write the class overview of [FOLDER] (default: the working folder) as CSV "
                       "to standard output and exit. Needs no display."));
    parser.addOptions({help, version, workingFolder, classCsv});
    for (const ToolkitOption& toolkit : kToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(toolkit.name));
        if (toolkit.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.outcome = CommandLine::Outcome::Refuse;
        result.text = QLatin1String(kProgram) + QStringLiteral(": ") + parser.errorText() +
                      QLatin1Char('\n') + tryHelp();
        return result;
    }
    if (parser.isSet(help)) {
        result.outcome = CommandLine::Outcome::ShowHelp;
        // The parser's usage line names the program by the path it was started with.
        const QString options = parser.helpText().section(QLatin1Char('\n'), 1);
        result.text =
            QStringLiteral("Usage: %1 [options]\n").arg(QLatin1String(kProgram)) + options;
        return result;
    }
    if (parser.isSet(version)) {
        result.outcome = CommandLine::Outcome::ShowVersion;
        result.text = QStringLiteral("%1 %2").arg(QLatin1String(kProgram), programVersion());
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.outcome = CommandLine::Outcome::Refuse;
        result.text = QStringLiteral("%1: unexpected argument '%2'.\n")
                          .arg(QLatin1String(kProgram), parser.positionalArguments().constFirst()) +
                      tryHelp();
        return result;
    }
    result.workingFolder = parser.value(workingFolder);
    if (parser.isSet(workingFolder) && result.workingFolder.isEmpty()) {
        result.outcome = CommandLine::Outcome::Refuse;
        result.text = QStringLiteral("%1: --working-folder needs a folder name.\n")
                          .arg(QLatin1String(kProgram)) +
                      tryHelp();
    }
    return result;
}

QString programVersion() {
    return QStringLiteral(KF_VERSION);
}

} // namespace kf
