// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace kf {

// Who holds a student's lock, as the lock file says: the process and machine QLockFile wrote into
// it, and when a running copy last touched it. Anyone who may write in the folder can write a lock
// file, so what it says is read with a bound and shown only as plain text.
struct LockHolder {
    qint64 pid = 0;
    QString host; // plain text: no control characters, at most kLongestHost characters
    QDateTime touched;

    static constexpr qsizetype kLongestHost = 64;
    // QLockFile writes five short lines; anything much longer is no lock of a running copy.
    static constexpr qint64 kMostLockBytes = 4096;

    // Why the file at path cannot be a lock of a running copy, or empty when it may be one (or
    // is missing). QLockFile would wait for ever on a pipe, or read /dev/zero without end.
    static QString oddness(const QString& path);

    // The holder of the lock at path, or nothing when the file cannot be read under the folder's
    // rule (a pipe, a folder, a link out of the folder, a file far too large).
    static std::optional<LockHolder> read(const QString& path);

    // Whether nobody holds the lock any more: its process on this machine has ended, or nobody
    // touched it for staleMs, on whichever machine and whoever's the file is.
    bool isStale(qint64 staleMs, const QDateTime& now) const;
};

} // namespace kf
