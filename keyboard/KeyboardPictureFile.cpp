// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyboardPictureFile.h"

#include "core/FolderFile.h"
#include "core/WorkingFolder.h"
#include "keyboard/PictureBuilder.h"
#include "students/RecordLayout.h"
#include "students/StudentFileMessages.h"
#include "students/StudentRecord.h"

#include <QCoreApplication>
#include <QStringView>
#include <utility>

namespace kf {

namespace {

constexpr const char* kFellBackMessage = QT_TRANSLATE_NOOP(
    "KeyboardPicture",
    "If you are using one of the International Keyboards, it was not found. From the opening "
    "screen menu, select Additional/Keyboard Nationality to restore the keyboard. If this does "
    "not work, you may have to reinstall Keyfarer.");
constexpr const char* kMissingMessage = QT_TRANSLATE_NOOP(
    "KeyboardPicture",
    "One or more of the keyboard files are missing. You may need to reinstall Keyfarer.");

// A picture file of the working folder, or a null image when it is missing or unreadable.
QImage readPicture(const WorkingFolder& folder, QStringView name) {
    if (!folder.exists(name.toString()))
        return {};
    return folderFile::readPicture(folder.filePath(name.toString()));
}

} // namespace

QString keyboardPictureName(std::uint8_t nationality, bool charactersShown) {
    const KeyboardPictureNames names = keyboardPictureNames(static_cast<Nationality>(nationality));
    return charactersShown ? names.labelled : names.unlabelled;
}

namespace {

// A picture is on the screen again: should the folder go later, the student is told again.
KeyboardPicture shown(KeyboardPictureHistory& history, KeyboardPicture picture) {
    history.shown = true;
    history.folderGoneTold = false;
    return picture;
}

} // namespace

KeyboardPicture loadKeyboardPicture(StudentRecord& record, const WorkingFolder& folder,
                                    KeyboardPictureHistory& history) {
    const QString name =
        keyboardPictureName(record.nationalityCode(), record.flag(layout::kCharactersShown));
    // An unreadable file is treated like a missing one, and so is a nationality outside 0..5
    // (a damaged student file) that has no picture: the student sees a keyboard either way.
    if (QImage image = name.isEmpty() ? QImage() : readPicture(folder, name); !image.isNull())
        return shown(history, {KeyboardPicture::Status::Loaded, image, {}});

    const KeyboardPictureNames english = keyboardPictureNames(Nationality::EnglishUS);
    for (const QString& fallback : {english.labelled, english.unlabelled}) {
        if (QImage image = readPicture(folder, fallback); !image.isNull()) {
            record.setNationality(Nationality::EnglishUS);
            return shown(history,
                         {KeyboardPicture::Status::FellBack, image,
                          QCoreApplication::translate("KeyboardPicture", kFellBackMessage)});
        }
    }
    if (!history.shown)
        return {KeyboardPicture::Status::Missing,
                {},
                QCoreApplication::translate("KeyboardPicture", kMissingMessage)};
    if (std::exchange(history.folderGoneTold, true))
        return {KeyboardPicture::Status::Unchanged, {}, {}};
    return {
        KeyboardPicture::Status::FolderGone, {}, fileNotice(FileNotice::FolderGone, folder.path())};
}

} // namespace kf
