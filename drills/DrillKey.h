// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"

#include <QChar>
#include <QString>
#include <optional>

namespace kf {

// One press as the drill window hands it to the engine: the Windows-1252 character it made, or
// nothing for a character that code page lacks. Such a press still counts, is shown as typed,
// and never equals a target.
struct DrillKey {
    std::optional<AnsiChar> character;
    QString typed; // what the student typed, for showing a character without a code-page byte

    static constexpr AnsiChar kEnter = 13;
    static constexpr AnsiChar kEscape = 27;
    static constexpr AnsiChar kSpace = 32;

    // The press of a character the window has converted at its edge.
    static DrillKey fromCharacter(AnsiChar c) { return DrillKey{c, QString()}; }
    // A typed character (one code point): converted to its Windows-1252 byte when it has one.
    static DrillKey fromTyped(char32_t codePoint);

    bool is(AnsiChar c) const { return character && *character == c; }
    // The caption that shows this press in a panel ("&&" for "&").
    QString caption() const;
};

} // namespace kf
