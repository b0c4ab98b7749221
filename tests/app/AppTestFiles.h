// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files the application tests put into their temporary working folders.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>

namespace kf::test {

inline constexpr QSize kShippedPictureSize{587, 283};

// The five links of the user panel and the menu titles, in their order on the window.
inline const QStringList kLinkNames = {
    QStringLiteral("LabelNewUser"), QStringLiteral("LabelSelectUser"),
    QStringLiteral("LabelLastLesson"), QStringLiteral("LabelYourStats"),
    QStringLiteral("LabelPreferences")};
inline const QStringList kMenuTitles = {QStringLiteral("&Lessons"),
                                        QStringLiteral("&Beginners Drills"),
                                        QStringLiteral("Inter&mediate Drills"),
                                        QStringLiteral("&Advanced Drills"),
                                        QStringLiteral("A&dditional"),
                                        QStringLiteral("&Tests"),
                                        QStringLiteral("&Help")};

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A one-colour 24-bit bitmap.
inline bool writePicture(const QString& path, QSize size, QRgb colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture.save(path, "BMP");
}

// Copies a shipped file of this build into folder; false when the build has not made it.
inline bool copyShipped(const QString& name, const QDir& folder) {
    const QString share = qEnvironmentVariable("KEYFARER_SHARE");
    if (share.isEmpty() || !QFile::exists(QDir(share).filePath(name)))
        return false;
    QFile::remove(folder.filePath(name));
    return QFile::copy(QDir(share).filePath(name), folder.filePath(name));
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

// The sounds as shipped, or stand-ins: nothing in these tests plays them.
inline bool provideSounds(const QDir& folder) {
    for (const QString& name : soundFiles()) {
        if (!copyShipped(name, folder) &&
            !writeBytes(folder.filePath(name), QByteArrayLiteral("RIFF")))
            return false;
    }
    return true;
}

} // namespace kf::test
