// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/SectionUsage.h"

#include <QWidget>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;

namespace kf {

// The translation context of the statistics window's own texts, on either page.
inline constexpr char kStatisticsWindowContext[] = "StatisticsWindow";

class RadioGroup;

// A page of the statistics window. Both pages show, right of their selectors, the current
// user's name and the "Switch User", "View Report" and "Close Charts" buttons; the window acts
// on their signals. The builders here make the controls both pages are made of, in the
// window's translation context.
class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    void setCurrentUser(const QString& name);
    // Where the keyboard returns when the report closes.
    void focusViewReport();

signals:
    void switchUserClicked();
    void viewReportClicked();
    void closeClicked();

protected:
    explicit StatisticsPage(const QString& name);

    // The user's name and the three buttons; suffix ends each control's object name, so the
    // two pages' controls keep names of their own.
    void buildUserControls(const QString& suffix);

    // A panel that shows a value: sunken, text centred.
    QLabel* valuePanel(const QString& name, const QString& text);
    // A captioned selector whose first item is chosen.
    RadioGroup* radioGroup(const QString& name, const char* caption,
                           const std::vector<const char*>& items, int columns);

    // A button given by its object name and its English text.
    struct NamedButton {
        QString name;
        const char* text;
    };
    // The pair of hidden buttons through which the window draws a page's charts itself, one
    // above the other.
    std::pair<QPushButton*, QPushButton*> hiddenChartButtons(const QString& panelName,
                                                             const NamedButton& first,
                                                             const NamedButton& second);

    // The items of the section selectors, and the section an item stands for.
    static std::vector<const char*> sectionItemTexts();
    static Section sectionOfItem(int item);

private:
    QLabel* m_currentUser = nullptr;
    QPushButton* m_viewReport = nullptr;
};

} // namespace kf
