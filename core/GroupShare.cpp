// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/GroupShare.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kf {

void shareWithFolderGroup([[maybe_unused]] const QString& path) {
#ifdef Q_OS_UNIX
    struct stat folder {};
    const QByteArray folderName = QFile::encodeName(QFileInfo(path).absolutePath());
    if (::stat(folderName.constData(), &folder) != 0 || (folder.st_mode & (S_ISGID | S_IWGRP)) == 0)
        return;
    // Through a descriptor, so that a link or a pipe put in the file's place is never followed
    // or waited for.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat file {};
    if (::fstat(fd, &file) == 0 && S_ISREG(file.st_mode)) {
        // Fails unless this account is in the folder's group: the file then keeps its own.
        if (file.st_gid != folder.st_gid)
            static_cast<void>(::fchown(fd, uid_t(-1), folder.st_gid));
        const mode_t mode =
            ((file.st_mode & 0777) | S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP) & ~mode_t(S_IWOTH);
        if (mode != (file.st_mode & 0777))
            static_cast<void>(::fchmod(fd, mode));
    }
    ::close(fd);
#endif
}

} // namespace kf
