// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WorkingFolder.h"

#include "core/GroupShare.h"
#include "core/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace kf {

namespace {

// What stands at path when it exists and is no folder, as a message names it; otherwise empty.
QString notAFolder(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return {};
    if (info.isFile())
        return QCoreApplication::translate("WorkingFolder", "a file");
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode))
        return QCoreApplication::translate("WorkingFolder", "a named pipe");
#endif
    return QCoreApplication::translate("WorkingFolder", "a device or a socket");
}

} // namespace

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
    if (const QString kind = notAFolder(m_dir); !kind.isEmpty())
        return QCoreApplication::translate("WorkingFolder",
                                           "\"%1\" is %2, not a folder. Give Keyfarer a folder "
                                           "as its working folder.")
            .arg(m_dir, kind);
    const QStringList shipped = QDir(shippedFrom).entryList(QDir::Files);
    if (QDir(m_dir).exists()) {
        // A folder an admin prepared for a class (its group and permissions set, nothing in
        // it yet, or only student files) is filled like a new one; one that holds some of the
        // shipped files is the user's own, and what is missing there is reported when needed.
        if (shipped.isEmpty() || holdsAnyOf(shipped))
            return {};
        qCInfo(logFolder).noquote()
            << "filling the prepared folder" << m_dir << "from" << shippedFrom;
        return fill(shippedFrom);
    }
    qCInfo(logFolder).noquote() << "making" << m_dir << "and copying the shipped files from"
                                << shippedFrom;
    if (!QDir().mkpath(m_dir))
        return QCoreApplication::translate("WorkingFolder",
                                           "The folder \"%1\" could not be created.")
            .arg(m_dir);
    return fill(shippedFrom);
}

bool WorkingFolder::holdsAnyOf(const QStringList& names) const {
    return std::any_of(names.begin(), names.end(),
                       [this](const QString& name) { return exists(name); });
}

QString WorkingFolder::fill(const QString& shippedFrom) const {
    const QDir source(shippedFrom);
    const QDir dir(m_dir);
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
        shareWithFolderGroup(dir.filePath(name));
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
