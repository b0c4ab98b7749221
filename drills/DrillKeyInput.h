// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/DrillKey.h"

#include <QList>

class QInputMethodEvent;
class QKeyEvent;

namespace kf {

// The drill window's edge: what the student typed, as drill keys. Space, Enter and Escape come
// by key; everything else by the text a key or an input method made, one drill key per
// character (composed first, so a dead key and its letter are one character; one beyond the
// 16-bit range, an emoji, is one key too). Modifier keys alone, dead keys, keys without text and
// control characters (Backspace, Delete) make none; neither do Tab, which moves the focus, and
// Alt shortcuts, which belong to the menu. AltGr characters come as the character they make.
QList<DrillKey> drillKeysOf(const QKeyEvent& event);
QList<DrillKey> drillKeysOf(const QInputMethodEvent& event);

} // namespace kf
