// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a window or the drill engine needs to run under test: a temporary working folder, the
// state the windows share over it, and every platform service as its test double (manual clock,
// scripted dialogs, recorded sounds, shell, printer and speech).

#include "app/Globals.h"
#include "platform/doubles/DoubleServices.h"
#include "students/StudentFile.h"
#include "tests/common/ShippedFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace kf::test {

struct TestWorkingFolder : DoubleServices {
    // Makes the store the student files go through; none keeps them in the folder.
    using StoreMaker = std::function<std::unique_ptr<StudentStore>(const QString& folder)>;

    explicit TestWorkingFolder(int soundDevices = 1, const StoreMaker& makeStore = {})
        : DoubleServices(soundDevices)
        , globals(dir.path(), makeStore ? makeStore(dir.path()) : nullptr) {}

    QDir folder() const { return QDir(dir.path()); }
    QString path(const QString& name) const { return dir.filePath(name); }

    // The English US keyboard pictures and the sounds, as the main window looks for them.
    bool provideStartFiles() const {
        return provideStartPictures(folder()) && provideSounds(folder());
    }

    // The student is current, with a new student file, and the machine has a sound device.
    bool takeNewStudent(const QString& name) {
        globals.session.take(name);
        globals.soundDevice = true;
        return StudentFile::create(globals.studentFilePath(), globals.record).done();
    }

    QTemporaryDir dir;
    Globals globals;
};

} // namespace kf::test
