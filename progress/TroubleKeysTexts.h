// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/KeyHeat.h"
#include "progress/TroubleKeys.h"
#include "students/ClassGoals.h"

#include <QString>

namespace kf {

// The Trouble Keys window's texts that carry figures, in the interface language (context
// "TroubleKeysWindow").
inline constexpr char kTroubleKeysContext[] = "TroubleKeysWindow";

// The rule of which keys hold a student back, in one sentence.
QString troubleRuleText(const ClassGoals& goals);
// The class goals.
QString classGoalsText(const ClassGoals& goals);
// Whether the student meets them.
QString goalStandingText(const QString& student, const std::vector<KeyStanding>& ranked);
// Both in one line.
QString goalsText(const ClassGoals& goals, const QString& student,
                  const std::vector<KeyStanding>& ranked);
// A key's figures, for its tool tip and the picture's accessible description.
QString keyFiguresText(const KeyStanding& standing);
// What a band of the legend means.
QString heatBandText(HeatBand band);
// A key as it is shown in the tables: the character, or its code when it has none to show.
QString keyCaption(int key);
// The chart of one key, for those who do not see it.
QString keyChartDescription(int key, const std::vector<KeySetPoint>& points);

} // namespace kf
