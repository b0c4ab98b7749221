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
    Title,
    TitleShadow,
    Guidance,
    TypeTheCaption,
    CharacterCaption,
    LastCorrectCaption,
    YouMissedCaption,
    ByTypingCaption,
    PauseCaption,
    PauseExplanation,
    PressesSoFar,
    TargetPanel,
    SetSeconds,
    LastCorrectKey,
    MissedTarget,
    TypedInstead,
    StatsMissedTargets,
    StatsTypedInstead,
    StatsTimeThisSet,
    StatsBestTime,
    StatsCorrectThisSet,
    StatsCorrectThisSession,
    StatsSlowestThisSet,
    StatsNumberMissed,
    OwnKeysPanel,
    NotAllowedKeys,
    KeysToType,
    TipsPanel,
    StatisticsPanel,
    PauseBox,
    HitMark,
    MissedMark,
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

// Each control's object name, the name the drill window was designed with: tests, the layout
// and accessibility find the control by it, so it never changes with the C++ name. In the order
// of DrillControl.
struct DrillControlName {
    DrillControl control;
    std::string_view objectName;
};
// clang-format off
inline constexpr std::array<DrillControlName, kDrillControlCount> kDrillControlNames = {{
    {DrillControl::Title, "Label3"}, // the drill title
    {DrillControl::TitleShadow, "Label4"}, // the title's white copy behind it, as its shadow
    {DrillControl::Guidance, "Label17"}, // the instruction, then the finger guidance
    {DrillControl::TypeTheCaption, "Label82"}, // "Type the"
    {DrillControl::CharacterCaption, "Label83"}, // "Character"
    {DrillControl::LastCorrectCaption, "Label81"}, // "Last correct:"
    {DrillControl::YouMissedCaption, "Label90"}, // "You missed:"
    {DrillControl::ByTypingCaption, "Label91"}, // "by typing:"
    {DrillControl::PauseCaption, "Label92"}, // "Pause!"
    {DrillControl::PauseExplanation, "Label93"}, // the miss explanation
    {DrillControl::PressesSoFar, "Panel17"}, // presses so far in the set
    {DrillControl::TargetPanel, "Panel19"}, // the target key
    {DrillControl::SetSeconds, "Panel21"}, // seconds of the set
    {DrillControl::LastCorrectKey, "Panel23"}, // the last key typed right
    {DrillControl::MissedTarget, "Panel60"}, // the target missed
    {DrillControl::TypedInstead, "Panel61"}, // the key typed instead
    {DrillControl::StatsMissedTargets, "Panel25"}, // statistics: the missed targets of the set
    {DrillControl::StatsTypedInstead, "Panel54"}, // statistics: what was typed instead
    {DrillControl::StatsTimeThisSet, "Panel28"}, // statistics: time this set
    {DrillControl::StatsBestTime, "Panel29"}, // statistics: best time
    {DrillControl::StatsCorrectThisSet, "Panel30"}, // statistics: correct this set
    {DrillControl::StatsCorrectThisSession, "Panel31"}, // statistics: correct this session
    {DrillControl::StatsSlowestThisSet, "Panel33"}, // statistics: slowest this set
    {DrillControl::StatsNumberMissed, "Panel35"}, // statistics: number missed
    {DrillControl::OwnKeysPanel, "Panel2"}, // the own-keys box
    {DrillControl::NotAllowedKeys, "Panel3"}, // "Characters not allowed:"
    {DrillControl::KeysToType, "Panel4"}, // "You will be typing:"
    {DrillControl::TipsPanel, "Panel5"}, // the tips box
    {DrillControl::StatisticsPanel, "Panel11"}, // the statistics box
    {DrillControl::PauseBox, "Panel62"}, // the pause box over the instructions
    {DrillControl::HitMark, "Image5"}, // the mark beside the last correct key
    {DrillControl::MissedMark, "Image6"}, // the mark beside the missed target
    {DrillControl::TypedMark, "Image7"}, // the mark beside the key typed instead
    {DrillControl::HandDelayButton, "SpeedButton5"}, // "Adjust Hand Delay"
    {DrillControl::TenKeysButton, "SpeedButton6"}, // "Do 10 Letters at a time"
    {DrillControl::TwentyKeysButton, "SpeedButton7"}, // "Do 20 Letters at a time"
    {DrillControl::ThirtyKeysButton, "SpeedButton8"}, // "Do 30 Letters at a time"
    {DrillControl::SoundButton, "SpeedButton9"}, // "Sound On"
    {DrillControl::ColoursButton, "SpeedButton11"}, // "Colors"
    {DrillControl::ChartsButton, "SpeedButton12"}, // "Charts"
    {DrillControl::ShowAllKeysButton, "SpeedButton13"}, // "Show All Keys"
    {DrillControl::HideKeysButton, "SpeedButton14"}, // "Hide Keys on Keyboard"
    {DrillControl::UpperCaseButton, "SpeedButton15"}, // "Include Upper Case Letters"
    {DrillControl::LowerCaseButton, "SpeedButton16"}, // "Lower Case Only"
    {DrillControl::ExitLessonsButton, "SpeedButton17"}, // "Exit Lessons"
    {DrillControl::OptionsButton, "SpeedButton18"}, // "Open options window"
    {DrillControl::BeginTyping, "Button2"}, // "Begin Typing" of the own-keys box
}};
// clang-format on

constexpr bool inEnumOrder(const std::array<DrillControlName, kDrillControlCount>& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (static_cast<std::size_t>(names[i].control) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(kDrillControlNames), "kDrillControlNames follows DrillControl");

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
