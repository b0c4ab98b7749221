// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Shell.h"

#include <QList>

namespace kf {

class RecordingShell final : public Shell {
public:
    struct Call {
        QString target;
        Window window = Window::Normal;
    };
    void openFile(const QString& path, Window window) override { files.append({path, window}); }
    void openUrl(const QString& url) override { urls.append(url); }

    QList<Call> files;
    QStringList urls;
};

} // namespace kf
