// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QTimer;

namespace kf {

class PictureView;

// The drill window's timers in DrillTimer order: Timer1 (hands), Timer2 (blinking), Timer3 (set
// clock), Timer4 (reaction clock).
using DrillTimers = std::array<QTimer*, 4>;

// The controls of the drill window that it works on itself; the drill's view reaches the others
// by their object names.
struct DrillWindowControls {
    PictureView* keyboard = nullptr;  // Image1: the keyboard picture with its marks and hands
    QLabel* cleanKeyboard = nullptr;  // Image2: its unmarked copy, hidden
    QLabel* targetPanel = nullptr;    // Panel19: the key to type
    QFrame* ownKeysPanel = nullptr;   // Panel2: the keys to practise, for "Choose Your Own Keys"
    QLineEdit* ownKeysEdit = nullptr; // Edit1, on the own-keys panel
    QAction* openHelp = nullptr;      // "&Help" > "&Open"
    QAction* closeDrills = nullptr;   // "&Exit" > "&Close Beginners Drills"
    DrillTimers timers{};
};

// Makes the drill window what it is at creation: its name, title, font and help page, its menu,
// timers and every control, laid out in the main window's place (the parent's) or at the design
// size. The controls take the focus and accept input methods as the drill needs; nothing is
// connected yet.
DrillWindowControls buildDrillWindow(QMainWindow& window);

} // namespace kf
