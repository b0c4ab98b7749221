// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kf {

// Opens files and web pages with the programs the system associates with them, never waiting.
class Shell {
public:
    enum class Window { Hidden, Normal };
    virtual ~Shell() = default;
    virtual void openFile(const QString& path, Window window) = 0;
    virtual void openUrl(const QString& url) = 0;
};

} // namespace kf
