// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DrillWindowHost.h"

#include "app/Globals.h"
#include "app/MainWindow.h"
#include "drills/DrillWindow.h"
#include "options/PreferencesDialog.h"

#include <QEvent>

namespace kf {

DrillWindowHost::DrillWindowHost(MainWindow& window, Globals& globals, Services& services)
    : m_window(window)
    , m_globals(globals)
    , m_services(services) {}

DrillWindowHost::~DrillWindowHost() {
    delete m_drillWindow.data();
}

void DrillWindowHost::setFactory(Factory factory) {
    m_factory = std::move(factory);
}

void DrillWindowHost::openDrillWindow() {
    if (!m_factory)
        return;
    m_globals.activity.activity = ActivityCode::BeginnersDrills;
    QWidget* drill = m_factory(m_window);
    if (drill == nullptr) {
        m_globals.activity.activity = ActivityCode::MainWindow;
        return;
    }
    m_drillWindow = drill;
    if (auto* drillWindow = qobject_cast<DrillWindow*>(drill))
        connectDrillWindow(*drillWindow);
    drill->installEventFilter(this);
    drill->show();
    m_window.hide();
}

// What the drill window asks of the program goes through here: Preferences is the main window's,
// and the user line names whom the drill's statistics window views.
void DrillWindowHost::connectDrillWindow(DrillWindow& drill) {
    drill.setOptionsOpener([this](DrillWindow&, OptionsPage page) { openPreferences(page); });
    connect(&drill, &DrillWindow::userLineNameChanged, &m_window, &MainWindow::showUserName);
}

bool DrillWindowHost::eventFilter(QObject* watched, QEvent* event) {
    // Closing the drill window hides it, whoever closes it; a window being minimised is hidden
    // by the system (a spontaneous event) and is not finished. Returning is the host's alone.
    if (watched == m_drillWindow && event->type() == QEvent::Hide && !event->spontaneous())
        returnFromDrill();
    return QObject::eventFilter(watched, event);
}

void DrillWindowHost::returnFromDrill() {
    QWidget* drill = m_drillWindow;
    m_drillWindow = nullptr;
    drill->removeEventFilter(this);
    // The main window's size is fixed; it takes the drill window's place.
    m_window.move(drill->pos());
    m_globals.activity.activity = ActivityCode::MainWindow;
    m_window.show();
    drill->deleteLater();
}

PreferencesTarget* DrillWindowHost::preferencesTarget() {
    switch (m_globals.activity.activity) {
    case ActivityCode::MainWindow:
        return &m_window;
    case ActivityCode::BeginnersDrills:
        return dynamic_cast<PreferencesTarget*>(m_drillWindow.data());
    }
    return nullptr;
}

void DrillWindowHost::openPreferences(std::optional<OptionsPage> page) {
    OptionsHooks hooks;
    hooks.schemeChanged = [this] {
        if (PreferencesTarget* target = preferencesTarget())
            target->preferencesSchemeChanged();
    };
    hooks.charactersShownChanged = [this] {
        if (PreferencesTarget* target = preferencesTarget())
            target->preferencesCharactersShownChanged();
    };
    hooks.closedDuringDrill = [this](int) {
        if (PreferencesTarget* target = preferencesTarget())
            target->preferencesClosed();
    };
    hooks.speakKeysChanged = [this](bool on) {
        if (PreferencesTarget* target = preferencesTarget())
            target->preferencesSpeakKeysChanged(on);
    };
    openOptions(m_globals.student(), m_services, std::move(hooks), page, &m_window);
}

} // namespace kf
