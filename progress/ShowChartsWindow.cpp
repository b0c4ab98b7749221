// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/OpenChartsWindow.h"
#include "progress/charts.h"

namespace kf {

void showChartsWindow(Globals& globals, Services& services, QWidget* parent,
                      const ChartsHooks& hooks) {
    TFormCharts* charts = TFormCharts::open(globals, services, parent);
    QObject* receiver = parent ? static_cast<QObject*>(parent) : charts;
    if (hooks.userLineNameChanged)
        QObject::connect(charts, &TFormCharts::userLineNameChanged, receiver,
                         hooks.userLineNameChanged);
    if (hooks.drillWindowReloadRequested)
        QObject::connect(charts, &TFormCharts::drillWindowReloadRequested, receiver,
                         hooks.drillWindowReloadRequested);
    if (!hooks.reportOf.isEmpty())
        charts->viewReportOf(hooks.reportOf);
}

} // namespace kf
