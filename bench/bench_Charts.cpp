// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's work: building the four chart descriptions from a student record,
// a whole Refresh of the window (the four charts drawn with Qt Charts), and the picture a
// "Print Chart" hands to the printer. Run offscreen.

#include "app/Globals.h"
#include "platform/ManualClock.h"
#include "platform/Services.h"
#include "platform/doubles/RecordingPrinter.h"
#include "platform/doubles/RecordingShell.h"
#include "platform/doubles/RecordingSoundPlayer.h"
#include "platform/doubles/ScriptedDialogs.h"
#include "progress/BarChartView.h"
#include "progress/KeyCharts.h"
#include "progress/OverallCharts.h"
#include "progress/StatisticsWindow.h"
#include "students/FixedPoint.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace kf;

// A student with figures in every per-key array and history.
void fillRecord(StudentRecord& record) {
    record.applyCreateDefaults();
    for (int i = 1; i <= 108; ++i) {
        record.setPerKey(layout::kBegSessionAccuracy, i, (40 + (i * 37) % 61) / 100.0L);
        record.setPerKey(layout::kBegAccuracy, i, (50 + (i * 17) % 51) / 100.0L);
        record.setPerKey(layout::kBegSessionAvgSeconds, i, (3 + (i * 13) % 25) / 10.0L);
        record.setPerKey(layout::kBegAvgSeconds, i, (5 + (i * 7) % 20) / 10.0L);
    }
    record.setI64(layout::kBegSessionKeys, toFixedPoint(250));
    record.setI64(layout::kBegSessionMisses, toFixedPoint(20));
    for (int i = 0; i < 8; ++i)
        record.setHistory(layout::kBegPercentHistory, i, 60 + 4 * i);
}

void BM_ChartDescriptions(benchmark::State& state) {
    StudentRecord record;
    fillRecord(record);
    const DrillSessionFigures session;
    const ChartHeading heading{QStringLiteral("Maria"), QStringLiteral("07/12/2026")};
    for (auto _ : state) {
        benchmark::DoNotOptimize(keySpeedChart(record, session, KeyPeriod::TodayOrLast,
                                               KeyGroup::InternationalKeys, heading));
        benchmark::DoNotOptimize(keyAccuracyChart(record, session, KeyPeriod::TodayOrLast,
                                                  KeyGroup::InternationalKeys, heading));
        benchmark::DoNotOptimize(overallAccuracyChart(record, Section::BeginnersDrills, {},
                                                      OverallPeriod::PastEightDays, heading));
        benchmark::DoNotOptimize(adjustedWpmChart(record, Section::BeginnersDrills, {},
                                                  OverallPeriod::PastEightDays, heading));
    }
}
BENCHMARK(BM_ChartDescriptions)->Unit(benchmark::kMicrosecond);

struct Window {
    Window()
        : globals(QStringLiteral("/nonexistent")) {
        fillRecord(globals.record);
        globals.currentUserName = QStringLiteral("Maria");
        window.show();
    }
    Globals globals;
    RecordingSoundPlayer sound;
    RecordingShell shell;
    RecordingPrinter printer;
    ScriptedDialogs dialogs;
    ManualClock clock;
    Services services{sound, shell, printer, dialogs, clock};
    StatisticsWindow window{globals.student(), services};
};

void BM_ChartsRefresh(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.window.refresh();
        QApplication::processEvents(); // the charts lay themselves out on the next turn
    }
}
BENCHMARK(BM_ChartsRefresh)->Unit(benchmark::kMillisecond);

void BM_PrintChartPicture(benchmark::State& state) {
    Window w;
    auto* chart = w.window.findChild<BarChartView*>(QStringLiteral("ChartKeyAccuracy"));
    for (auto _ : state)
        benchmark::DoNotOptimize(chart->toImage(2.0));
}
BENCHMARK(BM_PrintChartPicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
