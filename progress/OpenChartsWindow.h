// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kf {

struct StudentContext;
struct Services;

// What the window that opens the statistics window asks of it and wants to hear from it. Each hook
// is called only while the opening window lives.
struct ChartsHooks {
    // Another student's name became current: the main window's user line names it.
    std::function<void(const QString& name)> userLineNameChanged;
    // Another student's record was read in while a drill window is open.
    std::function<void()> drillWindowReloadRequested;
    // When not empty: the student whose report the window opens on, viewed as if chosen there.
    QString reportOf;
    // "Practise These Keys" of the Trouble Keys window: Choose Your Own Keys is to open with these
    // keys filled in. Without it the button is not offered.
    std::function<void(const QString& keys)> practiseKeys;
};

// Opens the statistics window over parent, shown, on top and centred. The program takes it from
// the charts module on first use; tests and benchmarks link the window in (showChartsWindow).
void openChartsWindow(const StudentContext& student, Services& services, QWidget* parent,
                      const ChartsHooks& hooks);

// Builds and shows the statistics window in this binary.
void showChartsWindow(const StudentContext& student, Services& services, QWidget* parent,
                      const ChartsHooks& hooks);

// Opens the Trouble Keys window of the current or viewed student over parent, from the charts
// module as the statistics window; only hooks.practiseKeys is used.
void openTroubleKeysWindow(const StudentContext& student, Services& services, QWidget* parent,
                           const ChartsHooks& hooks);
void showTroubleKeysWindow(const StudentContext& student, Services& services, QWidget* parent,
                           const ChartsHooks& hooks);

// The charts module's entry points: showChartsWindow and showTroubleKeysWindow.
inline constexpr const char* kChartsModule = "charts";
inline constexpr const char* kOpenCharts = "kf_open_charts";
inline constexpr const char* kOpenTroubleKeys = "kf_open_trouble_keys";
using OpenCharts = void(const StudentContext&, Services&, QWidget*, const ChartsHooks&);

} // namespace kf
