// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

struct QMetaObject;

namespace kf {

// Gives every widget of one class (its subclasses go by their own class) the accessible role
// given, where the one Qt gives its base class tells a screen reader the wrong thing.
void setClassAccessibleRole(const QMetaObject& widgetClass, QAccessible::Role role);

} // namespace kf
