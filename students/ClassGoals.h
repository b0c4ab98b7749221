// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kf {

// The goals the teacher sets for the whole class: a speed in words a minute and an accuracy.
// They live in one small settings file of the working folder ("class-goals.conf"), which every
// running copy over that folder reads; a missing or unreadable file gives the defaults.
struct ClassGoals {
    static constexpr int kDefaultWordsPerMinute = 35;
    static constexpr int kDefaultAccuracyPercent = 95;
    static constexpr int kKeysPerWord = 5;
    static constexpr const char* kFileName = "class-goals.conf";

    int wordsPerMinute = kDefaultWordsPerMinute;
    int accuracyPercent = kDefaultAccuracyPercent;

    // The time of one key at the goal's speed.
    double goalMs() const { return 60'000.0 / (wordsPerMinute * kKeysPerWord); }
    double goalAccuracy() const { return accuracyPercent / 100.0; }

    static ClassGoals read(const QString& workingFolder);
    // False when the file could not be written.
    bool write(const QString& workingFolder) const;

    friend bool operator==(const ClassGoals&, const ClassGoals&) = default;
};

} // namespace kf
