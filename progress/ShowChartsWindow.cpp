// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/OpenChartsWindow.h"
#include "progress/StatisticsWindow.h"

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
}

} // namespace kf
