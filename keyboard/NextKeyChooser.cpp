// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/NextKeyChooser.h"

#include "keyboard/FingerGuidance.h"
#include "keyboard/KeyPools.h"
#include "keyboard/Windows1252.h"

namespace kf {

namespace {

// One ticket per sixth of weight: a uniform ticket picks each key with exactly its share, in
// one draw, without floating point.
KeyCode drawFromPool(const KeyPool& pool, std::mt19937& random) {
    if (pool.totalSixths <= 0)
        return 0;
    int ticket = std::uniform_int_distribution<int>(0, pool.totalSixths - 1)(random);
    const PoolEntry* entry = pool.entries.data();
    for (const PoolEntry* end = entry + pool.entries.size(); entry != end; ++entry) {
        if (ticket < entry->sixths)
            return entry->code;
        ticket -= entry->sixths;
    }
    return 0; // not reached: the tickets add up to the total
}

// The own-keys list's character for the press about to come, as a key code; 0 when the list
// has no character there or the character has no key code.
KeyCode ownKeyCode(const ChooserSettings& settings) {
    if (settings.setPresses < 0 || settings.setPresses >= settings.customKeys.size())
        return 0;
    const auto character = static_cast<AnsiChar>(settings.customKeys.at(settings.setPresses));
    return keyCodeOfCharacter(character).value_or(0);
}

void clearModifiers(CurrentKey& key) {
    key.leftShift = false;
    key.rightShift = false;
    key.altGr = false;
    key.deadAcute = false;
    key.deadGrave = false;
}

bool isPlainCharacter(AnsiChar character) {
    return character >= ' ' && character <= '~';
}

// Everything the drill shows about the key code on the keyboard.
ChosenKey lookUpKey(KeyCode code, Nationality nationality, const CurrentKey& previous,
                    const QString& userName) {
    ChosenKey chosen{previous, std::nullopt};
    CurrentKey& key = chosen.key;
    key.code = code;
    clearModifiers(key);
    const std::optional<KeyEntry> entry = keyEntry(code, nationality);
    if (!entry) {
        // Only an own-keys list can name a key this keyboard lacks. The character is still the
        // target, but no key is marked: there is none to mark.
        if (const AnsiChar character = characterOfKeyCode(code); character != 0)
            key.character = character;
        key.rect = {};
        key.labelPoint = {};
        key.label = 0;
        // The hand of a character from Space to "~" goes by the character, not by the keyboard:
        // the hand that types it on the keyboard all layouts start from.
        const std::optional<Hand> hand = isPlainCharacter(key.character)
                                             ? typingHand(key.character, Nationality::EnglishUS)
                                             : std::nullopt;
        key.leftHand = hand == Hand::Left;
        key.rightHand = hand == Hand::Right;
        return chosen;
    }
    key = currentKeyOf(code, *entry);
    chosen.guidance = fingerGuidance(code, nationality, userName);
    return chosen;
}

constexpr AnsiChar kAmpersand = '&';
constexpr AnsiChar kCapitalNTilde = 0xD1;
constexpr AnsiChar kCapitalOUmlaut = 0xD6;
constexpr AnsiChar kCapitalUUmlaut = 0xDC;
constexpr AnsiChar kCapitalAUmlaut = 0xC4;

bool isRedCapital(AnsiChar character, Nationality nationality) {
    if ((character >= 'A' && character <= 'Z') || character == kCapitalNTilde)
        return true;
    return nationality == Nationality::German &&
           (character == kCapitalOUmlaut || character == kCapitalUUmlaut ||
            character == kCapitalAUmlaut);
}

} // namespace

NextKeyChooser::NextKeyChooser(std::uint32_t seed)
    : m_random(seed) {}

KeyCode NextKeyChooser::drawKeyCode(DrillKind kind, Nationality nationality, bool lowerCaseOnly) {
    return drawFromPool(keyPool(kind, nationality, lowerCaseOnly), m_random);
}

ChosenKey NextKeyChooser::choose(ChooserSettings& settings, const CurrentKey& previous,
                                 const QString& userName) {
    if (settings.kind == DrillKind::DoEverything)
        settings.lowerCaseOnly = false;
    KeyCode code = settings.kind == DrillKind::ChooseYourOwnKeys
                       ? ownKeyCode(settings)
                       : drawKeyCode(settings.kind, settings.nationality, settings.lowerCaseOnly);
    if (code == 0)
        code = previous.code;
    return lookUpKey(code, settings.nationality, previous, userName);
}

QString targetPanelText(AnsiChar character) {
    if (character == 0)
        return {};
    if (character == kAmpersand)
        return QStringLiteral("&&");
    return QString(fromWindows1252(character));
}

QRgb targetPanelFontColour(AnsiChar character, Nationality nationality, QRgb panelColour) {
    if (isRedCapital(character, nationality))
        return qRgb(255, 0, 0);
    if (character == kAmpersand)
        return qRgb(0, 0, 0);
    const bool blackPanel =
        qRed(panelColour) == 0 && qGreen(panelColour) == 0 && qBlue(panelColour) == 0;
    return blackPanel ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
}

} // namespace kf
