// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/CurrentKey.h"
#include "keyboard/KeyTable.h"
#include "keyboard/Windows1252.h"

#include <QImage>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace kf::test {

// The current key as the chooser leaves it after picking a character on a keyboard.
inline CurrentKey currentKeyFor(const QString& text, Nationality nationality) {
    const std::optional<AnsiChar> character = toWindows1252(text.at(0));
    const std::optional<KeyCode> code = character ? keyCodeOfCharacter(*character) : std::nullopt;
    const std::optional<KeyEntry> entry = code ? keyEntry(*code, nationality) : std::nullopt;
    if (!entry)
        qFatal("no key for the test character");
    return currentKeyOf(*code, *entry);
}

// The shipped English US keyboard picture when the build has made it, otherwise a plain grey
// picture of the same size.
inline QImage keyboardPicture() {
    QImage picture;
    const QString share = qEnvironmentVariable("KEYFARER_SHARE");
    if (!share.isEmpty())
        picture.load(share + QStringLiteral("/keybord10.bmp"));
    if (picture.size() != QSize(587, 283)) {
        picture = QImage(587, 283, QImage::Format_RGB32);
        picture.fill(qRgb(192, 192, 192));
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace kf::test
