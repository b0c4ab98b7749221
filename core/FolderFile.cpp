// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderFile.h"

#include "core/GroupShare.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kf::folderFile {

namespace {

// These texts first belonged to the student files, and keep their translations there.
QString text(const char* source) {
    return QCoreApplication::translate("FolderStudentStore", source);
}

#ifdef Q_OS_UNIX
QString kindOf(mode_t mode) {
    if (S_ISFIFO(mode))
        return text(QT_TRANSLATE_NOOP("FolderStudentStore", "a named pipe"));
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return text(QT_TRANSLATE_NOOP("FolderStudentStore", "a device"));
    if (S_ISSOCK(mode))
        return text(QT_TRANSLATE_NOOP("FolderStudentStore", "a socket"));
    if (S_ISDIR(mode))
        return text(QT_TRANSLATE_NOOP("FolderStudentStore", "a folder"));
    return text(QT_TRANSLATE_NOOP("FolderStudentStore", "not an ordinary file"));
}

QString isKind(mode_t mode) {
    return text(QT_TRANSLATE_NOOP("FolderStudentStore", "it is %1")).arg(kindOf(mode));
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A file that is replaced keeps its group and permissions, so classmates sharing the folder
// through a group can still write it.
void keepOwnership(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return;
    if (now.st_gid != old.st_gid && ::fchown(fd, uid_t(-1), old.st_gid) != 0)
        return; // not a member of that group: the file stays this account's
    static_cast<void>(::fchmod(fd, old.st_mode & 07777));
}

// A new file gets what the folder's users get for any new file (the umask).
void giveUsualPermissions(int fd) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    static_cast<void>(::fchmod(fd, 0666 & ~mask));
}
#endif

QString canonicalFolder(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(folder).absoluteFilePath() : canonical;
}

} // namespace

QString oddness(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (target.isEmpty())
            return text(QT_TRANSLATE_NOOP("FolderStudentStore", "it is a link that leads nowhere"));
        if (QFileInfo(target).absolutePath() != canonicalFolder(info.absolutePath()))
            return text(QT_TRANSLATE_NOOP("FolderStudentStore",
                                          "it is a link leading out of the working folder"));
    }
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return isKind(st.st_mode);
#else
    if (info.exists() && !info.isFile())
        return text(QT_TRANSLATE_NOOP("FolderStudentStore", "it is %1"))
            .arg(text(QT_TRANSLATE_NOOP("FolderStudentStore", "not an ordinary file")));
#endif
    return {};
}

namespace {

// Opens without blocking and keeps the file only when it is an ordinary one, wherever it is.
bool openOrdinary(QFile& file, QString* why) {
    const QString path = file.fileName();
#ifdef Q_OS_UNIX
    // Non-blocking: a pipe, even one put here after any check, still opens at once, and is then
    // refused by what the open file is.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *why = systemReason(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *why = isKind(st.st_mode);
        ::close(fd);
        return false;
    }
    // A regular file never blocks; the flag is taken back so reads behave as usual.
    static_cast<void>(::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK));
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *why = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
#else
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return false;
    }
    return true;
#endif
}

} // namespace

bool openForReading(QFile& file, QString* why) {
    if (QString odd = oddness(file.fileName()); !odd.isEmpty()) {
        *why = std::move(odd);
        return false;
    }
    return openOrdinary(file, why);
}

Read read(const QString& path, qint64 mostBytes, Links links) {
    Read out;
    if (!QFileInfo(path).isSymLink() && !QFileInfo::exists(path)) {
        out.status = Read::Status::Missing;
        return out;
    }
    if (links == Links::StayInFolder)
        out.why = oddness(path);
    if (!out.why.isEmpty()) {
        out.status = Read::Status::Odd;
        return out;
    }
    QFile file(path);
    if (!openOrdinary(file, &out.why)) {
        out.status = Read::Status::Failed;
        return out;
    }
    out.size = file.size();
    if (out.size > mostBytes) {
        out.status = Read::Status::TooLarge;
        return out;
    }
    // Never more than the bound, even from a file that grows while it is read.
    out.bytes = file.read(mostBytes);
    if (file.error() != QFileDevice::NoError) {
        out.status = Read::Status::Failed;
        out.why = file.errorString();
        out.bytes.clear();
    }
    out.size = out.bytes.size();
    return out;
}

QImage readPicture(const QString& path) {
    // The largest shipped picture is a few hundred kilobytes; this leaves room for any a teacher
    // might put in their place.
    constexpr qint64 kMostPictureBytes = qint64(32) * 1024 * 1024;
    const Read picture = read(path, kMostPictureBytes, Links::Anywhere);
    if (!picture.done())
        return {};
    return QImage::fromData(picture.bytes);
}

QString write(const QString& path, QByteArrayView content, Links links) {
    if (QString odd = oddness(path); !odd.isEmpty() && links == Links::StayInFolder)
        return odd;
#ifdef Q_OS_UNIX
    // Replacing needs only the folder, so another account's file can be written in a shared
    // folder; but a file nobody may write was made read-only on purpose and is kept.
    struct stat kept {};
    if (::stat(QFile::encodeName(path).constData(), &kept) == 0 && S_ISREG(kept.st_mode) &&
        (kept.st_mode & 0222) == 0)
        return text(QT_TRANSLATE_NOOP("FolderStudentStore", "it is marked read-only"));
#endif
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return file.errorString();
    if (file.write(content.data(), content.size()) != content.size() || !file.flush())
        return file.errorString();
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    struct stat old {};
    if (::lstat(native.constData(), &old) == 0 && S_ISREG(old.st_mode))
        keepOwnership(file.handle(), old);
    else
        giveUsualPermissions(file.handle());
    shareWithFolderGroup(file.fileName());
    if (::fsync(file.handle()) != 0)
        return systemReason(errno);
    // rename() puts the new file in the place of the name itself: a link standing there is
    // replaced, and whatever it pointed to is left as it was.
    if (std::rename(QFile::encodeName(file.fileName()).constData(), native.constData()) != 0)
        return systemReason(errno);
#else
    QFile::remove(path);
    if (!file.rename(path))
        return file.errorString();
#endif
    file.setAutoRemove(false);
    return {};
}

bool isOrdinary(const QString& path, qint64 mostBytes) {
    const QFileInfo info(path);
    return info.isFile() && info.size() <= mostBytes;
}

bool touch(const QString& path) {
#ifdef Q_OS_UNIX
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), nullptr,
                       AT_SYMLINK_NOFOLLOW) == 0;
#else
    QFile file(path);
    return file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) &&
           file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
#endif
}

} // namespace kf::folderFile
