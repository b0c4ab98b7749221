// SPDX-License-Identifier: GPL-3.0-or-later
// The press journal: what a set's end adds (a 30-key set written under full syncs into a journal
// of 200,000 presses), the bytes a press takes on disk, and the Trouble Keys window drawn over
// that journal. Run from a folder on a local disk (the journals are made in the current folder),
// with QT_QPA_PLATFORM=offscreen or a display.
#include "platform/doubles/DoubleServices.h"
#include "progress/HeatKeyboardView.h"
#include "progress/OpenChartsWindow.h"
#include "progress/TroubleKeysWindow.h"
#include "students/PressJournal.h"
#include "tests/common/TestWorkingFolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

constexpr int kSetLength = 30;
constexpr int kJournalPresses = 200'000;
constexpr char kKeys[] = "asdfjkl;ghqwertyuiopzxcvbnm";

// One set of the home and letter rows, now and then a miss.
void addSet(kf::PressJournal& journal, std::mt19937& random) {
    std::uniform_int_distribution<int> key(0, sizeof kKeys - 2);
    std::uniform_int_distribution<int> ms(150, 1500);
    std::bernoulli_distribution miss(0.06);
    for (int i = 0; i < kSetLength; ++i) {
        const int target = kKeys[key(random)];
        const bool missed = miss(random);
        journal.add({1'800'000'000 + i, 0, 0, target, missed ? kKeys[key(random)] : target, !missed,
                     ms(random), 0});
    }
    journal.closeSet();
}

// A journal of about 200,000 presses, written set by set as a student's would be.
void fillJournal(const QString& path) {
    std::mt19937 random(7);
    kf::PressJournal journal;
    for (int set = 0; set < kJournalPresses / kSetLength; ++set)
        addSet(journal, random);
    journal.write(path);
}

double percentile(std::vector<double> samples, double share) {
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, std::size_t(share * double(samples.size())))];
}

void BM_SetEndWrite(benchmark::State& state) {
    QTemporaryDir dir(QDir::current().filePath(QStringLiteral("journal-bench-XXXXXX")));
    const QString path = kf::PressJournal::pathFor(dir.path(), QStringLiteral("Pat"));
    fillJournal(path);
    std::mt19937 random(11);
    kf::PressJournal journal;
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        addSet(journal, random);
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        benchmark::DoNotOptimize(journal.write(path).status);
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    state.counters["p50_ms"] = percentile(ms, 0.5);
    state.counters["p99_ms"] = percentile(ms, 0.99);
    const double presses =
        kJournalPresses / kSetLength * kSetLength + double(ms.size()) * kSetLength;
    state.counters["bytes_per_press"] = double(QFileInfo(path).size()) / presses;
}
BENCHMARK(BM_SetEndWrite)->Unit(benchmark::kMillisecond)->Iterations(200);

// From the click to the window drawn: the journal read, ranked and shown, the picture painted.
void BM_TroubleKeysWindowDrawn(benchmark::State& state) {
    kf::test::TestWorkingFolder folder;
    folder.provideStartFiles();
    folder.takeNewStudent(QStringLiteral("Pat"));
    fillJournal(kf::PressJournal::pathFor(folder.dir.path(), QStringLiteral("Pat")));
    std::vector<double> ms;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        kf::showTroubleKeysWindow(folder.globals.student(), folder.services, nullptr, {});
        QWidget* window = QApplication::activeWindow();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<kf::TroubleKeysWindow*>(top) != nullptr)
                window = top;
        benchmark::DoNotOptimize(window->grab());
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        state.PauseTiming();
        window->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["p99_ms"] = percentile(ms, 0.99);
}
BENCHMARK(BM_TroubleKeysWindowDrawn)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
