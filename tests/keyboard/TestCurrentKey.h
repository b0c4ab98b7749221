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
    CurrentKey key;
    key.code = *code;
    key.character = entry->character;
    key.label = entry->character;
    key.rect = entry->rect;
    key.labelPoint = entry->labelPoint;
    key.leftShift = (entry->modifiers & kLeftShift) != 0;
    key.rightShift = (entry->modifiers & kRightShift) != 0;
    key.altGr = (entry->modifiers & kAltGr) != 0;
    key.deadAcute = (entry->modifiers & kDeadAcute) != 0;
    key.deadGrave = (entry->modifiers & kDeadGrave) != 0;
    key.leftHand = entry->hand == Hand::Left;
    key.rightHand = entry->hand == Hand::Right;
    return key;
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
