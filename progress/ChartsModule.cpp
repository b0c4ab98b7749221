// SPDX-License-Identifier: GPL-3.0-or-later
// The "charts" module: the statistics window with Qt Charts, loaded when a student first opens
// it.

#include "progress/OpenChartsWindow.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void kf_open_charts(const kf::StudentContext& student,
                                             kf::Services& services, QWidget* parent,
                                             const kf::ChartsHooks& hooks) {
    kf::showChartsWindow(student, services, parent, hooks);
}
