// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMainWindow;

namespace kf {

// F10 opens the window's first menu, as desktops have it, so the menu bar is reached from the
// keyboard without knowing a menu's letter.
void openMenuBarWithF10(QMainWindow& window);

} // namespace kf
