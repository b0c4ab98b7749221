// SPDX-License-Identifier: GPL-3.0-or-later
// One next-key choice as the drill engine makes it: the draw, the key table lookup and the
// guidance sentence; and the draw alone, from the smallest and the largest pools.
#include "keyboard/NextKeyChooser.h"

#include <benchmark/benchmark.h>

namespace {

void chooseNextKey(benchmark::State& state, kf::DrillKind kind, kf::Nationality nationality) {
    kf::NextKeyChooser chooser(20260607);
    kf::ChooserSettings settings;
    settings.kind = kind;
    settings.nationality = nationality;
    settings.lowerCaseOnly = false;
    const QString userName = QStringLiteral("Maria");
    kf::CurrentKey current;
    for (auto _ : state) {
        const kf::ChosenKey chosen = chooser.choose(settings, current, userName);
        current = chosen.key;
        benchmark::DoNotOptimize(chosen.guidance);
    }
}

void BM_ChooseHomeRowEnglishUs(benchmark::State& state) {
    chooseNextKey(state, kf::DrillKind::HomeRowOnly, kf::Nationality::EnglishUS);
}
BENCHMARK(BM_ChooseHomeRowEnglishUs);

void BM_ChooseEverythingEnglishUk(benchmark::State& state) {
    chooseNextKey(state, kf::DrillKind::DoEverything, kf::Nationality::EnglishUK);
}
BENCHMARK(BM_ChooseEverythingEnglishUk);

void BM_ChoosePunctuationGerman(benchmark::State& state) {
    chooseNextKey(state, kf::DrillKind::AllAndCommonPunctuation, kf::Nationality::German);
}
BENCHMARK(BM_ChoosePunctuationGerman);

void BM_ChooseOwnKeysSpanish(benchmark::State& state) {
    kf::NextKeyChooser chooser(20260607);
    kf::ChooserSettings settings;
    settings.kind = kf::DrillKind::ChooseYourOwnKeys;
    settings.nationality = kf::Nationality::Spanish;
    settings.customKeys = QByteArray("a\xf1\xe9;Q!7@\xbfZ");
    const QString userName = QStringLiteral("Maria");
    kf::CurrentKey current;
    for (auto _ : state) {
        settings.setPresses = (settings.setPresses + 1) % 10;
        const kf::ChosenKey chosen = chooser.choose(settings, current, userName);
        current = chosen.key;
        benchmark::DoNotOptimize(chosen.guidance);
    }
}
BENCHMARK(BM_ChooseOwnKeysSpanish);

void BM_DrawOnlyNumbers(benchmark::State& state) {
    kf::NextKeyChooser chooser(20260607);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            chooser.drawKeyCode(kf::DrillKind::NumbersOnly, kf::Nationality::French, true));
}
BENCHMARK(BM_DrawOnlyNumbers);

void BM_DrawOnlyEverything(benchmark::State& state) {
    kf::NextKeyChooser chooser(20260607);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            chooser.drawKeyCode(kf::DrillKind::DoEverything, kf::Nationality::EnglishUK, false));
}
BENCHMARK(BM_DrawOnlyEverything);

} // namespace

BENCHMARK_MAIN();
