// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ChartTitles.h"

namespace kf {

QString shortDate(const QDate& date, const QLocale& locale) {
    return locale.toString(date, QLocale::ShortFormat);
}

QString chartTitle(const char* label, const ChartHeading& heading, int trailingReturns) {
    return chartText(label) + heading.userName + u" -- " + heading.date +
           QString(qMax(0, trailingReturns), QChar::CarriageReturn);
}

QStringList titleLines(const QString& title) {
    return title.split(QChar::CarriageReturn);
}

} // namespace kf
