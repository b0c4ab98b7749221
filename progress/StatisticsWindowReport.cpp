// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's summary report panel, and the viewing of another student's file.
#include "core/ColourScheme.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "progress/BarChartView.h"
#include "progress/ReportPanel.h"
#include "progress/StatisticsWindow.h"
#include "progress/SummaryReport.h"
#include "progress/SwitchUserPanel.h"
#include "students/RenameScript.h"
#include "students/Roster.h"
#include "students/ViewStudent.h"
#include "widgets/TextControls.h"
#include "widgets/TranslatedText.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace kf {

void StatisticsWindow::buildReportPanels() {
    m_switchUser = new SwitchUserPanel(this);
    connect(m_switchUser, &SwitchUserPanel::viewSelectedNameClicked, this,
            [this] { buttonViewSelectedNameClick(); });
    connect(m_switchUser, &SwitchUserPanel::cancelClicked, this,
            [this] { buttonCancelSwitchClick(); });

    m_showPanel = new QFrame(this);
    m_showPanel->setObjectName(QStringLiteral("PanelShow"));
    m_showPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_showPanel->setAutoFillBackground(true);
    m_showPanel->setGeometry(ReportPanel::showPanelPlace(size()));
    auto* show = uiButton(QStringLiteral("ButtonShow"), "ReportPanel",
                          QT_TRANSLATE_NOOP("ReportPanel", "Show"), m_showPanel);
    setUiToolTip(show, "ReportPanel", QT_TRANSLATE_NOOP("ReportPanel", "Show Report"));
    show->setGeometry(
        QRect(ReportPanel::showButtonOffset(),
              m_showPanel->size() - QSize(2, 2) * ReportPanel::showButtonOffset().x()));
    connect(show, &QPushButton::clicked, this, [this] { buttonShowClick(); });
    m_showPanel->hide();

    m_report = new ReportPanel(this);
    m_report->hide();
    connect(m_report, &ReportPanel::printClicked, this, [this] { buttonPrintReportClick(); });
    connect(m_report, &ReportPanel::closeClicked, this, [this] { buttonCloseReportClick(); });
    connect(m_report, &ReportPanel::hideClicked, this, [this] { buttonHideClick(); });
    connect(m_report, &ReportPanel::viewReportClicked, this,
            [this] { buttonReportViewNameClick(); });
}

void StatisticsWindow::buildReport() {
    m_report->setReportLines(
        summaryReportLines(m_student.record, {m_student.currentUserName, heading().date}));
}

void StatisticsWindow::buttonViewReportClick() {
    startRenameScript(m_services.shell, m_student.folder);
    playClick();
    m_report->show();
    m_report->raise();
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
    m_report->hide();
}

void StatisticsWindow::buttonHideClick() {
    playClick();
    m_report->hide();
    m_showPanel->show();
    m_showPanel->raise();
}

void StatisticsWindow::buttonShowClick() {
    playClick();
    m_report->show();
    m_report->raise();
    m_showPanel->hide();
    m_report->selectName(m_student.currentUserName);
}

void StatisticsWindow::viewReportOf(const QString& name) {
    buttonViewReportClick();
    m_report->selectName(name);
    if (m_report->selectedName() == name)
        buttonReportViewNameClick();
}

void StatisticsWindow::buttonSwitchUserClick() {
    playClick();
    startRenameScript(m_services.shell, m_student.folder);
    m_switchUser->open(schemeColours(m_student.record.colourScheme()).frame,
                       Roster(m_student.folder).names(), m_student.currentUserName);
    applyShiftErrors(ShiftErrorsMoment::SwitchUserOpened);
}

void StatisticsWindow::buttonCancelSwitchClick() {
    playClick();
    m_switchUser->hide();
}

void StatisticsWindow::buttonViewSelectedNameClick() {
    viewAnotherStudent(m_switchUser->selectedName(), ViewFrom::SwitchUserPanel);
}

void StatisticsWindow::buttonReportViewNameClick() {
    viewAnotherStudent(m_report->selectedName(), ViewFrom::ReportPanel);
}

void StatisticsWindow::viewAnotherStudent(const QString& chosen, ViewFrom from) {
    playClick();
    const ViewedStudent viewed = m_student.session.view(chosen);
    if (viewed.status == ViewedStudent::Status::Unreadable) {
        m_services.dialogs.error(viewed.message);
        return;
    }
    if (!viewed.nameTaken())
        return;
    // Viewing the name already current is no switch; it leaves an earlier switch's advice.
    if (!viewed.sameName)
        m_state.namesSwitched = true;

    const QString& name = m_student.currentUserName;
    m_keyPage.currentUser->setText(name);
    m_overallPage.currentUser->setText(name);
    m_switchUser->hide();
    resetCharts();

    const ActivityCode activity = m_student.activity.activity;
    if (activity == ActivityCode::BeginnersDrills)
        emit drillWindowReloadRequested();
    // From the switch-user panel the main window's user line changes only while no activity
    // is open; the report's list always changes it.
    if (from == ViewFrom::ReportPanel || activity == ActivityCode::MainWindow)
        emit userLineNameChanged(name);

    refresh();
    applyShiftErrors(from == ViewFrom::ReportPanel ? ShiftErrorsMoment::ViewedFromReport
                                                   : ShiftErrorsMoment::ViewedFromSwitchUser);
}

} // namespace kf
