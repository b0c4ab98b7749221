// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

namespace kf {

// Where the main window's areas go around the keyboard picture, which sits at the bottom centre
// with a decorated panel on either side and the title area above. All halves round toward zero.
struct MainLayout {
    QRect keyboard;        // Image1
    QRect title;           // PanelMainTitle
    QRect leftPanel;       // PanelLeft
    QRect rightPanel;      // PanelRight
    QRect newUserPanel;    // Panel1
    QRect selectUserPanel; // Panel2
};

inline constexpr QSize kNewUserPanelSize{294, 220};
inline constexpr QSize kSelectUserPanelSize{294, 318};

// windowWidth is the whole window's width, client the area below the menu bar.
MainLayout layOutAroundKeyboard(int windowWidth, QSize client, QSize picture);

} // namespace kf
