// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/OwnKeys.h"

#include "keyboard/Windows1252.h"

#include <QList>
#include <array>
#include <string_view>

namespace kf {

namespace {

// The national characters each keyboard adds, as Unicode. The Spanish keyboard has keys for ñ
// and ç, and its drills ask for both, so they are allowed with their capitals. The German
// keyboard has "|" where others have "¦", so "¦" would be a target nobody could type.
constexpr std::array<std::u32string_view, kNationalityCount> kNationalExtras = {
    U"",                   // English US
    U"£¬ÁÉÍÓÚáéíóú",       // English UK
    U"ª¬·ºÁÇÉÍÑÓÚáéíóúñç", // Spanish
    U"§°²³µÄÖÜßäöü",       // German
    U"",                   // Italian
    U"£¤§°²µàçèéù",        // French
};

bool isPlainAllowed(char32_t c) {
    return c >= U'!' && c <= U'~' && c != U'"' && c != U'\'';
}

} // namespace

bool isAllowedOwnKey(char32_t character, Nationality nationality) {
    if (isPlainAllowed(character))
        return true;
    const auto n = static_cast<std::size_t>(nationality);
    return n < kNationalExtras.size() &&
           kNationalExtras[n].find(character) != std::u32string_view::npos;
}

OwnKeysResult verifyOwnKeys(const QString& typed, Nationality nationality) {
    OwnKeysResult result;
    QList<char32_t> kept;
    QList<char32_t> removed;
    const QList<uint> characters = typed.toUcs4();
    // Removing each character that is not allowed, scanning again from the start every time,
    // leaves the allowed ones in order and lists the others in the order typed.
    for (qsizetype i = 0; i < characters.size() && i < kOwnKeysLength; ++i) {
        const auto c = static_cast<char32_t>(characters.at(i));
        (isAllowedOwnKey(c, nationality) ? kept : removed).append(c);
    }
    result.notAllowed = QString::fromUcs4(removed.constData(), removed.size());
    if (kept.size() < kOwnKeysMinimum)
        return result;

    result.enough = true;
    for (int i = 0; i < kOwnKeysLength; ++i)
        result.shownKeys.append(QString::fromUcs4(&kept.at(i % kept.size()), 1));
    // Every allowed character has a Windows-1252 byte.
    result.keys = toWindows1252(result.shownKeys).value_or(QByteArray());
    return result;
}

} // namespace kf
