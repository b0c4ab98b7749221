// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/ClassGoals.h"

#include "core/FolderFile.h"

#include <QDir>
#include <QSettings>
#include <algorithm>

namespace kf {

namespace {

const QString kGroup = QStringLiteral("Goals");
const QString kWordsPerMinuteKey = QStringLiteral("WordsPerMinute");
const QString kAccuracyKey = QStringLiteral("AccuracyPercent");
const QString kWordsPerMinute = kGroup + u'/' + kWordsPerMinuteKey;
const QString kAccuracy = kGroup + u'/' + kAccuracyKey;
// A goals file holds two short lines; anything far larger is no goals file.
constexpr qint64 kMostFileBytes = 4096;

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
    ClassGoals goals;
    // Every copy of the program reads this file: one that is a pipe, a device or far too large
    // would hold each of them, so only a small ordinary file of the folder is read.
    const QString path = pathIn(workingFolder);
    if (!folderFile::oddness(path).isEmpty() || !folderFile::isOrdinary(path, kMostFileBytes))
        return goals;
    const QSettings settings(path, QSettings::IniFormat);
    goals.wordsPerMinute = readNumber(settings, kWordsPerMinute, kDefaultWordsPerMinute,
                                      kFewestWordsPerMinute, kMostWordsPerMinute);
    goals.accuracyPercent =
        readNumber(settings, kAccuracy, kDefaultAccuracyPercent, kLowestAccuracy, kHighestAccuracy);
    return goals;
}

bool ClassGoals::write(const QString& workingFolder) const {
    // Written whole and renamed into place like every file of the folder, in the format the
    // settings reader above reads.
    const QString text = QStringLiteral("[%1]\n%2=%3\n%4=%5\n")
                             .arg(kGroup, kWordsPerMinuteKey)
                             .arg(wordsPerMinute)
                             .arg(kAccuracyKey)
                             .arg(accuracyPercent);
    return folderFile::write(pathIn(workingFolder), text.toUtf8()).isEmpty();
}

} // namespace kf
