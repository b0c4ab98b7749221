// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ActivityState.h"
#include "keyboard/CurrentKey.h"

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <cstdint>
#include <optional>
#include <random>

namespace kf {

// What the chooser needs to know about the drill.
struct ChooserSettings {
    DrillKind kind = DrillKind::HomeRowOnly;
    Nationality nationality = Nationality::EnglishUS;
    bool lowerCaseOnly = true; // "Do Everything" turns upper case on
    QByteArray customKeys;     // "Choose Your Own Keys": up to 10 Windows-1252 characters
    int setPresses = 0;        // position in the custom keys
};

// The chosen target and what the drill window shows about it.
struct ChosenKey {
    CurrentKey key;
    std::optional<QString> guidance; // nothing: the guidance label keeps its text
};

// Picks the next target of a drill from the drill kind's weighted pool for the nationality and
// letter case, with one generator seeded once (tests pass a seed).
class NextKeyChooser {
public:
    explicit NextKeyChooser(std::uint32_t seed = std::random_device{}());

    // Draws the next key code and looks it up. For "Choose Your Own Keys" a character without a
    // key code keeps the previous key. May clear settings.lowerCaseOnly ("Do Everything").
    ChosenKey choose(ChooserSettings& settings, const CurrentKey& previous,
                     const QString& userName);

    // Only the draw: a key code from the pool of a drill kind (not for Choose Your Own Keys).
    KeyCode drawKeyCode(DrillKind kind, Nationality nationality, bool lowerCaseOnly);

private:
    std::mt19937 m_random;
};

// The target panel's text: "&&" for "&" (so the label shows one ampersand), else the character.
QString targetPanelText(AnsiChar character);

// The target panel's font colour: red for capital letters (A-Z, Ñ, and on the German keyboard
// Ö Ü Ä), black for "&", otherwise black on a coloured panel and white on a black one.
QRgb targetPanelFontColour(AnsiChar character, Nationality nationality, QRgb panelColour);

} // namespace kf
