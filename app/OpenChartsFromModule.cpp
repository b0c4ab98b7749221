// SPDX-License-Identifier: GPL-3.0-or-later
// The program's statistics window: taken from the charts module the first time it opens, so
// that Qt Charts and OpenGL stay out of the program until then.
#include "platform/Dialogs.h"
#include "platform/FeatureModule.h"
#include "platform/Services.h"
#include "progress/OpenChartsWindow.h"

namespace kf {

namespace {

void openFromModule(const char* entry, const StudentContext& student, Services& services,
                    QWidget* parent, const ChartsHooks& hooks) {
    // A module stays loaded once loaded: later openings find it at once.
    FeatureModule module(QString::fromLatin1(kChartsModule));
    if (auto* open = module.resolve<OpenCharts>(entry)) {
        open(student, services, parent, hooks);
        return;
    }
    services.dialogs.error(
        QStringLiteral("The statistics window cannot be opened: %1").arg(module.errorString()));
}

} // namespace

void openChartsWindow(const StudentContext& student, Services& services, QWidget* parent,
                      const ChartsHooks& hooks) {
    openFromModule(kOpenCharts, student, services, parent, hooks);
}

void openTroubleKeysWindow(const StudentContext& student, Services& services, QWidget* parent,
                           const ChartsHooks& hooks) {
    openFromModule(kOpenTroubleKeys, student, services, parent, hooks);
}

} // namespace kf
