// SPDX-License-Identifier: GPL-3.0-or-later
// The "charts" module: the statistics window with Qt Charts and the Trouble Keys window, loaded
// when a student first opens either.

#include "progress/OpenChartsWindow.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void kf_open_charts(const kf::StudentContext& student,
                                             kf::Services& services, QWidget* parent,
                                             const kf::ChartsHooks& hooks) {
    kf::showChartsWindow(student, services, parent, hooks);
}

extern "C" Q_DECL_EXPORT void kf_open_trouble_keys(const kf::StudentContext& student,
                                                   kf::Services& services, QWidget* parent,
                                                   const kf::ChartsHooks& hooks) {
    kf::showTroubleKeysWindow(student, services, parent, hooks);
}
