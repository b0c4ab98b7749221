// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QStringList>

namespace kf::assets {

// Synthesises the program's sounds into the folder as 16-bit mono WAV files, each ending in
// 150 ms of silence; returns what went wrong, if anything.
QStringList writeSounds(const QDir& out);

} // namespace kf::assets
