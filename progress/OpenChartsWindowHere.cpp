// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window linked into the binary: what tests and benchmarks open.
#include "progress/OpenChartsWindow.h"

namespace kf {

void openChartsWindow(Globals& globals, Services& services, QWidget* parent,
                      const ChartsHooks& hooks) {
    showChartsWindow(globals, services, parent, hooks);
}

} // namespace kf
