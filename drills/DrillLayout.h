// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

namespace kf {

// Design sizes of the drill window's fixed parts.
inline constexpr QSize kDrillClientSize{774, 528};
inline constexpr QSize kKeyboardPictureSize{587, 283};
inline constexpr QSize kOwnKeysPanelSize{400, 241};    // Panel2
inline constexpr QSize kStatisticsPanelSize{467, 260}; // Panel11
inline constexpr QSize kTipsPanelSize{352, 174};       // Panel5
inline constexpr int kTipsPanelTop = 188;
inline constexpr int kTargetBoxWidth = 236; // Panel18, in which the target panel is centred
inline constexpr int kTargetPanelTop = 12;  // Panel19 inside Panel18
inline constexpr int kTargetPanelHeight = 40;

// Where the regions of the drill window go for a client area and keyboard picture size.
// Halves are rounded toward zero.
struct DrillLayout {
    QRect keyboardPicture; // the keyboard picture, centred at the bottom
    QRect panelTop;        // the title and running figures above it
    QRect panelLeft;
    QRect panelRight;
    QRect ownKeysBox;    // own keys, centred in the client area
    QRect statisticsBox; // statistics, centred over the keyboard
    QRect tipsBox;       // tips
};
DrillLayout computeDrillLayout(QSize client, QSize picture);

// A panel of the given width centred in a parent of the given width.
constexpr int centredLeft(int parentWidth, int width) {
    return (parentWidth - width) / 2;
}

} // namespace kf
