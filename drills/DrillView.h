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
    Title, // drill title, and its shadow
    TitleShadow,
    Guidance,                // instruction and finger guidance
    TypeTheCaption,          // "Type the"
    CharacterCaption,        // "Character"
    LastCorrectCaption,      // "Last correct:"
    YouMissedCaption,        // "You missed:"
    ByTypingCaption,         // "by typing:"
    PauseCaption,            // "Pause!"
    PauseExplanation,        // the miss explanation
    PressesSoFar,            // presses so far
    TargetPanel,             // the target
    SetSeconds,              // seconds of the set
    LastCorrectKey,          // last correct key
    MissedTarget,            // missed target
    TypedInstead,            // key typed instead
    StatsMissedTargets,      // statistics: the missed targets of the set
    StatsTypedInstead,       // statistics: what was typed instead
    StatsTimeThisSet,        // time this set
    StatsBestTime,           // best time
    StatsCorrectThisSet,     // correct this set
    StatsCorrectThisSession, // correct this session
    StatsSlowestThisSet,     // slowest this set
    StatsNumberMissed,       // number missed
    OwnKeysPanel,            // own keys
    NotAllowedKeys,          // characters not allowed
    KeysToType,              // you will be typing
    TipsPanel,               // tips
    StatisticsPanel,         // statistics
    PauseBox,                // pause box
    HitMark,                 // hit mark
    MissedMark,              // miss marks
    TypedMark,
    HandDelayButton,
    TenKeysButton,
    TwentyKeysButton,
    ThirtyKeysButton,
    SoundButton,
    ColoursButton,
    ChartsButton,
    ShowAllKeysButton,
    HideKeysButton,
    UpperCaseButton,
    LowerCaseButton,
    ExitLessonsButton,
    OptionsButton,
    BeginTyping,
};
inline constexpr std::size_t kDrillControlCount =
    static_cast<std::size_t>(DrillControl::BeginTyping) + 1;

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
    DrillControl::HandDelayButton,  DrillControl::TenKeysButton,
    DrillControl::TwentyKeysButton, DrillControl::ThirtyKeysButton,
    DrillControl::SoundButton,      DrillControl::ColoursButton,
    DrillControl::ChartsButton,     DrillControl::ShowAllKeysButton,
    DrillControl::HideKeysButton,   DrillControl::UpperCaseButton,
    DrillControl::LowerCaseButton,  DrillControl::ExitLessonsButton,
    DrillControl::OptionsButton,
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

enum class DrillTimer : std::uint8_t { HandTimer, BlinkTimer, SetClockTimer, ReactionTimer };

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
