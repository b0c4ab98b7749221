// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drill engine with the test doubles of every platform service, a manual clock and a real
// student file in a temporary working folder.

#include "app/Globals.h"
#include "app/Services.h"
#include "drills/DrillEngine.h"
#include "platform/doubles/DoubleServices.h"
#include "students/StudentFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace kf::test {

inline QByteArray recordBytes(const StudentRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()),
                      static_cast<qsizetype>(record.bytes().size()));
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct DrillHarness : DoubleServices {
    explicit DrillHarness(DrillKind kind = DrillKind::HomeRowOnly)
        : globals(folder.path()) {
        globals.session.take(QStringLiteral("Pat"));
        globals.soundDevice = true;
        globals.soundDeviceCount = 1;
        globals.activity.activity = ActivityCode::BeginnersDrills;
        globals.activity.selectDrill(kind);
        StudentFile::create(globals.studentFilePath(), globals.record);
    }

    // The pictures and sounds the build ships, linked into the working folder (the drill only
    // reads them).
    void shipFiles() {
        const QDir shipped(qEnvironmentVariable("KEYFARER_SHARE"));
        for (const QString& name : shipped.entryList(QDir::Files))
            QFile::link(shipped.absoluteFilePath(name), folder.filePath(name));
    }

    // The window is created and shown.
    DrillEngine& open(std::uint32_t seed = 7) {
        engine = std::make_unique<DrillEngine>(globals, services, seed);
        engine->DrillStart();
        return *engine;
    }

    // Own keys verified and "Begin Typing" clicked.
    DrillEngine& openOwnKeys(const QString& keys) {
        globals.activity.selectDrill(DrillKind::ChooseYourOwnKeys);
        open();
        engine->VerifyOwnKeys(keys);
        engine->BeginOwnKeys();
        return *engine;
    }

    void press(AnsiChar c) { engine->HandleDrillKey(DrillKey::fromCharacter(c)); }
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
    QByteArray savedFile() const { return fileBytes(globals.studentFilePath()); }
    int played(const QString& file) const {
        int n = 0;
        for (const QString& p : sound.played)
            n += p.endsWith(file) ? 1 : 0;
        return n;
    }

    QTemporaryDir folder;
    Globals globals;
    std::unique_ptr<DrillEngine> engine;
};

} // namespace kf::test
