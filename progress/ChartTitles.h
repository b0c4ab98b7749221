// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TranslationContext.h"
#include "progress/ChartDescription.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace kf {

// Who and when every chart title names.
struct ChartHeading {
    QString userName;
    QString date; // in the system's short date format
};

// The date as the system writes it in short form.
QString shortDate(const QDate& date, const QLocale& locale = QLocale::system());

// The title every chart shows before it is drawn (English; shown in the interface language,
// context "Charts", as are the other chart texts).
inline constexpr const char* kUndrawnChartTitle =
    QT_TRANSLATE_NOOP("Charts", "Select Chart to View");

// The title of the adjusted WPM chart for Beginners Drills, which count no words per minute.
inline constexpr const char* kNoWpmChartTitle =
    QT_TRANSLATE_NOOP("Charts", "NO WORDS PER MINUTE CHART FOR BEGINNER'S DRILLS");

// A chart text in the interface language.
inline constexpr TranslationContext chartText{"Charts"};

// A title in one string: label text (English, shown in the interface language), user name,
// " -- ", date, then trailingReturns carriage returns that leave empty lines under the text.
QString chartTitle(const char* label, const ChartHeading& heading, int trailingReturns = 0);

// The lines of a title: split at carriage returns, empty lines kept.
QStringList titleLines(const QString& title);

} // namespace kf
