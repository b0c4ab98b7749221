// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/PanelFrame.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace kf {

// The summary report panel of the statistics window: it covers the whole window and shows the
// report text, its font size, the print and close buttons, and the list of student names a
// teacher picks from to view another student. The window acts on its buttons' signals.
class ReportPanel : public PanelFrame {
    Q_OBJECT
public:
    // Where the "Show" button's panel stands in the statistics window: the "Hide" button of
    // this panel takes the very same spot, so the two alternate in one place.
    static QRect showPanelPlace(QSize client);
    static QPoint showButtonOffset() { return {14, 11}; }

    explicit ReportPanel(QWidget* parent);

    // Replaces the whole report text.
    void setReportLines(const QStringList& lines);
    // The report as built, one string per line (carriage returns included).
    const QStringList& reportLines() const { return m_lines; }

    // The font the report is shown in. For printing, a size given in screen pixels is turned
    // into points, so the page shows the size the screen shows.
    QFont reportFont() const;
    QFont printFont() const;

    // The names list: filled in the order given; the name that matches current is selected.
    void setNames(const QStringList& names, const QString& current);
    void selectName(const QString& name);
    // The chosen name; empty when none is chosen.
    QString selectedName() const;
    void focusNames();

signals:
    void printClicked();
    void closeClicked();
    void viewReportClicked();
    void hideClicked();

private:
    void fontSizeChanged(int points);

    QStringList m_lines;
    QPlainTextEdit* m_text = nullptr;
    QListWidget* m_names = nullptr;
    QSpinBox* m_fontSize = nullptr;
};

} // namespace kf
