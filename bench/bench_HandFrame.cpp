// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of the hand animation on the 587 x 283 keyboard picture: the reset from the clean
// copy, the key marks and the hand, as Timer1 draws it every 400 ms. Each frame is timed on its
// own, so the counters give the median and the 99th percentile of single frames, in wall time
// and in the thread's own CPU time (which a busy machine does not inflate).

#include "drills/HandAnimation.h"
#include "keyboard/KeyTable.h"

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <utility>
#include <vector>

namespace {

using namespace kf;

QImage cleanPicture() {
    QImage picture;
    const QString share = qEnvironmentVariable("KEYFARER_SHARE");
    if (!share.isEmpty())
        picture.load(share + QStringLiteral("/keybord10.bmp"));
    if (picture.size() != QSize(587, 283)) {
        picture = QImage(587, 283, QImage::Format_RGB32);
        picture.fill(qRgb(192, 192, 192));
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

// A capital on the English US keyboard: the target key, the right Shift and the left hand.
HandScene sceneOfCapitalG() {
    const KeyCode code = *keyCodeOfCharacter('G');
    const KeyEntry entry = *keyEntry(code, Nationality::EnglishUS);
    HandScene scene;
    scene.key.code = code;
    scene.key.character = entry.character;
    scene.key.label = entry.character;
    scene.key.rect = entry.rect;
    scene.key.labelPoint = entry.labelPoint;
    scene.key.rightShift = true;
    scene.key.leftHand = true;
    scene.style = {2, qRgb(61, 99, 90), 900};
    return scene;
}

double threadCpuMicros() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(fraction * double(values.size() - 1));
    return values[at];
}

void BM_HandFrame(benchmark::State& state) {
    const QImage clean = cleanPicture();
    HandScene scene = sceneOfCapitalG();
    HandSprites sprites; // kept by the drill window, as here
    scene.sprites = &sprites;
    QImage picture;
    QImage spare; // the drill window draws each frame over the one before the shown one
    QImage shown; // and its keyboard view keeps the shown frame meanwhile
    HandAnimationState hands;
    std::vector<double> micros;
    std::vector<double> cpuMicros;
    micros.reserve(100000);
    cpuMicros.reserve(100000);
    for (auto _ : state) {
        hands.handPhase = 2; // frame 2 every time: the hand away from home
        const double cpuStart = threadCpuMicros();
        const auto start = std::chrono::steady_clock::now();
        std::swap(picture, spare);
        animateHands(hands, scene, picture, clean);
        shown = picture;
        const auto end = std::chrono::steady_clock::now();
        cpuMicros.push_back(threadCpuMicros() - cpuStart);
        benchmark::DoNotOptimize(picture.constBits());
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    state.counters["median_us"] = percentile(micros, 0.5);
    state.counters["p99_us"] = percentile(micros, 0.99);
    state.counters["cpu_median_us"] = percentile(cpuMicros, 0.5);
    state.counters["cpu_p99_us"] = percentile(cpuMicros, 0.99);
}
BENCHMARK(BM_HandFrame)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the key labels
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
