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
};

// Opens the statistics window over parent, shown, on top and centred. The program takes it from
// the charts module on first use; tests and benchmarks link the window in (showChartsWindow).
void openChartsWindow(const StudentContext& student, Services& services, QWidget* parent,
                      const ChartsHooks& hooks);

// Builds and shows the statistics window in this binary.
void showChartsWindow(const StudentContext& student, Services& services, QWidget* parent,
                      const ChartsHooks& hooks);

// The charts module's entry point: showChartsWindow.
inline constexpr const char* kChartsModule = "charts";
inline constexpr const char* kOpenCharts = "kf_open_charts";
using OpenCharts = void(const StudentContext&, Services&, QWidget*, const ChartsHooks&);

} // namespace kf
