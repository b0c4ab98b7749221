// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/StudentRecord.h"
#include "students/StudentStore.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <memory>

namespace kf {

// Student files held in memory, with the faults a test asks for: saves that fail, files that
// cannot be read, students another running copy has, files replaced from outside. Records every
// write.
class MemoryStudentStore final : public StudentStore {
public:
    // A whole student file, as from outside: a file the store read or wrote before counts as
    // replaced, as the folder's store finds one.
    void put(const QString& name, const StudentRecord& record) {
        files[name] = std::make_shared<StudentRecord>(record);
    }
    const StudentRecord* file(const QString& name) const {
        const auto found = files.find(name);
        return found == files.end() ? nullptr : found->get();
    }

    FileOutcome load(const QString& name, StudentRecord& record) override {
        loads.append(name);
        if (unreadable.contains(name))
            return {FileOutcome::Status::Short, QStringLiteral("%1.stu is short").arg(name)};
        const StudentRecord* stored = file(name);
        if (stored == nullptr)
            return {FileOutcome::Status::Missing, {}};
        record = *stored;
        seen[name] = files[name];
        return {};
    }

    FileOutcome save(const QString& name, const StudentRecord& record) override {
        if (failingSaves > 0) {
            --failingSaves;
            return {FileOutcome::Status::Failed, kSaveFailure};
        }
        if (!files.contains(name))
            return {FileOutcome::Status::Missing, {}};
        if (seen.contains(name) && seen[name] != files[name])
            return {FileOutcome::Status::Changed, {}};
        saves.append(name);
        write(name, record);
        return {};
    }

    FileOutcome create(const QString& name, StudentRecord& record) override {
        record.applyCreateDefaults();
        if (files.contains(name))
            return {FileOutcome::Status::Exists, {}};
        if (failCreate)
            return {FileOutcome::Status::Failed, QStringLiteral("no room for %1.stu").arg(name)};
        write(name, record);
        return {};
    }

    FileOutcome rewrite(const QString& name, const StudentRecord& record) override {
        if (failingSaves > 0) {
            --failingSaves;
            return {FileOutcome::Status::Failed, kSaveFailure};
        }
        saves.append(name);
        write(name, record);
        return {};
    }

    void remove(const QString& name) override {
        files.remove(name);
        seen.remove(name);
    }

    LockOutcome lock(const QString& name) override {
        if (lockedElsewhere.contains(name))
            return {LockOutcome::Status::InUseElsewhere, QStringLiteral("%1 is in use").arg(name)};
        held.insert(name);
        return {};
    }
    void unlock(const QString& name) override { held.remove(name); }

    void write(const QString& name, const StudentRecord& record) {
        put(name, record);
        seen[name] = files[name];
    }

    static inline const QString kSaveFailure = QStringLiteral("the disk is full");

    QMap<QString, std::shared_ptr<StudentRecord>> files;
    // The file each name had when this store last read or wrote it.
    QMap<QString, std::shared_ptr<StudentRecord>> seen;
    QSet<QString> unreadable;
    QSet<QString> lockedElsewhere;
    QSet<QString> held;
    int failingSaves = 0; // how many saves from now on fail
    bool failCreate = false;
    QStringList loads;
    QStringList saves;
};

} // namespace kf
