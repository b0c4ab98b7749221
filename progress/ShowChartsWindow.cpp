// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/OpenChartsWindow.h"
#include "progress/StatisticsWindow.h"
#include "progress/TroubleKeysWindow.h"

#include <QPushButton>

namespace kf {

void showChartsWindow(const StudentContext& student, Services& services, QWidget* parent,
                      const ChartsHooks& hooks) {
    StatisticsWindow* charts = StatisticsWindow::open(student, services, parent);
    QObject* receiver = parent ? static_cast<QObject*>(parent) : charts;
    if (hooks.userLineNameChanged)
        QObject::connect(charts, &StatisticsWindow::userLineNameChanged, receiver,
                         hooks.userLineNameChanged);
    if (hooks.drillWindowReloadRequested)
        QObject::connect(charts, &StatisticsWindow::drillWindowReloadRequested, receiver,
                         hooks.drillWindowReloadRequested);
    if (!hooks.reportOf.isEmpty())
        charts->viewReportOf(hooks.reportOf);
    QObject::connect(charts, &StatisticsWindow::troubleKeysRequested, charts,
                     [student, &services, charts, hooks] {
                         showTroubleKeysWindow(student, services, charts, hooks);
                     });
}

void showTroubleKeysWindow(const StudentContext& student, Services& services, QWidget* parent,
                           const ChartsHooks& hooks) {
    TroubleKeysWindow* window = TroubleKeysWindow::open(student, services, parent);
    auto* practise = window->findChild<QPushButton*>(QStringLiteral("TroubleKeysPractise"));
    if (!hooks.practiseKeys) {
        practise->hide();
        return;
    }
    QObject::connect(window, &TroubleKeysWindow::practiseKeysRequested, window,
                     [window, practise = hooks.practiseKeys](const QString& keys) {
                         window->close();
                         practise(keys);
                     });
}

} // namespace kf
