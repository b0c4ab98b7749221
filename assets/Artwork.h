// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QStringList>

class QPainter;

namespace kf::assets {

// Draws the logo, the hint and About pictures, the title and side pictures and the two button
// glyphs into the folder; returns what went wrong, if anything.
QStringList writeArtwork(const QDir& out);

// The program's picture (the About box's and the icon's) in a 96 x 96 box, on what is there.
void paintProgramPicture(QPainter& painter);

} // namespace kf::assets
