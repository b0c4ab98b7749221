// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/OptionGroups.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class QWidget;

namespace kf {

class DrillWindow;
class MainWindow;
class PreferencesTarget;
struct Globals;
struct Services;

// The drill window in the main window's place. It opens the drill window for the drill kind
// already set in the shared state and hides the main window; when the drill window is hidden
// (closing hides it, whoever closes it) the main window takes its place again and the drill
// window is deleted. Preferences, whoever asks for it, acts on the window on screen.
class DrillWindowHost : public QObject {
    Q_OBJECT
public:
    // Makes the drill window as a top-level window, or nothing.
    using Factory = std::function<QWidget*(MainWindow& mainWindow)>;

    DrillWindowHost(MainWindow& window, Globals& globals, Services& services);
    // A drill window still open goes with its host.
    ~DrillWindowHost() override;

    void setFactory(Factory factory);
    // Opens the drill window, unless there is no factory or it makes none.
    void openDrillWindow();
    // Opens Preferences as a window of the main window, so that it lives as long as the main
    // window and closing a drill window never takes it away unsaved.
    void openPreferences(std::optional<OptionsPage> page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectDrillWindow(DrillWindow& drill);
    void returnFromDrill();
    PreferencesTarget* preferencesTarget();

    MainWindow& m_window;
    Globals& m_globals;
    Services& m_services;
    Factory m_factory;
    QPointer<QWidget> m_drillWindow;
};

} // namespace kf
