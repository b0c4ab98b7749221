// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drill engine over the test working folder: the doubles of every platform service, a manual
// clock and a real student file.

#include "drills/DrillEngine.h"
#include "students/QueuedStudentStore.h"
#include "tests/common/FileBytes.h"
#include "tests/common/RecordPatterns.h"
#include "tests/common/TestWorkingFolder.h"

#include <memory>

namespace kf::test {

struct DrillHarness : TestWorkingFolder {
    explicit DrillHarness(DrillKind kind = DrillKind::HomeRowOnly) {
        if (!takeNewStudent(QStringLiteral("Pat")))
            qFatal("no student file for Pat");
        globals.soundDeviceCount = 1;
        globals.activity.activity = ActivityCode::BeginnersDrills;
        globals.activity.selectDrill(kind);
    }

    // The pictures and sounds the build ships (the drill only reads them).
    void shipFiles() const { linkAllShipped(folder()); }

    // The window is created and shown.
    DrillEngine& open(std::uint32_t seed = 7) {
        engine = std::make_unique<DrillEngine>(globals.drillContext(), services, seed);
        engine->drillStart();
        return *engine;
    }

    // Own keys verified and "Begin Typing" clicked.
    DrillEngine& openOwnKeys(const QString& keys) {
        globals.activity.selectDrill(DrillKind::ChooseYourOwnKeys);
        open();
        engine->verifyOwnKeys(keys);
        engine->beginOwnKeys();
        return *engine;
    }

    void press(AnsiChar c) { engine->handleDrillKey(DrillKey::fromCharacter(c)); }
    void typeTarget() { press(engine->targetChar()); }
    // A key that is not the target.
    void typeWrong() { press(engine->targetChar() == '~' ? '`' : '~'); }
    void space() { press(DrillKey::kSpace); }
    void enter() { press(DrillKey::kEnter); }
    void escape() { press(DrillKey::kEscape); }

    QString caption(DrillControl c) const { return engine->view()[c].caption; }
    bool visible(DrillControl c) const { return engine->view()[c].visible; }
    bool enabled(DrillControl c) const { return engine->view()[c].enabled; }
    const TimerView& timer(DrillTimer t) const { return engine->view().timer(t); }
    // The student file once the set's end has been written: the window does not wait for it.
    QByteArray savedFile() const {
        settleSaves();
        return readBytes(globals.studentFilePath());
    }
    void settleSaves() const {
        if (auto* queued = dynamic_cast<QueuedStudentStore*>(globals.store.get()))
            queued->settle();
    }
    int played(const QString& file) const {
        int n = 0;
        for (const QString& p : sound.played)
            n += p.endsWith(file) ? 1 : 0;
        return n;
    }

    std::unique_ptr<DrillEngine> engine;
};

} // namespace kf::test
