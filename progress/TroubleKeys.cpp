// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/TroubleKeys.h"

#include <algorithm>

namespace kf {

namespace {

KeyStanding standingOf(int key, const KeyTrend& trend, const ClassGoals& goals) {
    KeyStanding standing{key, trend, 0, 0};
    standing.confidence = trend.timed() ? goals.goalMs() / trend.smoothedMs : 0;
    standing.strength =
        std::min(standing.confidence, trend.smoothedAccuracy / goals.goalAccuracy());
    return standing;
}

} // namespace

double wordsPerMinuteAt(double msPerKey) {
    return msPerKey > 0 ? 60'000.0 / (msPerKey * ClassGoals::kKeysPerWord) : 0;
}

std::vector<KeyStanding> rankKeys(const std::map<int, KeyTrend>& trends, const ClassGoals& goals) {
    std::vector<KeyStanding> ranked;
    ranked.reserve(trends.size());
    for (const auto& [key, trend] : trends)
        if (trend.presses > 0)
            ranked.push_back(standingOf(key, trend, goals));
    // Equal strengths keep the key order, so the same figures always rank alike.
    std::stable_sort(ranked.begin(), ranked.end(), [](const KeyStanding& a, const KeyStanding& b) {
        return a.strength < b.strength;
    });
    return ranked;
}

std::vector<int> troubleKeys(const std::vector<KeyStanding>& ranked, int most) {
    std::vector<int> keys;
    for (const KeyStanding& standing : ranked) {
        if (!standing.holdsBack() || static_cast<int>(keys.size()) == most)
            break;
        keys.push_back(standing.key);
    }
    return keys;
}

bool meetsGoals(const std::vector<KeyStanding>& ranked) {
    return !ranked.empty() && !ranked.front().holdsBack();
}

std::vector<KeySetPoint> keyHistory(const std::vector<JournalKeySet>& sets, int key, int lastSets) {
    std::vector<KeySetPoint> points;
    for (auto it = sets.rbegin(); it != sets.rend() && static_cast<int>(points.size()) < lastSets;
         ++it) {
        if (it->key != key || it->figures.presses == 0)
            continue;
        const KeySetFigures& f = it->figures;
        points.push_back({it->set, f.hits > 0 ? wordsPerMinuteAt(f.hitMsSum / f.hits) : 0,
                          static_cast<double>(f.hits) / f.presses});
    }
    std::reverse(points.begin(), points.end());
    return points;
}

} // namespace kf
