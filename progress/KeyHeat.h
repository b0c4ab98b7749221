// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"
#include "progress/TroubleKeys.h"

#include <QImage>
#include <QRgb>
#include <QString>
#include <array>
#include <vector>

namespace kf {

// What the keys of the Trouble Keys picture are coloured by.
enum class HeatMeasure : std::uint8_t { Accuracy, Speed };

// The four colours of the picture, from a key at the goal to one far below it. The key's figure
// is written on it too, so the colour is never the only cue.
enum class HeatBand : std::uint8_t { AtGoal, Near, Below, FarBelow };
inline constexpr int kHeatBandCount = 4;
inline constexpr std::array<QRgb, kHeatBandCount> kHeatColours = {
    0xFF2E9E4F, // green
    0xFFE8C33A, // yellow
    0xFFE8812A, // orange
    0xFFD0342C, // red
};
// Each band's lower edge as a share of the goal: 100 %, 90 %, 75 %.
inline constexpr std::array<double, kHeatBandCount - 1> kHeatBandEdges = {1.0, 0.9, 0.75};

// The band of a key's accuracy or speed against the goal.
HeatBand heatBand(const KeyStanding& standing, HeatMeasure measure, const ClassGoals& goals);
// The figure written on the key: whole percent of hits, or words a minute.
QString heatFigure(const KeyStanding& standing, HeatMeasure measure);

// One coloured key of the picture.
struct HeatKey {
    KeyStanding standing;
    QRect rect; // on the keyboard picture
    HeatBand band = HeatBand::AtGoal;
    QString figure;
};
// The keys of the ranked standings that the nationality's keyboard has, one per physical key:
// where a key has two characters (both letter cases), the weaker one colours it.
std::vector<HeatKey> heatKeys(const std::vector<KeyStanding>& ranked, Nationality nationality,
                              HeatMeasure measure, const ClassGoals& goals);
// The keyboard picture with each heat key tinted in its band's colour and its figure on it.
QImage heatPicture(const QImage& keyboard, const std::vector<HeatKey>& keys);

} // namespace kf
