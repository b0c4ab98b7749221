// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"

#include <QString>

namespace kf {

// What a speech engine or a screen reader should say for a character to type, so that nobody
// has to guess from a lone symbol: "capital A", "semicolon", "e acute". Lower-case letters and
// digits are said as themselves. The names are translated in the "SpokenKey" context.
QString spokenKeyName(AnsiChar character);

} // namespace kf
