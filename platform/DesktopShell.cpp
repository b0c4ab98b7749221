// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace kf {

void DesktopShell::openFile(const QString& path, Window window) {
    const QFileInfo info(path);
    if (!info.exists())
        return;
    // Nothing is run hidden: a script someone put in a shared folder is no program of ours.
    if (window == Window::Hidden)
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

void DesktopShell::openUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

} // namespace kf
