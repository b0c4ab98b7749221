// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the hands are drawn on the drill window's keyboard picture, as the origin of a hand's
// outline: frame 1 rests the hand on the home row, frames 2 and 3 move it halfway to the target
// and onto it. The places follow the key a character sits on in each layout, apart from the few
// characters whose hand goes elsewhere.

#include "keyboard/KeyTable.h"
#include "keyboard/Nationality.h"

#include <QPoint>
#include <optional>

namespace kf {

// Frame 1: where each hand rests for a target.
QPoint leftHandHome(AnsiChar target);
QPoint rightHandHome(AnsiChar target);
// A key typed from the home row: its animation stops after frame 1.
bool isHomeKey(AnsiChar target, Nationality nationality);
// The origin of frame 2 or 3 of the left or the right hand for a target on a keyboard; nothing
// when the hand stays where it is (keys it reaches without moving, keys of the other hand).
std::optional<QPoint> handFrameOrigin(Hand hand, int frame, AnsiChar target,
                                      Nationality nationality);
// Frame 2 or 3 of the right hand for the closing Enter, whose key lies further right on the
// keyboards other than English US.
QPoint enterHandOrigin(int frame, Nationality nationality);

} // namespace kf
