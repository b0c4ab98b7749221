// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtContainerFwd>

class QListWidget;
class QString;

namespace kf {

// The lists of student names of the statistics window (the report's and the switch-user
// panel's). The names come sorted already; the current one is selected when it is listed.
void fillNames(QListWidget& list, const QStringList& names, const QString& current);
void selectName(QListWidget& list, const QString& name);
// The name chosen in the list; empty when none is chosen.
QString selectedName(const QListWidget& list);

} // namespace kf
