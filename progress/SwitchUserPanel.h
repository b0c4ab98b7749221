// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/PanelFrame.h"

#include <QRgb>

class QLabel;
class QListWidget;

namespace kf {

// The panel in the middle of the statistics window where a teacher picks another student's
// name to view that student's figures.
class SwitchUserPanel : public PanelFrame {
    Q_OBJECT
public:
    explicit SwitchUserPanel(QWidget* parent);

    // Shows the panel over the window with its picture painted in the scheme colour, the
    // prompt, and the names to choose from (sorted already); the current name is selected.
    void open(QRgb schemeColour, const QStringList& names, const QString& current);

    // The chosen name; empty when none is chosen.
    QString selectedName() const;

    // Moves the keyboard to the panel's next (or previous) control, round and round: while the
    // panel shows, what lies under it is covered and must not take the keyboard.
    void moveFocusWithin(bool next);

signals:
    void viewSelectedNameClicked();
    void cancelClicked();

private:
    QLabel* m_picture = nullptr;
    QLabel* m_message = nullptr;
    QListWidget* m_names = nullptr;
};

} // namespace kf
