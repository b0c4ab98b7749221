// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/ChartBands.h"
#include "progress/ChartTitles.h"
#include "progress/ChartsWindowState.h"
#include "progress/KeyCharts.h"
#include "progress/OverallCharts.h"
#include "progress/ShiftErrorsDisplay.h"
#include "students/StudentContext.h"

#include <QDate>
#include <QWidget>
#include <functional>

class QTabWidget;

namespace kf {

struct Services;
class KeyChartsPage;
class OverallChartsPage;
class ReportPanel;
class ReportShowPanel;
class SwitchUserPanel;

// The statistics window: two chart bands over a page control. The top band holds the key
// accuracy and the overall accuracy charts, the middle band the key speed and the adjusted WPM
// charts (ChartBands); the page shown (KeyChartsPage, OverallChartsPage) decides which chart of
// each band is in front. It reads the student record and the session's figures and changes
// neither.
//
// Over the charts lie the summary report panel, rebuilt by every Refresh, and the panel where a
// teacher chooses another student's name: that student's file is then read in for viewing.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    StatisticsWindow(const StudentContext& student, Services& services, QWidget* parent = nullptr);

    // Creates the window and shows it, on top and centred; it is deleted when it closes.
    // For the main window's "Your Stats" and the drill window's "Charts".
    static StatisticsWindow* open(const StudentContext& student, Services& services,
                                  QWidget* parent = nullptr);

    const ChartsWindowState& state() const { return m_state; }
    // Another student's file was loaded for viewing (or the own one again: false).
    void setNamesSwitched(bool switched) { m_state.namesSwitched = switched; }

    // The date chart titles show; today when never set.
    void setTitleDate(const QDate& date) { m_titleDate = date; }

    // Redraws both overall charts, rebuilds the summary report, then draws both per-key charts,
    // and on the first page shows the shift-error figures where they belong.
    void refresh();

    // The hidden chart buttons.
    void buttonKeySpeedClick();
    void buttonKeyAccuracyClick();
    void buttonAccuracyClick();
    void buttonAdjustedWpmClick();

    void buttonPrintTopClick();
    void buttonPrintMiddleClick();
    void chartPageChanged();
    void radioGroupKeyPeriodClick();
    void radioGroupKeySectionClick();
    void radioGroupCharactersClick();
    void radioGroupOverallSectionClick();
    void radioGroupOverallPeriodClick();
    void buttonCloseKeysClick();
    void buttonCloseOverallClick();

    // The summary report panel (StatisticsWindowReport.cpp).
    void buttonViewReportClick(); // "View Report" of either page
    void buttonPrintReportClick();
    void buttonCloseReportClick();
    void buttonHideClick();
    void buttonShowClick();
    void buttonReportViewNameClick(); // the report panel's "View Report"
    // Shows the report panel, chooses the name in its list and views that student's report, as
    // a teacher does with the list and its "View Report" button.
    void viewReportOf(const QString& name);

    // The switch-user panel (StatisticsWindowSwitchUser.cpp).
    void buttonSwitchUserClick();
    void buttonViewSelectedNameClick();
    void buttonCancelSwitchClick();

signals:
    // Another student's name became current and the main window's user line names it now.
    void userLineNameChanged(const QString& name);
    // Another student's record was read in while a drill window is open: that window empties
    // its statistics panels and reloads the keyboard pictures of the record's nationality.
    void drillWindowReloadRequested();
    // "Trouble Keys" of either page.
    void troubleKeysRequested();

protected:
    void showEvent(QShowEvent* event) override;
    // Another language: the captions, and the charts and the report drawn anew in it.
    void changeEvent(QEvent* event) override;
    // However the window closes, a switch of names earlier advises a restart.
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildPages();
    void centreOnDesktop();

    ChartsPage currentPage() const;
    SectionUsage::WorkingTotals sessionTotals(Section section) const;
    ChartHeading heading() const;

    void arrangeBands();
    // Runs step one of a per-key chart: arrange the bands when the window asked, else click.
    void arrangeOrClick();
    // Shows, hides or reads again the shift-key error figures as the moment says.
    void applyShiftErrors(ShiftErrorsMoment moment);
    void playClick();

    void buildReportPanel();
    void buildReport();
    // While the report shows, what it covers is hidden: neither Tab nor a screen reader
    // reaches the charts behind it.
    void setReportShown(bool shown);

    // Which list the name to view comes from.
    enum class ViewFrom { SwitchUserPanel, ReportPanel };
    void buildSwitchUserPanel();
    void viewAnotherStudent(const QString& chosen, ViewFrom from);

    StudentContext m_student;
    Services& m_services;
    ChartsWindowState m_state;
    QDate m_titleDate;

    // What the report covers: the bands, the pages and the panels over them.
    QWidget* m_chartsArea;
    ChartBands m_bands;
    QTabWidget* m_pages = nullptr;
    KeyChartsPage* m_keyPage = nullptr;
    OverallChartsPage* m_overallPage = nullptr;

    ReportPanel* m_report = nullptr;
    ReportShowPanel* m_showPanel = nullptr;
    SwitchUserPanel* m_switchUser = nullptr;
};

} // namespace kf
