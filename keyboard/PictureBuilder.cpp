// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/PictureBuilder.h"

#include "core/GroupShare.h"
#include "core/WorkingFolder.h"
#include "keyboard/KeyTable.h"
#include "keyboard/KeyboardFont.h"
#include "keyboard/Windows1252.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>
#include <array>
#include <cstddef>

namespace kf {

namespace {

// The Caps Lock and Control names were laid out for 9 and 10 points.
constexpr int kCapsLockPixels = 11;
constexpr int kControlPixels = 12;

// 96 dots per inch, written into every picture so that no header byte depends on the screen.
constexpr int kDotsPerMeter = 3780;

struct PlacedText {
    const char16_t* text;
    int x;
    int y;
};

struct LockAndControlNames {
    std::array<PlacedText, 2> capsLock;
    std::array<PlacedText, 2> control;
};

constexpr LockAndControlNames kEnglishNames{{{{u"Caps", 29, 102}, {u"Lock", 29, 115}}},
                                            {{{u"Ctrl", 29, 191}, {u"Ctrl", 534, 191}}}};

// Indexed by nationality code. German marks Caps Lock with a downward arrow built from "|" over
// "v", and calls the Control keys "Strg".
constexpr std::array<LockAndControlNames, kNationalityCount> kLockAndControlNames{{
    kEnglishNames,
    kEnglishNames,
    {{{{u"Bloq", 29, 102}, {u"May\u00fas", 29, 115}}}, kEnglishNames.control},
    {{{{u"|", 32, 107}, {u"v", 30, 112}}}, {{{u"Strg", 28, 191}, {u"Strg", 533, 191}}}},
    kEnglishNames,
    kEnglishNames,
}};

struct PictureFileNames {
    const char* labelled;
    const char* unlabelled;
};

constexpr std::array<PictureFileNames, kNationalityCount> kPictureFileNames{{
    {"keybord20.bmp", "keybord10.bmp"},
    {"ukbord20.bmp", "ukbord10.bmp"},
    {"spanishbord20.bmp", "spanishbord10.bmp"},
    {"germanbord20.bmp", "germanbord10.bmp"},
    {"italianbord20.bmp", "italianbord10.bmp"},
    {"frenchbord20.bmp", "frenchbord10.bmp"},
}};

std::size_t indexOf(Nationality nationality) {
    return static_cast<std::size_t>(nationality);
}

// The code comes from a byte of the student file, which may hold anything.
bool isKnown(Nationality nationality) {
    return indexOf(nationality) < static_cast<std::size_t>(kNationalityCount);
}

QImage blankCopy(const QImage& base) {
    QImage picture = base.convertToFormat(QImage::Format_RGB32);
    picture.setDotsPerMeterX(kDotsPerMeter);
    picture.setDotsPerMeterY(kDotsPerMeter);
    return picture;
}

void drawKeyLabels(QImage& picture, Nationality nationality) {
    QPainter painter(&picture);
    painter.setFont(keyLabelFont());
    painter.setPen(Qt::black);
    for (const PictureLabel& label : pictureLabels(nationality))
        drawTextAt(painter, QString(fromWindows1252(label.character)), QPoint(label.x, label.y));
}

QString writePicture(const QImage& picture, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        return QCoreApplication::translate("PictureBuilder",
                                           "The keyboard picture \"%1\" could not be drawn.")
            .arg(QFileInfo(path).fileName());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QCoreApplication::translate("PictureBuilder",
                                           "The keyboard picture \"%1\" could not be written: %2")
            .arg(QFileInfo(path).fileName(), reason);
    }
    shareWithFolderGroup(path);
    return {};
}

} // namespace

KeyboardPictureNames keyboardPictureNames(Nationality nationality) {
    if (!isKnown(nationality))
        return {};
    const PictureFileNames& names = kPictureFileNames.at(indexOf(nationality));
    const bool english = nationality == Nationality::EnglishUS;
    return {english ? QStringLiteral("keybord10.bmp") : QStringLiteral("intkeybord10.bmp"),
            QString::fromLatin1(names.labelled), QString::fromLatin1(names.unlabelled), !english};
}

QFont keyLabelFont() {
    return keyboardFont(kKeyLabelPixels);
}

QFont capsLockFont() {
    return keyboardFont(kCapsLockPixels);
}

QFont controlNameFont() {
    return keyboardFont(kControlPixels);
}

void drawTextAt(QPainter& painter, const QString& text, QPoint origin) {
    const int ascent = QFontMetrics(painter.font()).ascent();
    painter.drawText(QPoint(origin.x(), origin.y() + ascent), text);
}

void drawLockAndControlNames(QImage& picture, Nationality nationality) {
    if (!isKnown(nationality))
        return;
    const LockAndControlNames& names = kLockAndControlNames.at(indexOf(nationality));
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setFont(capsLockFont());
    for (const PlacedText& line : names.capsLock)
        drawTextAt(painter, QString::fromUtf16(line.text), QPoint(line.x, line.y));
    painter.setFont(controlNameFont());
    for (const PlacedText& name : names.control)
        drawTextAt(painter, QString::fromUtf16(name.text), QPoint(name.x, name.y));
}

KeyboardPictures buildKeyboardPictures(const QImage& base, Nationality nationality) {
    KeyboardPictures pictures{blankCopy(base), blankCopy(base)};
    drawKeyLabels(pictures.labelled, nationality);
    // English US: the blank picture already names its Caps Lock and Control keys.
    if (nationality != Nationality::EnglishUS) {
        drawLockAndControlNames(pictures.labelled, nationality);
        drawLockAndControlNames(pictures.unlabelled, nationality);
    }
    return pictures;
}

QString writeKeyboardPictures(const WorkingFolder& folder, Nationality nationality) {
    if (!isKnown(nationality))
        return QCoreApplication::translate(
                   "PictureBuilder", "There are no keyboard pictures for nationality code %1.")
            .arg(indexOf(nationality));
    const KeyboardPictureNames names = keyboardPictureNames(nationality);
    QImage base;
    if (!base.load(folder.filePath(names.base), "BMP"))
        return QCoreApplication::translate("PictureBuilder",
                                           "The blank keyboard picture \"%1\" could not be read.")
            .arg(names.base);
    const KeyboardPictures pictures = buildKeyboardPictures(base, nationality);
    // Written under the name the folder already has in any letter case, so that a reader finding
    // "Italianbord20.bmp" sees the new picture and not a stale one beside it.
    QString error = writePicture(pictures.labelled, folder.filePath(names.labelled));
    if (error.isEmpty() && names.writesUnlabelled)
        error = writePicture(pictures.unlabelled, folder.filePath(names.unlabelled));
    return error;
}

} // namespace kf
