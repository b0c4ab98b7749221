// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WorkingFolder.h"

#include "core/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kf {

QString WorkingFolder::filePath(const QString& name) const {
    const QDir dir(m_dir);
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    const QStringList all = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : all) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return dir.filePath(name);
}

bool WorkingFolder::exists(const QString& name) const {
    return QFileInfo(filePath(name)).isFile();
}

QStringList WorkingFolder::filesEndingWith(const QString& ending) const {
    // Compared here rather than with a QDir name filter: QDir compiles each filter into a
    // regular expression, which at start alone maps and touches half a megabyte of the pattern
    // library. The order is QDir's, as filtering keeps it.
    QStringList files = QDir(m_dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    files.removeIf(
        [&](const QString& file) { return !file.endsWith(ending, Qt::CaseInsensitive); });
    return files;
}

QString WorkingFolder::defaultLocation() {
    QString home = qEnvironmentVariable("KEYFARER_HOME");
    if (!home.isEmpty())
        return home;
    // Named here rather than taken from the application's name, so that every program of ours
    // (and every test) agrees on it: normally ~/.local/share/keyfarer.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("keyfarer"));
}

QString WorkingFolder::shippedFilesLocation() {
    QString share = qEnvironmentVariable("KEYFARER_SHARE");
    if (!share.isEmpty())
        return share;
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/keyfarer"));
}

QString WorkingFolder::makeAndFill(const QString& shippedFrom) const {
    // The installed files are shared by every user and may sit on a read-only disk; the
    // keyboard pictures are rewritten in the working folder, so it can never be that one.
    const QString canonical = QFileInfo(m_dir).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == QFileInfo(shippedFrom).canonicalFilePath())
        return QCoreApplication::translate(
                   "WorkingFolder",
                   "The folder \"%1\" holds Keyfarer's installed pictures and sounds, "
                   "which are never changed. Give Keyfarer another working folder "
                   "(the option --working-folder or the variable KEYFARER_HOME).")
            .arg(m_dir);
    QDir dir(m_dir);
    if (dir.exists())
        return {};
    qCInfo(logFolder).noquote() << "making" << m_dir << "and copying the shipped files from"
                                << shippedFrom;
    if (!QDir().mkpath(m_dir))
        return QCoreApplication::translate("WorkingFolder",
                                           "The folder \"%1\" could not be created.")
            .arg(m_dir);
    const QDir source(shippedFrom);
    const QStringList files = source.entryList(QDir::Files);
    if (files.isEmpty())
        return QCoreApplication::translate("WorkingFolder",
                                           "No shipped pictures and sounds were found in \"%1\".")
            .arg(shippedFrom);
    for (const QString& name : files) {
        if (!QFile::copy(source.filePath(name), dir.filePath(name)))
            return QCoreApplication::translate("WorkingFolder",
                                               "The file \"%1\" could not be copied into \"%2\".")
                .arg(name, m_dir);
        // Copies of read-only installed files would stay read-only; the pictures are rebuilt
        // here when the nationality changes.
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ReadGroup | QFile::ReadOther);
    }
    return {};
}

QString WorkingFolder::prepare(const QString& shippedFrom) const {
    QString problem = makeAndFill(shippedFrom);
    if (problem.isEmpty())
        qCInfo(logFolder).noquote() << "working folder" << m_dir << "ready";
    else
        qCInfo(logFolder).noquote() << "working folder" << m_dir << "refused:" << problem;
    return problem;
}

} // namespace kf
