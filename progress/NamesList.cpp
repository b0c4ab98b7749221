// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/NamesList.h"

#include <QListWidget>

namespace kf {

void fillNames(QListWidget& list, const QStringList& names, const QString& current) {
    list.clear();
    list.addItems(names);
    selectName(list, current);
}

void selectName(QListWidget& list, const QString& name) {
    const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        list.setCurrentItem(found.first());
}

QString selectedName(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return item != nullptr && item->isSelected() ? item->text() : QString();
}

} // namespace kf
