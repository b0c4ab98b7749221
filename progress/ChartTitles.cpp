// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ChartTitles.h"

#include <QCoreApplication>

namespace kf {

QString shortDate(const QDate& date, const QLocale& locale) {
    return locale.toString(date, QLocale::ShortFormat);
}

QString chartText(const char* source) {
    return QCoreApplication::translate("Charts", source);
}

QString chartTitle(const char* label, const ChartHeading& heading, int trailingReturns) {
    return chartText(label) + heading.userName + u" -- " + heading.date +
           QString(qMax(0, trailingReturns), QChar::CarriageReturn);
}

QStringList titleLines(const QString& title) {
    return title.split(QChar::CarriageReturn);
}

} // namespace kf
