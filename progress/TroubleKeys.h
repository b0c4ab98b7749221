// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/ClassGoals.h"
#include "students/JournalReader.h"
#include "students/KeyTrend.h"

#include <QString>
#include <map>
#include <vector>

namespace kf {

// Where one key stands against the class goals.
struct KeyStanding {
    int key = 0;
    KeyTrend trend;
    // Goal time / smoothed time of the hits: 1 at the goal's speed, 0 before any hit.
    double confidence = 0;
    // The weaker of confidence and accuracy / goal accuracy: below 1, the key holds back.
    double strength = 0;

    bool holdsBack() const { return strength < 1.0; }
};

// The keys a student has typed, weakest first: a key holds the student back while its
// smoothed time is slower than the goal time or its smoothed accuracy is below the goal
// accuracy, and the further below, the weaker.
std::vector<KeyStanding> rankKeys(const std::map<int, KeyTrend>& trends, const ClassGoals& goals);

// The keys that hold the student back, weakest first, at most most of them.
std::vector<int> troubleKeys(const std::vector<KeyStanding>& ranked, int most);

// The student meets the class goals: they typed keys and none holds them back.
bool meetsGoals(const std::vector<KeyStanding>& ranked);

// How a key fared in each of the last sets that had it, oldest first.
struct KeySetPoint {
    int set = 0;
    double wordsPerMinute = 0; // at the key's mean hit time; 0 without a hit
    double accuracy = 0;       // 0..1
};
std::vector<KeySetPoint> keyHistory(const std::vector<JournalKeySet>& sets, int key, int lastSets);

// A speed in words a minute for a time per key.
double wordsPerMinuteAt(double msPerKey);

} // namespace kf
