// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

namespace kf {

// The small panel with the "Show" button that stands in the statistics window's corner while
// the summary report is hidden, where the report's "Hide" button was. It starts hidden.
class ReportShowPanel : public QFrame {
    Q_OBJECT
public:
    explicit ReportShowPanel(QWidget* window);

signals:
    void showClicked();
};

} // namespace kf
