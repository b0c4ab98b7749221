// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's summary report panel: opened by either page's "View Report", printed,
// closed, or hidden behind the small "Show" panel in the corner.
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "progress/GoalReport.h"
#include "progress/ReportPanel.h"
#include "progress/ReportShowPanel.h"
#include "progress/StatisticsPage.h"
#include "progress/StatisticsWindow.h"
#include "progress/SummaryReport.h"
#include "students/Roster.h"

#include <QTabWidget>

namespace kf {

void StatisticsWindow::buildReportPanel() {
    m_showPanel = new ReportShowPanel(m_chartsArea);
    connect(m_showPanel, &ReportShowPanel::showClicked, this, [this] { buttonShowClick(); });

    m_report = new ReportPanel(this);
    m_report->hide();
    connect(m_report, &ReportPanel::printClicked, this, [this] { buttonPrintReportClick(); });
    connect(m_report, &ReportPanel::closeClicked, this, [this] { buttonCloseReportClick(); });
    connect(m_report, &ReportPanel::hideClicked, this, [this] { buttonHideClick(); });
    connect(m_report, &ReportPanel::viewReportClicked, this,
            [this] { buttonReportViewNameClick(); });
}

void StatisticsWindow::setReportShown(bool shown) {
    // The side to show first, so the focus never falls to a hidden control on the way.
    if (shown) {
        m_report->show();
        m_chartsArea->hide();
    } else {
        m_chartsArea->show();
        m_report->hide();
    }
}

void StatisticsWindow::buildReport() {
    m_report->setReportLines(
        summaryReportLines(m_student.record, {m_student.currentUserName, heading().date}) +
        goalReportLines(m_student.folder.path(), m_student.currentUserName));
}

void StatisticsWindow::buttonViewReportClick() {
    playClick();
    setReportShown(true);
    m_report->setNames(Roster(m_student.folder).names(), m_student.currentUserName);
    refresh();
    m_report->focusNames();
}

void StatisticsWindow::buttonPrintReportClick() {
    playClick();
    const Printer::Outcome outcome =
        m_services.printer.printLines(m_report->reportLines(), m_report->printFont());
    if (outcome.status == Printer::Status::Failed)
        m_services.dialogs.error(outcome.error);
}

void StatisticsWindow::buttonCloseReportClick() {
    playClick();
    setReportShown(false);
    static_cast<StatisticsPage*>(m_pages->currentWidget())->focusViewReport();
}

void StatisticsWindow::buttonHideClick() {
    playClick();
    m_showPanel->show();
    m_showPanel->raise();
    setReportShown(false);
    m_showPanel->focusShow();
}

void StatisticsWindow::buttonShowClick() {
    playClick();
    setReportShown(true);
    m_showPanel->hide();
    m_report->selectName(m_student.currentUserName);
    m_report->focusNames();
}

void StatisticsWindow::buttonReportViewNameClick() {
    viewAnotherStudent(m_report->selectedName(), ViewFrom::ReportPanel);
}

void StatisticsWindow::viewReportOf(const QString& name) {
    buttonViewReportClick();
    m_report->selectName(name);
    if (m_report->selectedName() == name)
        buttonReportViewNameClick();
}

} // namespace kf
