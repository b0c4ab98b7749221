// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"

#include <QByteArray>
#include <QString>

namespace kf {

// "Choose Your Own Keys": the student types between 2 and 10 characters to practise.
inline constexpr int kOwnKeysLength = 10;
inline constexpr int kOwnKeysMinimum = 2;

// A character the own-keys list may hold on a nationality's keyboard: printable ASCII but the
// double quote, the apostrophe and Space, plus the national characters of that keyboard.
bool isAllowedOwnKey(char32_t character, Nationality nationality);

struct OwnKeysResult {
    bool enough = false; // at least two usable characters
    QByteArray keys;     // exactly ten Windows-1252 characters when enough
    QString shownKeys;   // the ten characters as the panel shows them
    QString notAllowed;  // the characters removed, in the order typed
};

// Checks what the student typed: only the first ten characters count, the ones not allowed are
// removed and listed, and the rest are repeated to fill exactly ten.
OwnKeysResult verifyOwnKeys(const QString& typed, Nationality nationality);

} // namespace kf
