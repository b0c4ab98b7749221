// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QRect;
class QWidget;

namespace kf {

// The area above the keyboard (PanelTop): the heading and the drill's title with its shadow, and
// the running figures (Panel1): keys done, the key to type, the set's time, the last correct key,
// the missed key and the key typed instead, the instructions and the pause box over them.
// Returns the target panel (Panel19), which the drill places and sizes for each target.
QLabel* buildDrillTopArea(QWidget* client);

// Places the area in the client area, the figures below the heading and the title after it.
void layOutDrillTopArea(QWidget& client, const QRect& geometry);

} // namespace kf
