// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/TroubleKeysTexts.h"

#include "core/TranslationContext.h"
#include "keyboard/Windows1252.h"

#include <cmath>

namespace kf {

namespace {

constexpr TranslationContext text{kTroubleKeysContext};

constexpr std::array<const char*, kHeatBandCount> kBandTexts = {
    QT_TRANSLATE_NOOP("TroubleKeysWindow", "At or above the goal"),
    QT_TRANSLATE_NOOP("TroubleKeysWindow", "Less than a tenth below the goal"),
    QT_TRANSLATE_NOOP("TroubleKeysWindow", "Less than a quarter below the goal"),
    QT_TRANSLATE_NOOP("TroubleKeysWindow", "A quarter or more below the goal"),
};

long wholePercentOf(double share) {
    return std::lround(share * 100);
}

} // namespace

QString troubleRuleText(const ClassGoals& goals) {
    return text(QT_TRANSLATE_NOOP(
                    "TroubleKeysWindow",
                    "A key holds you back while its time, counting hits only and moving a tenth of "
                    "the way with each set, is slower than the goal of %1 words a minute, or while "
                    "fewer than %2 % of its presses hit; the weakest key comes first."))
        .arg(goals.wordsPerMinute)
        .arg(goals.accuracyPercent);
}

QString classGoalsText(const ClassGoals& goals) {
    return text(QT_TRANSLATE_NOOP("TroubleKeysWindow",
                                  "Class goals: %1 words a minute and %2 % accuracy."))
        .arg(goals.wordsPerMinute)
        .arg(goals.accuracyPercent);
}

QString goalsText(const ClassGoals& goals, const QString& student,
                  const std::vector<KeyStanding>& ranked) {
    return classGoalsText(goals) + u' ' + goalStandingText(student, ranked);
}

QString goalStandingText(const QString& student, const std::vector<KeyStanding>& ranked) {
    QString met;
    if (ranked.empty())
        met = text(QT_TRANSLATE_NOOP("TroubleKeysWindow", "%1 has no presses in the journal yet."));
    else if (meetsGoals(ranked))
        met = text(QT_TRANSLATE_NOOP("TroubleKeysWindow", "%1 meets them."));
    else
        met = text(QT_TRANSLATE_NOOP("TroubleKeysWindow", "%1 does not meet them yet."));
    return met.arg(student);
}

QString keyFiguresText(const KeyStanding& standing) {
    return text(
               QT_TRANSLATE_NOOP("TroubleKeysWindow", "%1: %2 % of presses hit, %3 words a minute"))
        .arg(keyCaption(standing.key))
        .arg(wholePercentOf(standing.trend.smoothedAccuracy))
        .arg(std::lround(wordsPerMinuteAt(standing.trend.smoothedMs)));
}

QString heatBandText(HeatBand band) {
    return text(kBandTexts[static_cast<std::size_t>(band)]);
}

QString keyCaption(int key) {
    if (key < 0)
        return text(QT_TRANSLATE_NOOP("TroubleKeysWindow", "(another character)"));
    if (key == ' ')
        return text(QT_TRANSLATE_NOOP("TroubleKeysWindow", "Space"));
    return QString(fromWindows1252(static_cast<AnsiChar>(key)));
}

QString keyChartDescription(int key, const std::vector<KeySetPoint>& points) {
    if (points.empty())
        return text(QT_TRANSLATE_NOOP("TroubleKeysWindow", "%1: no sets yet")).arg(keyCaption(key));
    return text(QT_TRANSLATE_NOOP(
                    "TroubleKeysWindow",
                    "%1 over the last %2 sets: from %3 to %4 words a minute, from %5 % to %6 % "
                    "accuracy"))
        .arg(keyCaption(key))
        .arg(points.size())
        .arg(std::lround(points.front().wordsPerMinute))
        .arg(std::lround(points.back().wordsPerMinute))
        .arg(wholePercentOf(points.front().accuracy))
        .arg(wholePercentOf(points.back().accuracy));
}

} // namespace kf
