// SPDX-License-Identifier: GPL-3.0-or-later
// The time from a key press reaching the drill window to the next target shown and the keyboard
// picture put back to its unmarked copy, on the offscreen platform. Each press is timed on its
// own; the median and the 99th percentile of 10,000 presses are reported as counters (in
// microseconds). "with paint" also lets the window paint what changed before the clock stops.
// Each runs twice: /0 with nobody's session (nothing saved), /1 with the student taken as
// "Use this Name" does, so that every press also waits in the press journal and a set's end
// writes the student file and the journal.

#include "app/Globals.h"
#include "drills/DrillWindow.h"
#include "platform/Services.h"
#include "platform/SteadyClock.h"
#include "platform/doubles/RecordingPrinter.h"
#include "platform/doubles/RecordingShell.h"
#include "platform/doubles/RecordingSoundPlayer.h"
#include "platform/doubles/ScriptedDialogs.h"
#include "students/StudentFile.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <vector>

namespace {

using namespace kf;

constexpr int kPresses = 10000;

struct Drill {
    QTemporaryDir folder;
    Globals globals{folder.path()};
    RecordingSoundPlayer sound;
    RecordingShell shell;
    RecordingPrinter printer;
    ScriptedDialogs dialogs;
    SteadyClock clock;
    Services services{sound, shell, printer, dialogs, clock};
    std::unique_ptr<DrillWindow> form;

    explicit Drill(bool owned) {
        globals.currentUserName = QStringLiteral("Bench");
        globals.soundDevice = true;
        globals.activity.activity = ActivityCode::BeginnersDrills;
        globals.activity.selectDrill(DrillKind::AllThreeRows);
        StudentFile::create(globals.studentFilePath(), globals.record);
        if (owned)
            globals.session.take(QStringLiteral("Bench"));
        globals.record.setFlag(layout::kBegAddEnter, false);
        form = std::make_unique<DrillWindow>(globals.drillWindowState(), services);
        form->show();
        QApplication::processEvents();
        form->engine().chooseSetLength(30);
    }

    void send(int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(form->centralWidget(), &press);
    }
};

// Processor time of this thread, in microseconds: on a machine shared with other work the wall
// time also counts the moments the thread was not running at all.
double threadCpuMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

struct Samples {
    std::vector<double> wall;
    std::vector<double> cpu;
};

double percentile(std::vector<double>& v, double q) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())))];
}

void reportPercentiles(benchmark::State& state, Samples& s) {
    state.counters["median_us"] = percentile(s.wall, 0.5);
    state.counters["p99_us"] = percentile(s.wall, 0.99);
    state.counters["cpu_median_us"] = percentile(s.cpu, 0.5);
    state.counters["cpu_p99_us"] = percentile(s.cpu, 0.99);
}

// Times one press (and, when asked, the painting it causes).
void timePress(benchmark::State& state, Samples& samples, Drill& drill, const QString& text,
               bool withPaint) {
    const double cpuStart = threadCpuMicros();
    const auto start = std::chrono::steady_clock::now();
    drill.send(Qt::Key_unknown, text);
    if (withPaint)
        QApplication::processEvents();
    const auto stop = std::chrono::steady_clock::now();
    const double cpu = threadCpuMicros() - cpuStart;
    const std::chrono::duration<double> seconds = stop - start;
    state.SetIterationTime(seconds.count());
    samples.wall.push_back(seconds.count() * 1e6);
    samples.cpu.push_back(cpu);
}

QString targetText(const DrillEngine& engine) {
    return QString(QChar(static_cast<char16_t>(engine.targetChar())));
}

// Presses that bring up a next target; the last press of a set (which shows the statistics and
// writes the student file instead) and the Space that starts a set are made untimed.
void pressTargets(benchmark::State& state, bool withPaint) {
    Drill drill(state.range(0) != 0);
    Samples samples;
    for (auto _ : state) {
        DrillEngine& engine = drill.form->engine();
        if (engine.setRunning() && engine.setPresses() == engine.setLength() - 1)
            drill.send(Qt::Key_unknown, targetText(engine));
        if (!engine.setRunning())
            drill.send(Qt::Key_Space, QStringLiteral(" "));
        QApplication::processEvents();
        timePress(state, samples, drill, targetText(engine), withPaint);
    }
    reportPercentiles(state, samples);
}

// The last press of a set: the statistics shown and the student file written.
void BM_LastKeyOfSet(benchmark::State& state) {
    Drill drill(state.range(0) != 0);
    Samples samples;
    for (auto _ : state) {
        DrillEngine& engine = drill.form->engine();
        drill.send(Qt::Key_Space, QStringLiteral(" "));
        while (engine.setPresses() < engine.setLength() - 1)
            drill.send(Qt::Key_unknown, targetText(engine));
        QApplication::processEvents();
        timePress(state, samples, drill, targetText(engine), false);
    }
    reportPercentiles(state, samples);
}

void BM_KeyToNextTarget(benchmark::State& state) {
    pressTargets(state, false);
}
void BM_KeyToNextTargetWithPaint(benchmark::State& state) {
    pressTargets(state, true);
}

BENCHMARK(BM_LastKeyOfSet)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(300)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyToNextTarget)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(kPresses)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyToNextTargetWithPaint)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(kPresses)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

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
