// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

namespace kf {

// A framed panel that lies inside its window. Qt gives a plain QFrame the border role, which
// the accessibility bridge reports as a frame, that is a window of its own: a screen reader
// then takes every control inside for part of an inactive window and says nothing of it. A
// PanelFrame is reported as a panel of the window it lies in.
class PanelFrame : public QFrame {
    Q_OBJECT
public:
    explicit PanelFrame(QWidget* parent);
};

} // namespace kf
