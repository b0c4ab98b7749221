// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/GuidanceTable.h"
#include "keyboard/Nationality.h"

#include <QString>
#include <optional>

namespace kf {

// Which guidance text a key code shows on a nationality's keyboard: 1..171 for text Gn,
// kNoGuidance when no sentence is shown, kNoKeyEntry when that keyboard has no such key (also
// for codes that name no character and for a nationality byte outside 0..5).
int guidanceId(KeyCode code, Nationality nationality);

// Text Gn as the guidance label shows it: the user name filled in where the sentence addresses
// the student, and "&&" shown as one "&" (the user name itself is shown exactly as typed).
// Nothing for a number outside 1..171.
std::optional<QString> guidanceText(int id, const QString& userName);

// The guidance sentence the drill window shows for a key code, or nothing when the key has no
// sentence or the keyboard has no such key (the label then keeps what it held).
std::optional<QString> fingerGuidance(KeyCode code, Nationality nationality,
                                      const QString& userName);

} // namespace kf
