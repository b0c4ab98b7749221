// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The look of the drill window's controls: the design's colours and fonts, and the few ways a
// control is styled. Colours are given as the design's 0x00BBGGRR values.

#include "core/ColourValue.h"
#include "widgets/TextColour.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <string_view>

namespace kf::drillstyle {

// Colours of the design, as 0x00BBGGRR values.
constexpr quint32 kCream = 16187134;      // panel background
constexpr quint32 kBlueGrey = 10393692;   // statistics and top panel
constexpr quint32 kTitleText = 4210688;   // drill title at design
constexpr quint32 kRowCaption = 4227072;  // captions of the rows
constexpr quint32 kStatsTitle = 13102058; // "Beginners Stats"
constexpr quint32 kNavy = 0x800000;
constexpr quint32 kMaroon = 0x000080;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kTipsGreen = 0x00C8E6C8; // the tips box's shape

// A design colour, written like the stored ones as 0x00BBGGRR.
inline QColor fromBgr(quint32 bgr) {
    return QColor::fromRgb(rgbOfColourValue(bgr));
}

inline QString str(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Font families: the design's Verdana has no metric twin on this system, so DejaVu Sans is
// chosen outright; Courier New and Times New Roman map to their Liberation twins. The design
// gives font sizes in points; only the window's own font is given as a height in pixels.
inline QFont designFont(const QString& family, int points, bool bold) {
    QFont f(family);
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

inline QFont courier(int points, bool bold = false) {
    return designFont(QStringLiteral("Courier New"), points, bold);
}

inline QFont verdana(int points, bool bold = false) {
    return designFont(QStringLiteral("DejaVu Sans"), points, bold);
}

inline QFont timesNewRoman(int points, bool bold = false) {
    return designFont(QStringLiteral("Times New Roman"), points, bold);
}

// Courier New, 15 pixels high.
inline QFont windowFont() {
    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(15);
    return f;
}

inline void setBackground(QWidget* w, quint32 bgr) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fromBgr(bgr));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace kf::drillstyle
