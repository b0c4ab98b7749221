// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Shell.h"

namespace kf {

// Opens files with the desktop's associated program. Batch files (".bat") run only where a
// Windows command interpreter is installed; elsewhere they are left alone.
class DesktopShell final : public Shell {
public:
    void openFile(const QString& path, Window window) override;
    void openUrl(const QString& url) override;
};

} // namespace kf
