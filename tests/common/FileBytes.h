// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whole files read and written as bytes, for tests that prepare a folder or check what a save
// left on disk.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kf::test {

// The file's bytes; empty when it cannot be read.
inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file's content; false unless every byte was written.
inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace kf::test
