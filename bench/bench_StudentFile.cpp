// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving a student file (the whole 110,824-byte record, saved atomically).
#include "students/StudentFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_LoadRecord(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Bench.stu"));
    kf::StudentRecord record;
    kf::StudentFile::create(path, record);
    for (auto _ : state) {
        const kf::FileOutcome outcome = kf::StudentFile::load(path, record);
        benchmark::DoNotOptimize(outcome.status);
    }
}
BENCHMARK(BM_LoadRecord)->Unit(benchmark::kMicrosecond);

void BM_SaveRecord(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Bench.stu"));
    kf::StudentRecord record;
    kf::StudentFile::create(path, record);
    for (auto _ : state) {
        const kf::FileOutcome outcome = kf::StudentFile::save(path, record);
        benchmark::DoNotOptimize(outcome.status);
    }
}
BENCHMARK(BM_SaveRecord)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
