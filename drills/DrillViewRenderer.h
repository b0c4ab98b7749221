// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/DrillView.h"
#include "drills/DrillWindowControls.h"

#include <QString>
#include <array>
#include <cstdint>

class QLabel;
class QWidget;

namespace kf {

// Brings the drill window's controls and timers in line with the engine's view. It remembers
// what it last gave each one, so that a timer tick touches only what moved.
class DrillViewRenderer {
public:
    // The controls are the window's children named in kDrillControlNames.
    DrillViewRenderer(const QWidget& window, QLabel& targetPanel, const DrillTimers& timers);

    // Captions, which controls show and which are enabled, the target panel's place and font.
    void renderControls(const DrillView& view);
    // Starts, stops and paces the timers as the drill wants them.
    void renderTimers(const DrillView& view);

private:
    void renderTargetPanel(const TargetPanelView& target);
    void renderTimer(QTimer* timer, DrillTimer which, const TimerView& wanted);

    std::array<QWidget*, kDrillControlCount> m_controls{};
    // The labels among them that show a caption (not the mark pictures), and the caption each
    // was last given with the text that stood for it.
    struct ShownCaption {
        QLabel* label = nullptr;
        QString caption;
        QString text;
    };
    std::array<ShownCaption, kDrillControlCount> m_captions{};
    QLabel& m_targetPanel;
    TargetPanelView m_shownTarget{-1, -1, -1, 0};
    DrillTimers m_timers;
    std::array<std::uint64_t, 4> m_timerStarts{};
};

} // namespace kf
