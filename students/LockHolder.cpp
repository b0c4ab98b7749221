// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/LockHolder.h"

#include "core/FolderFile.h"
#include "core/PlainText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace kf {

namespace {

bool processRuns(qint64 pid) {
#ifdef Q_OS_UNIX
    // EPERM: the process is there, but another account's.
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
#else
    Q_UNUSED(pid);
    return true;
#endif
}

} // namespace

QString LockHolder::oddness(const QString& path) {
    if (QString odd = folderFile::oddness(path); !odd.isEmpty())
        return odd;
    const QFileInfo info(path);
    if (info.exists() && info.size() > kMostLockBytes)
        return QCoreApplication::translate("FolderStudentStore",
                                           "it holds %1 bytes, far more than any lock")
            .arg(info.size());
    return {};
}

std::optional<LockHolder> LockHolder::read(const QString& path) {
    const folderFile::Read lockFile = folderFile::read(path, kMostLockBytes);
    if (!lockFile.done())
        return std::nullopt;
    const QList<QByteArray> lines = lockFile.bytes.split('\n');
    LockHolder holder;
    holder.pid = lines.value(0).trimmed().toLongLong();
    holder.host = plainText(QString::fromUtf8(lines.value(2)), kLongestHost).trimmed();
    holder.touched = QFileInfo(path).lastModified().toUTC();
    return holder;
}

bool LockHolder::isStale(qint64 staleMs, const QDateTime& now) const {
    if (host == QSysInfo::machineHostName() && !processRuns(pid))
        return true;
    return touched.isValid() && touched.msecsTo(now) > staleMs;
}

} // namespace kf
