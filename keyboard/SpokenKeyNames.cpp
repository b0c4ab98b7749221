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

#define SPOKEN(c, text)                                                                            \
    SpokenCharacter {                                                                              \
        c, QT_TRANSLATE_NOOP("SpokenKey", text)                                                    \
    }

// Every Windows-1252 character a drill can ask for that is not a plain letter or digit, in
// byte order. Capitals carry the word "capital" in their name, so that they can be told
// apart from the small letter by ear.
constexpr std::array kSpokenCharacters = {
    SPOKEN(13, "Enter"),
    SPOKEN(0x20, "space"),
    SPOKEN(0x21, "exclamation mark"),
    SPOKEN(0x22, "double quote"),
    SPOKEN(0x23, "number sign"),
    SPOKEN(0x24, "dollar sign"),
    SPOKEN(0x25, "percent sign"),
    SPOKEN(0x26, "ampersand"),
    SPOKEN(0x27, "apostrophe"),
    SPOKEN(0x28, "left parenthesis"),
    SPOKEN(0x29, "right parenthesis"),
    SPOKEN(0x2A, "asterisk"),
    SPOKEN(0x2B, "plus sign"),
    SPOKEN(0x2C, "comma"),
    SPOKEN(0x2D, "hyphen"),
    SPOKEN(0x2E, "period"),
    SPOKEN(0x2F, "slash"),
    SPOKEN(0x3A, "colon"),
    SPOKEN(0x3B, "semicolon"),
    SPOKEN(0x3C, "less-than sign"),
    SPOKEN(0x3D, "equals sign"),
    SPOKEN(0x3E, "greater-than sign"),
    SPOKEN(0x3F, "question mark"),
    SPOKEN(0x40, "at sign"),
    SPOKEN(0x5B, "left square bracket"),
    SPOKEN(0x5C, "backslash"),
    SPOKEN(0x5D, "right square bracket"),
    SPOKEN(0x5E, "caret"),
    SPOKEN(0x5F, "underscore"),
    SPOKEN(0x60, "grave accent"),
    SPOKEN(0x7B, "left brace"),
    SPOKEN(0x7C, "vertical bar"),
    SPOKEN(0x7D, "right brace"),
    SPOKEN(0x7E, "tilde"),
    SPOKEN(0x80, "euro sign"),
    SPOKEN(0xA0, "no-break space"),
    SPOKEN(0xA1, "inverted exclamation mark"),
    SPOKEN(0xA2, "cent sign"),
    SPOKEN(0xA3, "pound sign"),
    SPOKEN(0xA4, "currency sign"),
    SPOKEN(0xA5, "yen sign"),
    SPOKEN(0xA6, "broken bar"),
    SPOKEN(0xA7, "section sign"),
    SPOKEN(0xA8, "umlaut accent"),
    SPOKEN(0xA9, "copyright sign"),
    SPOKEN(0xAA, "feminine ordinal indicator"),
    SPOKEN(0xAB, "left angle quotes"),
    SPOKEN(0xAC, "not sign"),
    SPOKEN(0xAD, "soft hyphen"),
    SPOKEN(0xAE, "registered sign"),
    SPOKEN(0xAF, "macron"),
    SPOKEN(0xB0, "degree sign"),
    SPOKEN(0xB1, "plus-minus sign"),
    SPOKEN(0xB2, "superscript two"),
    SPOKEN(0xB3, "superscript three"),
    SPOKEN(0xB4, "acute accent"),
    SPOKEN(0xB5, "micro sign"),
    SPOKEN(0xB6, "pilcrow sign"),
    SPOKEN(0xB7, "middle dot"),
    SPOKEN(0xB8, "cedilla"),
    SPOKEN(0xB9, "superscript one"),
    SPOKEN(0xBA, "masculine ordinal indicator"),
    SPOKEN(0xBB, "right angle quotes"),
    SPOKEN(0xBC, "one quarter"),
    SPOKEN(0xBD, "one half"),
    SPOKEN(0xBE, "three quarters"),
    SPOKEN(0xBF, "inverted question mark"),
    SPOKEN(0xC0, "capital A grave"),
    SPOKEN(0xC1, "capital A acute"),
    SPOKEN(0xC2, "capital A circumflex"),
    SPOKEN(0xC3, "capital A tilde"),
    SPOKEN(0xC4, "capital A umlaut"),
    SPOKEN(0xC5, "capital A ring"),
    SPOKEN(0xC6, "capital A E ligature"),
    SPOKEN(0xC7, "capital C cedilla"),
    SPOKEN(0xC8, "capital E grave"),
    SPOKEN(0xC9, "capital E acute"),
    SPOKEN(0xCA, "capital E circumflex"),
    SPOKEN(0xCB, "capital E umlaut"),
    SPOKEN(0xCC, "capital I grave"),
    SPOKEN(0xCD, "capital I acute"),
    SPOKEN(0xCE, "capital I circumflex"),
    SPOKEN(0xCF, "capital I umlaut"),
    SPOKEN(0xD0, "capital eth"),
    SPOKEN(0xD1, "capital N tilde"),
    SPOKEN(0xD2, "capital O grave"),
    SPOKEN(0xD3, "capital O acute"),
    SPOKEN(0xD4, "capital O circumflex"),
    SPOKEN(0xD5, "capital O tilde"),
    SPOKEN(0xD6, "capital O umlaut"),
    SPOKEN(0xD7, "multiplication sign"),
    SPOKEN(0xD8, "capital O stroke"),
    SPOKEN(0xD9, "capital U grave"),
    SPOKEN(0xDA, "capital U acute"),
    SPOKEN(0xDB, "capital U circumflex"),
    SPOKEN(0xDC, "capital U umlaut"),
    SPOKEN(0xDD, "capital Y acute"),
    SPOKEN(0xDE, "capital thorn"),
    SPOKEN(0xDF, "sharp s"),
    SPOKEN(0xE0, "a grave"),
    SPOKEN(0xE1, "a acute"),
    SPOKEN(0xE2, "a circumflex"),
    SPOKEN(0xE3, "a tilde"),
    SPOKEN(0xE4, "a umlaut"),
    SPOKEN(0xE5, "a ring"),
    SPOKEN(0xE6, "a e ligature"),
    SPOKEN(0xE7, "c cedilla"),
    SPOKEN(0xE8, "e grave"),
    SPOKEN(0xE9, "e acute"),
    SPOKEN(0xEA, "e circumflex"),
    SPOKEN(0xEB, "e umlaut"),
    SPOKEN(0xEC, "i grave"),
    SPOKEN(0xED, "i acute"),
    SPOKEN(0xEE, "i circumflex"),
    SPOKEN(0xEF, "i umlaut"),
    SPOKEN(0xF0, "eth"),
    SPOKEN(0xF1, "n tilde"),
    SPOKEN(0xF2, "o grave"),
    SPOKEN(0xF3, "o acute"),
    SPOKEN(0xF4, "o circumflex"),
    SPOKEN(0xF5, "o tilde"),
    SPOKEN(0xF6, "o umlaut"),
    SPOKEN(0xF7, "division sign"),
    SPOKEN(0xF8, "o stroke"),
    SPOKEN(0xF9, "u grave"),
    SPOKEN(0xFA, "u acute"),
    SPOKEN(0xFB, "u circumflex"),
    SPOKEN(0xFC, "u umlaut"),
    SPOKEN(0xFD, "y acute"),
    SPOKEN(0xFE, "thorn"),
    SPOKEN(0xFF, "y umlaut"),
};

#undef SPOKEN

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
