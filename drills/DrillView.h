// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kf {

// The controls of the drill window whose text, visibility or state the drill changes. The
// window finds each by its object name and renders it from the view; tests read the view.
enum class DrillControl : std::uint8_t {
    Label3, // drill title, and its shadow
    Label4,
    Label17, // instruction and finger guidance
    Label82, // "Type the"
    Label83, // "Character"
    Label81, // "Last correct:"
    Label90, // "You missed:"
    Label91, // "by typing:"
    Label92, // "Pause!"
    Label93, // the miss explanation
    Panel17, // presses so far
    Panel19, // the target
    Panel21, // seconds of the set
    Panel23, // last correct key
    Panel60, // missed target
    Panel61, // key typed instead
    Panel25, // statistics: the missed targets of the set
    Panel54, // statistics: what was typed instead
    Panel28, // time this set
    Panel29, // best time
    Panel30, // correct this set
    Panel31, // correct this session
    Panel33, // slowest this set
    Panel35, // number missed
    Panel2,  // own keys
    Panel3,  // characters not allowed
    Panel4,  // you will be typing
    Panel5,  // tips
    Panel11, // statistics
    Panel62, // pause box
    Image5,  // hit mark
    Image6,  // miss marks
    Image7,
    SpeedButton5,
    SpeedButton6,
    SpeedButton7,
    SpeedButton8,
    SpeedButton9,
    SpeedButton11,
    SpeedButton12,
    SpeedButton13,
    SpeedButton14,
    SpeedButton15,
    SpeedButton16,
    SpeedButton17,
    SpeedButton18,
    Button2,
};
inline constexpr std::size_t kDrillControlCount =
    static_cast<std::size_t>(DrillControl::Button2) + 1;

// Object names, in the order of DrillControl.
inline constexpr std::array<std::string_view, kDrillControlCount> kDrillControlNames = {
    "Label3",        "Label4",        "Label17",       "Label82",       "Label83",
    "Label81",       "Label90",       "Label91",       "Label92",       "Label93",
    "Panel17",       "Panel19",       "Panel21",       "Panel23",       "Panel60",
    "Panel61",       "Panel25",       "Panel54",       "Panel28",       "Panel29",
    "Panel30",       "Panel31",       "Panel33",       "Panel35",       "Panel2",
    "Panel3",        "Panel4",        "Panel5",        "Panel11",       "Panel62",
    "Image5",        "Image6",        "Image7",        "SpeedButton5",  "SpeedButton6",
    "SpeedButton7",  "SpeedButton8",  "SpeedButton9",  "SpeedButton11", "SpeedButton12",
    "SpeedButton13", "SpeedButton14", "SpeedButton15", "SpeedButton16", "SpeedButton17",
    "SpeedButton18", "Button2",
};

// The tool buttons that a running set disables, in the order they are listed.
inline constexpr std::array<DrillControl, 13> kDrillToolButtons = {
    DrillControl::SpeedButton5,  DrillControl::SpeedButton6,  DrillControl::SpeedButton7,
    DrillControl::SpeedButton8,  DrillControl::SpeedButton9,  DrillControl::SpeedButton11,
    DrillControl::SpeedButton12, DrillControl::SpeedButton13, DrillControl::SpeedButton14,
    DrillControl::SpeedButton15, DrillControl::SpeedButton16, DrillControl::SpeedButton17,
    DrillControl::SpeedButton18,
};

// One control as the student sees it. Captions follow the accelerator convention ("&&" shows
// one ampersand).
struct ControlView {
    QString caption;
    bool visible = true;
    bool enabled = true;
};

// The target panel's size and font, which the Enter step and the end of a set change.
struct TargetPanelView {
    int left = 0;
    int width = 50;
    int fontSize = 14; // points
    QRgb fontColour = 0xFF000000;
};

// A timer of the drill window as the drill wants it: running or not, its interval, and a count
// of its starts, so the window can tell a stop-and-start within one event from no change.
struct TimerView {
    bool running = false;
    int intervalMs = 0;
    std::uint64_t starts = 0;
};

enum class DrillTimer : std::uint8_t { Timer1, Timer2, Timer3, Timer4 };

struct DrillView {
    std::array<ControlView, kDrillControlCount> controls{};
    TargetPanelView target;
    std::array<TimerView, 4> timers{};
    // Counts the times the keyboard picture was put back to its unmarked copy.
    std::uint64_t pictureResets = 0;
    // The drill asked for the window to close (Escape with no set, "Exit to Main Menu").
    bool closeRequested = false;

    ControlView& operator[](DrillControl c) { return controls[static_cast<std::size_t>(c)]; }
    const ControlView& operator[](DrillControl c) const {
        return controls[static_cast<std::size_t>(c)];
    }
    TimerView& timer(DrillTimer t) { return timers[static_cast<std::size_t>(t)]; }
    const TimerView& timer(DrillTimer t) const { return timers[static_cast<std::size_t>(t)]; }
};

} // namespace kf
