// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"

#include <QChar>
#include <QString>
#include <optional>

namespace kf {

// The one place where text from the windows becomes a Windows-1252 byte and back. A character
// with no Windows-1252 byte has no conversion: a typed one is still a press, but never a target.
std::optional<AnsiChar> toWindows1252(QChar c);
QChar fromWindows1252(AnsiChar byte);

// Whole texts: nothing when any character has no byte.
std::optional<QByteArray> toWindows1252(const QString& text);
QString fromWindows1252(const QByteArray& bytes);

} // namespace kf
