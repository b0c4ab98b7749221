// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kf {

// Whether a sound server (PulseAudio, or PipeWire speaking its protocol) answers, without
// loading any sound library: the sound outputs the program can use are that server's, and with
// none of them running there are none. A server address other than a local socket counts as
// reachable; the sound module finds out when it plays.
bool soundServerReachable();

// The local socket the server listens on, from PULSE_SERVER or the user's runtime folder;
// empty when PULSE_SERVER names a remote server.
QString soundServerSocket();

} // namespace kf
