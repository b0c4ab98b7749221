// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kf {

struct Globals;
struct Services;

// The sound a run starts with: the computer's sound devices are counted, the record's sound
// switches are on, and when there is a device to play them the event sound files are looked for
// in the working folder; only the first one missing is reported.
void checkSoundAtStart(Globals& globals, Services& services);

} // namespace kf
