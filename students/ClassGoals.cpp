// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/ClassGoals.h"

#include <QDir>
#include <QSettings>
#include <algorithm>

namespace kf {

namespace {

const QString kWordsPerMinute = QStringLiteral("Goals/WordsPerMinute");
const QString kAccuracy = QStringLiteral("Goals/AccuracyPercent");

// The goals a teacher can set; a hand-edited file outside them counts as the nearest one.
constexpr int kFewestWordsPerMinute = 1;
constexpr int kMostWordsPerMinute = 200;
constexpr int kLowestAccuracy = 1;
constexpr int kHighestAccuracy = 100;

QString pathIn(const QString& workingFolder) {
    return QDir(workingFolder).filePath(QLatin1String(ClassGoals::kFileName));
}

int readNumber(const QSettings& settings, const QString& key, int fallback, int lowest,
               int highest) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? std::clamp(value, lowest, highest) : fallback;
}

} // namespace

ClassGoals ClassGoals::read(const QString& workingFolder) {
    const QSettings settings(pathIn(workingFolder), QSettings::IniFormat);
    ClassGoals goals;
    goals.wordsPerMinute = readNumber(settings, kWordsPerMinute, kDefaultWordsPerMinute,
                                      kFewestWordsPerMinute, kMostWordsPerMinute);
    goals.accuracyPercent =
        readNumber(settings, kAccuracy, kDefaultAccuracyPercent, kLowestAccuracy, kHighestAccuracy);
    return goals;
}

bool ClassGoals::write(const QString& workingFolder) const {
    QSettings settings(pathIn(workingFolder), QSettings::IniFormat);
    settings.setValue(kWordsPerMinute, wordsPerMinute);
    settings.setValue(kAccuracy, accuracyPercent);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace kf
