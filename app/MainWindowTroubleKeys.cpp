// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's way to the Trouble Keys window, and from there to practising those keys.
#include "app/Globals.h"
#include "app/MainWindow.h"
#include "drills/DrillWindow.h"
#include "progress/OpenChartsWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace kf {

void MainWindow::openTroubleKeys() {
    ChartsHooks hooks;
    hooks.practiseKeys = [this](const QString& keys) { practiseKeys(keys); };
    openTroubleKeysWindow(m_globals.student(), m_services, this, hooks);
}

void MainWindow::practiseKeys(const QString& keys) {
    // The drills are offered only while a student is current.
    if (!m_menu.beginners->menuAction()->isEnabled() || m_globals.session.viewing())
        return;
    beginDrill(DrillKind::ChooseYourOwnKeys);
    const QList<DrillWindow*> drills = findChildren<DrillWindow*>();
    if (drills.isEmpty())
        return;
    if (auto* field = drills.last()->findChild<QLineEdit*>(QStringLiteral("Edit1")))
        field->setText(keys);
}

} // namespace kf
