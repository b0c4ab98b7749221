// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/SpokenKeyNames.h"

#include "keyboard/Windows1252.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace kf {

namespace {

struct SpokenCharacter {
    AnsiChar character;
    const char* name;
};

// Every Windows-1252 character a drill can ask for that is not a plain letter or digit, in
// byte order. Capitals carry the word "capital" in their name, so that they can be told
// apart from the small letter by ear.
constexpr std::array kSpokenCharacters = std::to_array<SpokenCharacter>({
    {13, QT_TRANSLATE_NOOP("SpokenKey", "Enter")},
    {0x20, QT_TRANSLATE_NOOP("SpokenKey", "space")},
    {0x21, QT_TRANSLATE_NOOP("SpokenKey", "exclamation mark")},
    {0x22, QT_TRANSLATE_NOOP("SpokenKey", "double quote")},
    {0x23, QT_TRANSLATE_NOOP("SpokenKey", "number sign")},
    {0x24, QT_TRANSLATE_NOOP("SpokenKey", "dollar sign")},
    {0x25, QT_TRANSLATE_NOOP("SpokenKey", "percent sign")},
    {0x26, QT_TRANSLATE_NOOP("SpokenKey", "ampersand")},
    {0x27, QT_TRANSLATE_NOOP("SpokenKey", "apostrophe")},
    {0x28, QT_TRANSLATE_NOOP("SpokenKey", "left parenthesis")},
    {0x29, QT_TRANSLATE_NOOP("SpokenKey", "right parenthesis")},
    {0x2A, QT_TRANSLATE_NOOP("SpokenKey", "asterisk")},
    {0x2B, QT_TRANSLATE_NOOP("SpokenKey", "plus sign")},
    {0x2C, QT_TRANSLATE_NOOP("SpokenKey", "comma")},
    {0x2D, QT_TRANSLATE_NOOP("SpokenKey", "hyphen")},
    {0x2E, QT_TRANSLATE_NOOP("SpokenKey", "period")},
    {0x2F, QT_TRANSLATE_NOOP("SpokenKey", "slash")},
    {0x3A, QT_TRANSLATE_NOOP("SpokenKey", "colon")},
    {0x3B, QT_TRANSLATE_NOOP("SpokenKey", "semicolon")},
    {0x3C, QT_TRANSLATE_NOOP("SpokenKey", "less-than sign")},
    {0x3D, QT_TRANSLATE_NOOP("SpokenKey", "equals sign")},
    {0x3E, QT_TRANSLATE_NOOP("SpokenKey", "greater-than sign")},
    {0x3F, QT_TRANSLATE_NOOP("SpokenKey", "question mark")},
    {0x40, QT_TRANSLATE_NOOP("SpokenKey", "at sign")},
    {0x5B, QT_TRANSLATE_NOOP("SpokenKey", "left square bracket")},
    {0x5C, QT_TRANSLATE_NOOP("SpokenKey", "backslash")},
    {0x5D, QT_TRANSLATE_NOOP("SpokenKey", "right square bracket")},
    {0x5E, QT_TRANSLATE_NOOP("SpokenKey", "caret")},
    {0x5F, QT_TRANSLATE_NOOP("SpokenKey", "underscore")},
    {0x60, QT_TRANSLATE_NOOP("SpokenKey", "grave accent")},
    {0x7B, QT_TRANSLATE_NOOP("SpokenKey", "left brace")},
    {0x7C, QT_TRANSLATE_NOOP("SpokenKey", "vertical bar")},
    {0x7D, QT_TRANSLATE_NOOP("SpokenKey", "right brace")},
    {0x7E, QT_TRANSLATE_NOOP("SpokenKey", "tilde")},
    {0x80, QT_TRANSLATE_NOOP("SpokenKey", "euro sign")},
    {0xA0, QT_TRANSLATE_NOOP("SpokenKey", "no-break space")},
    {0xA1, QT_TRANSLATE_NOOP("SpokenKey", "inverted exclamation mark")},
    {0xA2, QT_TRANSLATE_NOOP("SpokenKey", "cent sign")},
    {0xA3, QT_TRANSLATE_NOOP("SpokenKey", "pound sign")},
    {0xA4, QT_TRANSLATE_NOOP("SpokenKey", "currency sign")},
    {0xA5, QT_TRANSLATE_NOOP("SpokenKey", "yen sign")},
    {0xA6, QT_TRANSLATE_NOOP("SpokenKey", "broken bar")},
    {0xA7, QT_TRANSLATE_NOOP("SpokenKey", "section sign")},
    {0xA8, QT_TRANSLATE_NOOP("SpokenKey", "umlaut accent")},
    {0xA9, QT_TRANSLATE_NOOP("SpokenKey", "copyright sign")},
    {0xAA, QT_TRANSLATE_NOOP("SpokenKey", "feminine ordinal indicator")},
    {0xAB, QT_TRANSLATE_NOOP("SpokenKey", "left angle quotes")},
    {0xAC, QT_TRANSLATE_NOOP("SpokenKey", "not sign")},
    {0xAD, QT_TRANSLATE_NOOP("SpokenKey", "soft hyphen")},
    {0xAE, QT_TRANSLATE_NOOP("SpokenKey", "registered sign")},
    {0xAF, QT_TRANSLATE_NOOP("SpokenKey", "macron")},
    {0xB0, QT_TRANSLATE_NOOP("SpokenKey", "degree sign")},
    {0xB1, QT_TRANSLATE_NOOP("SpokenKey", "plus-minus sign")},
    {0xB2, QT_TRANSLATE_NOOP("SpokenKey", "superscript two")},
    {0xB3, QT_TRANSLATE_NOOP("SpokenKey", "superscript three")},
    {0xB4, QT_TRANSLATE_NOOP("SpokenKey", "acute accent")},
    {0xB5, QT_TRANSLATE_NOOP("SpokenKey", "micro sign")},
    {0xB6, QT_TRANSLATE_NOOP("SpokenKey", "pilcrow sign")},
    {0xB7, QT_TRANSLATE_NOOP("SpokenKey", "middle dot")},
    {0xB8, QT_TRANSLATE_NOOP("SpokenKey", "cedilla")},
    {0xB9, QT_TRANSLATE_NOOP("SpokenKey", "superscript one")},
    {0xBA, QT_TRANSLATE_NOOP("SpokenKey", "masculine ordinal indicator")},
    {0xBB, QT_TRANSLATE_NOOP("SpokenKey", "right angle quotes")},
    {0xBC, QT_TRANSLATE_NOOP("SpokenKey", "one quarter")},
    {0xBD, QT_TRANSLATE_NOOP("SpokenKey", "one half")},
    {0xBE, QT_TRANSLATE_NOOP("SpokenKey", "three quarters")},
    {0xBF, QT_TRANSLATE_NOOP("SpokenKey", "inverted question mark")},
    {0xC0, QT_TRANSLATE_NOOP("SpokenKey", "capital A grave")},
    {0xC1, QT_TRANSLATE_NOOP("SpokenKey", "capital A acute")},
    {0xC2, QT_TRANSLATE_NOOP("SpokenKey", "capital A circumflex")},
    {0xC3, QT_TRANSLATE_NOOP("SpokenKey", "capital A tilde")},
    {0xC4, QT_TRANSLATE_NOOP("SpokenKey", "capital A umlaut")},
    {0xC5, QT_TRANSLATE_NOOP("SpokenKey", "capital A ring")},
    {0xC6, QT_TRANSLATE_NOOP("SpokenKey", "capital A E ligature")},
    {0xC7, QT_TRANSLATE_NOOP("SpokenKey", "capital C cedilla")},
    {0xC8, QT_TRANSLATE_NOOP("SpokenKey", "capital E grave")},
    {0xC9, QT_TRANSLATE_NOOP("SpokenKey", "capital E acute")},
    {0xCA, QT_TRANSLATE_NOOP("SpokenKey", "capital E circumflex")},
    {0xCB, QT_TRANSLATE_NOOP("SpokenKey", "capital E umlaut")},
    {0xCC, QT_TRANSLATE_NOOP("SpokenKey", "capital I grave")},
    {0xCD, QT_TRANSLATE_NOOP("SpokenKey", "capital I acute")},
    {0xCE, QT_TRANSLATE_NOOP("SpokenKey", "capital I circumflex")},
    {0xCF, QT_TRANSLATE_NOOP("SpokenKey", "capital I umlaut")},
    {0xD0, QT_TRANSLATE_NOOP("SpokenKey", "capital eth")},
    {0xD1, QT_TRANSLATE_NOOP("SpokenKey", "capital N tilde")},
    {0xD2, QT_TRANSLATE_NOOP("SpokenKey", "capital O grave")},
    {0xD3, QT_TRANSLATE_NOOP("SpokenKey", "capital O acute")},
    {0xD4, QT_TRANSLATE_NOOP("SpokenKey", "capital O circumflex")},
    {0xD5, QT_TRANSLATE_NOOP("SpokenKey", "capital O tilde")},
    {0xD6, QT_TRANSLATE_NOOP("SpokenKey", "capital O umlaut")},
    {0xD7, QT_TRANSLATE_NOOP("SpokenKey", "multiplication sign")},
    {0xD8, QT_TRANSLATE_NOOP("SpokenKey", "capital O stroke")},
    {0xD9, QT_TRANSLATE_NOOP("SpokenKey", "capital U grave")},
    {0xDA, QT_TRANSLATE_NOOP("SpokenKey", "capital U acute")},
    {0xDB, QT_TRANSLATE_NOOP("SpokenKey", "capital U circumflex")},
    {0xDC, QT_TRANSLATE_NOOP("SpokenKey", "capital U umlaut")},
    {0xDD, QT_TRANSLATE_NOOP("SpokenKey", "capital Y acute")},
    {0xDE, QT_TRANSLATE_NOOP("SpokenKey", "capital thorn")},
    {0xDF, QT_TRANSLATE_NOOP("SpokenKey", "sharp s")},
    {0xE0, QT_TRANSLATE_NOOP("SpokenKey", "a grave")},
    {0xE1, QT_TRANSLATE_NOOP("SpokenKey", "a acute")},
    {0xE2, QT_TRANSLATE_NOOP("SpokenKey", "a circumflex")},
    {0xE3, QT_TRANSLATE_NOOP("SpokenKey", "a tilde")},
    {0xE4, QT_TRANSLATE_NOOP("SpokenKey", "a umlaut")},
    {0xE5, QT_TRANSLATE_NOOP("SpokenKey", "a ring")},
    {0xE6, QT_TRANSLATE_NOOP("SpokenKey", "a e ligature")},
    {0xE7, QT_TRANSLATE_NOOP("SpokenKey", "c cedilla")},
    {0xE8, QT_TRANSLATE_NOOP("SpokenKey", "e grave")},
    {0xE9, QT_TRANSLATE_NOOP("SpokenKey", "e acute")},
    {0xEA, QT_TRANSLATE_NOOP("SpokenKey", "e circumflex")},
    {0xEB, QT_TRANSLATE_NOOP("SpokenKey", "e umlaut")},
    {0xEC, QT_TRANSLATE_NOOP("SpokenKey", "i grave")},
    {0xED, QT_TRANSLATE_NOOP("SpokenKey", "i acute")},
    {0xEE, QT_TRANSLATE_NOOP("SpokenKey", "i circumflex")},
    {0xEF, QT_TRANSLATE_NOOP("SpokenKey", "i umlaut")},
    {0xF0, QT_TRANSLATE_NOOP("SpokenKey", "eth")},
    {0xF1, QT_TRANSLATE_NOOP("SpokenKey", "n tilde")},
    {0xF2, QT_TRANSLATE_NOOP("SpokenKey", "o grave")},
    {0xF3, QT_TRANSLATE_NOOP("SpokenKey", "o acute")},
    {0xF4, QT_TRANSLATE_NOOP("SpokenKey", "o circumflex")},
    {0xF5, QT_TRANSLATE_NOOP("SpokenKey", "o tilde")},
    {0xF6, QT_TRANSLATE_NOOP("SpokenKey", "o umlaut")},
    {0xF7, QT_TRANSLATE_NOOP("SpokenKey", "division sign")},
    {0xF8, QT_TRANSLATE_NOOP("SpokenKey", "o stroke")},
    {0xF9, QT_TRANSLATE_NOOP("SpokenKey", "u grave")},
    {0xFA, QT_TRANSLATE_NOOP("SpokenKey", "u acute")},
    {0xFB, QT_TRANSLATE_NOOP("SpokenKey", "u circumflex")},
    {0xFC, QT_TRANSLATE_NOOP("SpokenKey", "u umlaut")},
    {0xFD, QT_TRANSLATE_NOOP("SpokenKey", "y acute")},
    {0xFE, QT_TRANSLATE_NOOP("SpokenKey", "thorn")},
    {0xFF, QT_TRANSLATE_NOOP("SpokenKey", "y umlaut")},
});

static_assert(std::ranges::is_sorted(kSpokenCharacters, {}, &SpokenCharacter::character),
              "the spoken names are looked up by halving");

} // namespace

QString spokenKeyName(AnsiChar character) {
    if (character >= 'A' && character <= 'Z')
        return QCoreApplication::translate("SpokenKey", "capital %1")
            .arg(QChar(char16_t(character)));
    const auto* found =
        std::ranges::lower_bound(kSpokenCharacters, character, {}, &SpokenCharacter::character);
    if (found != kSpokenCharacters.end() && found->character == character)
        return QCoreApplication::translate("SpokenKey", found->name);
    return QString(fromWindows1252(character));
}

} // namespace kf
