// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"

#include <QString>

namespace kf {

// Captions of the drill window follow the accelerator convention of its labels and panels: a
// single "&" marks a shortcut letter and "&&" stands for one ampersand. These turn a character
// into caption text, plain text (a sentence, a user name) into caption text, and caption text
// into what the student reads.
QString characterCaption(AnsiChar character);
QString plainTextCaption(const QString& text);
QString displayedCaption(const QString& caption);

} // namespace kf
