// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kf {

void DesktopShell::openFile(const QString& path, Window window) {
    const QFileInfo info(path);
    if (!info.exists())
        return;
    if (info.suffix().compare(QStringLiteral("bat"), Qt::CaseInsensitive) == 0) {
        const QString cmd = QStandardPaths::findExecutable(QStringLiteral("cmd"));
        if (!cmd.isEmpty())
            QProcess::startDetached(cmd, {QStringLiteral("/c"), path}, info.absolutePath());
        return;
    }
    if (window == Window::Hidden)
        return; // only batch files are run hidden
    QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

void DesktopShell::openUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

} // namespace kf
