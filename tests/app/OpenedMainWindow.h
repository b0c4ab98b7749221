// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window over a test working folder, opened as the program opens it, and its controls
// found by their object names.

#include "app/MainWindow.h"
#include "tests/common/TestWorkingFolder.h"

#include <QCoreApplication>
#include <QEvent>
#include <memory>

namespace kf::test {

struct OpenedMainWindow : TestWorkingFolder {
    using TestWorkingFolder::TestWorkingFolder;

    // The main window after its first activation.
    MainWindow& open() {
        form = std::make_unique<MainWindow>(globals, services);
        form->show();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(form.get(), &activate);
        dialogs.shown.clear();
        return *form;
    }

    template <typename T>
    T& control(const QString& name) const {
        T* found = form->findChild<T*>(name);
        if (found == nullptr)
            qFatal("no control %s", qPrintable(name));
        return *found;
    }

    std::unique_ptr<MainWindow> form;
};

} // namespace kf::test
