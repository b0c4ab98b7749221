// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's viewing of another student's file, chosen on the switch-user panel
// or in the summary report's list of names.
#include "core/ColourScheme.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "progress/KeyChartsPage.h"
#include "progress/OverallChartsPage.h"
#include "progress/StatisticsWindow.h"
#include "progress/SwitchUserPanel.h"
#include "students/Roster.h"
#include "students/ViewStudent.h"

namespace kf {

void StatisticsWindow::buildSwitchUserPanel() {
    m_switchUser = new SwitchUserPanel(m_chartsArea);
    connect(m_switchUser, &SwitchUserPanel::viewSelectedNameClicked, this,
            [this] { buttonViewSelectedNameClick(); });
    connect(m_switchUser, &SwitchUserPanel::cancelClicked, this,
            [this] { buttonCancelSwitchClick(); });
}

void StatisticsWindow::buttonSwitchUserClick() {
    playClick();
    m_switchUser->open(schemeColours(m_student.record.colourScheme()).frame,
                       Roster(m_student.folder).names(), m_student.currentUserName);
    applyShiftErrors(ShiftErrorsMoment::SwitchUserOpened);
}

void StatisticsWindow::buttonCancelSwitchClick() {
    playClick();
    m_switchUser->hide();
}

bool StatisticsWindow::focusNextPrevChild(bool next) {
    // The switch-user panel covers the middle of the page: while it shows, Tab goes round it.
    if (m_switchUser->isVisible()) {
        m_switchUser->moveFocusWithin(next);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void StatisticsWindow::buttonViewSelectedNameClick() {
    viewAnotherStudent(m_switchUser->selectedName(), ViewFrom::SwitchUserPanel);
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
    m_keyPage->setCurrentUser(name);
    m_overallPage->setCurrentUser(name);
    m_switchUser->hide();
    m_bands.clearCharts();

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
