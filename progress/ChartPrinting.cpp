// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ChartPrinting.h"

#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "progress/BarChartView.h"

namespace kf {

namespace {

// Printed charts are drawn at twice their size on screen, so the page gets a sharp picture.
constexpr qreal kPrintScale = 2.0;

} // namespace

void printChart(BarChartView& chart, Services& services) {
    const Printer::Outcome outcome = services.printer.printImage(chart.toImage(kPrintScale));
    if (outcome.status == Printer::Status::Failed)
        services.dialogs.error(outcome.error);
}

} // namespace kf
