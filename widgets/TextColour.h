// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QColor;
class QWidget;

namespace kf {

// What a control's text looks like while it is disabled.
enum class WhenDisabled {
    KeepsColour, // the same colour in every state
    GreysOut,    // the style's greyed text, like a link that cannot be followed
};

// Colours the text of a label (or any control drawn with the window text colour).
void setTextColour(QWidget* control, const QColor& colour,
                   WhenDisabled disabled = WhenDisabled::KeepsColour);

} // namespace kf
