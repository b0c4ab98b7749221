// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TextColour.h"

#include <QPalette>
#include <QWidget>

namespace kf {

void setTextColour(QWidget* control, const QColor& colour, WhenDisabled disabled) {
    QPalette palette = control->palette();
    if (disabled == WhenDisabled::KeepsColour) {
        palette.setColor(QPalette::WindowText, colour);
    } else {
        palette.setColor(QPalette::Active, QPalette::WindowText, colour);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    }
    control->setPalette(palette);
}

} // namespace kf
