// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QStringList>

namespace kf::assets {

// Draws the logo, the hint and About pictures, the title and side pictures and the two button
// glyphs into the folder; returns what went wrong, if anything.
QStringList writeArtwork(const QDir& out);

} // namespace kf::assets
