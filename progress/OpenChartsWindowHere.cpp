// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics and Trouble Keys windows linked into the binary: what tests and benchmarks open.
#include "progress/OpenChartsWindow.h"

namespace kf {

void openChartsWindow(const StudentContext& student, Services& services, QWidget* parent,
                      const ChartsHooks& hooks) {
    showChartsWindow(student, services, parent, hooks);
}

void openTroubleKeysWindow(const StudentContext& student, Services& services, QWidget* parent,
                           const ChartsHooks& hooks) {
    showTroubleKeysWindow(student, services, parent, hooks);
}

} // namespace kf
