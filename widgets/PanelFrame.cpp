// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PanelFrame.h"

#include "widgets/AccessibleRole.h"

namespace kf {

namespace {

// Before the frame is made, as a screen reader may ask for it from then on. A grouping goes
// out as a panel.
QWidget* withPanelRole(QWidget* parent) {
    setClassAccessibleRole(PanelFrame::staticMetaObject, QAccessible::Grouping);
    return parent;
}

} // namespace

PanelFrame::PanelFrame(QWidget* parent)
    : QFrame(withPanelRole(parent)) {}

} // namespace kf
