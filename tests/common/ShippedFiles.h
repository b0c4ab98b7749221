// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files the build ships (keyboard pictures, sounds), put into the temporary working folders
// of the tests: the real ones where the build has made them, stand-ins otherwise.

#include "tests/common/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace kf::test {

inline constexpr QSize kShippedPictureSize{587, 283};

// A one-colour 24-bit bitmap.
inline bool writePicture(const QString& path, QSize size, QRgb colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture.save(path, "BMP");
}

// The folder the build put its shipped files in.
inline QDir shippedFolder() {
    return QDir(qEnvironmentVariable("KEYFARER_SHARE"));
}

// Copies a shipped file of this build into folder; false when the build has not made it.
inline bool copyShipped(const QString& name, const QDir& folder) {
    if (qEnvironmentVariable("KEYFARER_SHARE").isEmpty() || !shippedFolder().exists(name))
        return false;
    QFile::remove(folder.filePath(name));
    return QFile::copy(shippedFolder().filePath(name), folder.filePath(name));
}

// The English US keyboard pictures as shipped, or blank ones of the shipped size.
inline bool provideStartPictures(const QDir& folder) {
    for (const QString& name : {QStringLiteral("keybord20.bmp"), QStringLiteral("keybord10.bmp")}) {
        if (!copyShipped(name, folder) &&
            !writePicture(folder.filePath(name), kShippedPictureSize, qRgb(255, 255, 255)))
            return false;
    }
    return true;
}

inline const QStringList& soundFiles() {
    static const QStringList names = {QStringLiteral("click_2.wav"), QStringLiteral("done.wav"),
                                      QStringLiteral("error.wav"), QStringLiteral("start.wav"),
                                      QStringLiteral("type2.wav")};
    return names;
}

// The sounds as shipped, or stand-ins for tests that never play them.
inline bool provideSounds(const QDir& folder) {
    for (const QString& name : soundFiles()) {
        if (!copyShipped(name, folder) &&
            !writeBytes(folder.filePath(name), QByteArrayLiteral("RIFF")))
            return false;
    }
    return true;
}

// Every file the build ships, linked into folder (for tests that only read them).
inline void linkAllShipped(const QDir& folder) {
    const QDir shipped = shippedFolder();
    for (const QString& name : shipped.entryList(QDir::Files))
        QFile::link(shipped.absoluteFilePath(name), folder.filePath(name));
}

} // namespace kf::test
