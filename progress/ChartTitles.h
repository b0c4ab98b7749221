// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// The title every chart shows before it is drawn.
inline constexpr QStringView kUndrawnChartTitle = u"Select Chart to View";

// The title of the adjusted WPM chart for Beginners Drills, which count no words per minute.
inline constexpr QStringView kNoWpmChartTitle = u"NO WORDS PER MINUTE CHART FOR BEGINNER'S DRILLS";

// A title in one string: label text, user name, " -- ", date, then trailingReturns carriage
// returns that leave empty lines under the text.
QString chartTitle(QStringView label, const ChartHeading& heading, int trailingReturns = 0);

// The lines of a title: split at carriage returns, empty lines kept.
QStringList titleLines(const QString& title);

} // namespace kf
