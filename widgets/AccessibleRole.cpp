// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QMetaObject>
#include <QWidget>

namespace kf {

namespace {

// Widgets are made and asked for on the GUI thread only.
QHash<QString, QAccessible::Role>& classRoles() {
    static QHash<QString, QAccessible::Role> roles;
    return roles;
}

QAccessibleInterface* accessibleWithRole(const QString& className, QObject* object) {
    const auto role = classRoles().constFind(className);
    if (role == classRoles().constEnd() || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), *role);
}

} // namespace

void setClassAccessibleRole(const QMetaObject& widgetClass, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleWithRole);
        return true;
    }();
    Q_UNUSED(installed)
    classRoles().insert(QString::fromLatin1(widgetClass.className()), role);
}

} // namespace kf
