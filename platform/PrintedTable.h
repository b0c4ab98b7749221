// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

namespace kf {

// A table to print: a title, a header row and the rows of text, in a font given in points. The
// printer makes it as small as it must (down to a floor) for the table to fit one page.
struct PrintedTable {
    QString title;
    QStringList header;
    QList<QStringList> rows;
    QList<bool> rightAligned; // per column: figures line up on the right
    QFont font;               // the largest size to print in, in points
    // A column whose cells are drawn as small trend lines of whole percents (oldest first)
    // instead of text; -1 for none.
    int trendColumn = -1;
    QList<QList<int>> trends; // per row
};

} // namespace kf
