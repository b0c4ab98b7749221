// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MenuBarKey.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

namespace kf {

void openMenuBarWithF10(QMainWindow& window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    shortcut->setObjectName(QStringLiteral("MenuBarKey"));
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window] {
        QMenuBar* bar = window.menuBar();
        for (QAction* menu : bar->actions()) {
            if (menu->isVisible() && menu->isEnabled()) {
                bar->setActiveAction(menu);
                return;
            }
        }
    });
}

} // namespace kf
