// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <array>

namespace kf::assets {

// The bitmap sizes of the program's icon beside the scalable one, as desktops look them up.
inline constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};

// Writes the program's icon into an icon theme folder laid out as hicolor is:
// scalable/apps/<name>.svg and <n>x<n>/apps/<name>.png for each of kIconSizes, on a transparent
// ground. Returns what went wrong, if anything.
QStringList writeProgramIcon(const QDir& theme, const QString& name);

} // namespace kf::assets
