// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/KeyHeat.h"

#include "keyboard/KeyTable.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kf {

namespace {

constexpr int kTintAlpha = 150; // the key's own label still shows through
constexpr int kFigurePixelSize = 11;
constexpr int kFigureBandHeight = 13; // at the key's bottom, on a light strip

double shareOfGoal(const KeyStanding& standing, HeatMeasure measure, const ClassGoals& goals) {
    return measure == HeatMeasure::Speed ? standing.confidence
                                         : standing.trend.smoothedAccuracy / goals.goalAccuracy();
}

QRect pictureRect(const KeyRect& key) {
    return QRect(QPoint(key.left, key.top), QPoint(key.right - 1, key.bottom - 1));
}

} // namespace

HeatBand heatBand(const KeyStanding& standing, HeatMeasure measure, const ClassGoals& goals) {
    const double share = shareOfGoal(standing, measure, goals);
    for (std::size_t band = 0; band < kHeatBandEdges.size(); ++band)
        if (share >= kHeatBandEdges[band])
            return static_cast<HeatBand>(band);
    return HeatBand::FarBelow;
}

QString heatFigure(const KeyStanding& standing, HeatMeasure measure) {
    if (measure == HeatMeasure::Speed)
        return QString::number(std::lround(wordsPerMinuteAt(standing.trend.smoothedMs)));
    return QString::number(std::lround(standing.trend.smoothedAccuracy * 100)) + u'%';
}

std::vector<HeatKey> heatKeys(const std::vector<KeyStanding>& ranked, Nationality nationality,
                              HeatMeasure measure, const ClassGoals& goals) {
    std::vector<HeatKey> keys;
    for (const KeyStanding& standing : ranked) { // weakest first: the first on a key colours it
        const auto code = keyCodeOfCharacter(static_cast<AnsiChar>(standing.key));
        const auto entry = code ? keyEntry(*code, nationality) : std::nullopt;
        if (!entry)
            continue;
        const QRect rect = pictureRect(entry->rect);
        if (std::any_of(keys.begin(), keys.end(), [&](const HeatKey& k) { return k.rect == rect; }))
            continue;
        keys.push_back(
            {standing, rect, heatBand(standing, measure, goals), heatFigure(standing, measure)});
    }
    return keys;
}

QImage heatPicture(const QImage& keyboard, const std::vector<HeatKey>& keys) {
    QImage picture = keyboard.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&picture);
    QFont font;
    font.setPixelSize(kFigurePixelSize);
    font.setBold(true);
    painter.setFont(font);
    for (const HeatKey& key : keys) {
        QColor tint = QColor::fromRgba(kHeatColours[static_cast<std::size_t>(key.band)]);
        tint.setAlpha(kTintAlpha);
        painter.fillRect(key.rect, tint);
        const QRect strip(key.rect.left(), key.rect.bottom() - kFigureBandHeight + 1,
                          key.rect.width(), kFigureBandHeight);
        painter.fillRect(strip, QColor(255, 255, 255, 210));
        painter.setPen(Qt::black);
        painter.drawText(strip, Qt::AlignCenter, key.figure);
    }
    return picture;
}

} // namespace kf
