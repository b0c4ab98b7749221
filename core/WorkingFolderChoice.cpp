// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WorkingFolderChoice.h"

#include "core/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <optional>

namespace kf {

namespace {

const QString kSettingsName = QStringLiteral("keyfarer");
const QString kWorkingFolderKey = QStringLiteral("WorkingFolder");

QString settingNotUsed(const QString& file, const QString& why) {
    return QCoreApplication::translate("WorkingFolderChoice",
                                       "The setting WorkingFolder in \"%1\" is not used: %2")
        .arg(file, why);
}

// Why value cannot be a working folder, or empty when it can be one (made when missing).
QString unusableFolder(const QString& value) {
    if (value.trimmed().isEmpty())
        return QCoreApplication::translate("WorkingFolderChoice", "it names no folder.");
    if (QDir::isRelativePath(value))
        return QCoreApplication::translate("WorkingFolderChoice",
                                           "\"%1\" is not a full path; it must begin with \"/\".")
            .arg(value);
    const QFileInfo info(value);
    if (info.exists() && !info.isDir())
        return QCoreApplication::translate("WorkingFolderChoice", "\"%1\" is not a folder.")
            .arg(value);
    return {};
}

// The folder one settings file names, or nothing when it names none; a file that cannot be read
// or names something unusable adds a problem.
std::optional<QString> folderFromSettings(QSettings::Scope scope, QStringList& problems) {
    QSettings settings(QSettings::NativeFormat, scope, kSettingsName);
    // Read each file on its own: the user's would otherwise fall back to the machine's, and a
    // problem would be blamed on the wrong file.
    settings.setFallbacksEnabled(false);
    const QString file = settings.fileName();
    if (!QFileInfo::exists(file))
        return std::nullopt;
    if (settings.status() == QSettings::AccessError) {
        problems << settingNotUsed(
            file, QCoreApplication::translate("WorkingFolderChoice", "the file cannot be read."));
        return std::nullopt;
    }
    if (settings.status() == QSettings::FormatError) {
        problems << settingNotUsed(
            file, QCoreApplication::translate("WorkingFolderChoice",
                                              "the file is not in the settings format "
                                              "(lines such as WorkingFolder=/srv/class under "
                                              "[General])."));
        return std::nullopt;
    }
    if (!settings.contains(kWorkingFolderKey))
        return std::nullopt;
    const QString value = settings.value(kWorkingFolderKey).toString();
    if (const QString why = unusableFolder(value); !why.isEmpty()) {
        problems << settingNotUsed(file, why);
        return std::nullopt;
    }
    return QDir::cleanPath(value);
}

} // namespace

WorkingFolderChoice chooseWorkingFolder(const QString& commandLineFolder) {
    WorkingFolderChoice choice;
    if (!commandLineFolder.isEmpty()) {
        choice.path = QDir(commandLineFolder).absolutePath();
        choice.source = QStringLiteral("--working-folder");
    } else if (const QString home = qEnvironmentVariable("KEYFARER_HOME"); !home.isEmpty()) {
        choice.path = home;
        choice.source = QStringLiteral("KEYFARER_HOME");
    } else if (const auto user = folderFromSettings(QSettings::UserScope, choice.problems)) {
        choice.path = *user;
        choice.source =
            QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsName).fileName();
    } else if (const auto machine = folderFromSettings(QSettings::SystemScope, choice.problems)) {
        choice.path = *machine;
        choice.source =
            QSettings(QSettings::NativeFormat, QSettings::SystemScope, kSettingsName).fileName();
    } else {
        // Named here rather than taken from the application's name, so that every program of
        // ours (and every test) agrees on it: normally ~/.local/share/keyfarer.
        choice.path = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                          .filePath(QStringLiteral("keyfarer"));
        choice.source = QStringLiteral("the user's data folder");
    }
    qCInfo(logFolder).noquote() << "working folder" << choice.path << "from" << choice.source;
    return choice;
}

QString WorkingFolderChoice::report() const {
    if (problems.isEmpty())
        return {};
    return problems.join(u'\n') + u'\n' +
           QCoreApplication::translate("WorkingFolderChoice", "Keyfarer works in \"%1\" instead.")
               .arg(path);
}

} // namespace kf
