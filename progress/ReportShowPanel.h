// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/PanelFrame.h"

class QPushButton;

namespace kf {

// The small panel with the "Show" button that stands in the statistics window's corner while
// the summary report is hidden, where the report's "Hide" button was. It starts hidden.
class ReportShowPanel : public PanelFrame {
    Q_OBJECT
public:
    explicit ReportShowPanel(QWidget* window);

    void focusShow();

signals:
    void showClicked();

private:
    QPushButton* m_show = nullptr;
};

} // namespace kf
