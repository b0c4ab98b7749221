// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kf {

struct Services;
class BarChartView;

// Prints the chart as it looks on screen, sharper; a printer that fails says why in a message.
void printChart(BarChartView& chart, Services& services);

} // namespace kf
