// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/StudentSession.h"

#include "students/DailyRollover.h"
#include "students/StudentFileMessages.h"
#include "students/StudentStore.h"

#include <optional>

namespace kf {

struct StudentSession::Parked {
    StudentRecord record;
    DrillSessionFigures drill;
    SectionUsage usage;
};

namespace {

// What was typed in this session, in every section: it must not be added to another record.
void dropWorkingFigures(DrillSessionFigures& drill, SectionUsage& usage) {
    for (PerKeyFigures* figures : {&drill.presented, &drill.correct, &drill.accuracy,
                                   &drill.timedPresses, &drill.tickSum, &drill.averageSeconds})
        figures->fill(0);
    drill.sessionPresses = 0;
    drill.sessionMisses = 0;
    drill.sessionSetSeconds = 0;
    usage.beginSession();
}

// What the owner is told when their file is no longer the one this session read or wrote.
QString goneNotice(FileOutcome::Status written, const QString& owner) {
    return fileNotice(written == FileOutcome::Status::Changed ? FileNotice::FileChanged
                                                              : FileNotice::FileGone,
                      owner);
}

ChangeOutcome unchanged(ChangeOutcome::Status status, const QString& message) {
    return {status, message};
}

// The incoming student's lock, let go again unless the change goes through and keeps it.
class IncomingLock {
public:
    IncomingLock(StudentStore& store, const QString& name)
        : m_store(store)
        , m_name(name)
        , m_outcome(store.lock(name)) {}
    ~IncomingLock() {
        if (held() && !m_kept)
            m_store.unlock(m_name);
    }
    IncomingLock(const IncomingLock&) = delete;
    IncomingLock& operator=(const IncomingLock&) = delete;

    // Another running copy has the student: nothing may change.
    std::optional<ChangeOutcome> refusal() const {
        if (m_outcome.status != LockOutcome::Status::InUseElsewhere)
            return std::nullopt;
        return unchanged(ChangeOutcome::Status::InUseElsewhere, m_outcome.message);
    }
    // The change went through: the lock, if one could be made, is the new owner's.
    bool keep() {
        m_kept = true;
        return held();
    }

private:
    bool held() const { return m_outcome.status == LockOutcome::Status::Held; }

    StudentStore& m_store;
    const QString m_name;
    const LockOutcome m_outcome;
    bool m_kept = false;
};

} // namespace

StudentSession::StudentSession(StudentStore& store, StudentRecord& record, QString& currentUserName,
                               DrillSessionFigures& drill, SectionUsage& usage)
    : m_store(store)
    , m_record(record)
    , m_currentUserName(currentUserName)
    , m_drill(drill)
    , m_usage(usage) {}

StudentSession::~StudentSession() = default;

// The owner's session, rolled over on a copy of their record, written to their file. Nothing
// of the session in memory changes here: the caller takes the copy only when it was written.
ChangeOutcome StudentSession::writeOwnersRollover(StudentRecord& rolled,
                                                  FileOutcome::Status* written) const {
    const StudentRecord& record = viewing() ? m_parked->record : m_record;
    const SectionUsage& usage = viewing() ? m_parked->usage : m_usage;
    rolled = record;
    dailyRollover(rolled, usage);
    const FileOutcome saved = m_store.save(m_owner, rolled);
    if (saved.status == FileOutcome::Status::Failed)
        return unchanged(ChangeOutcome::Status::SaveFailed, saved.message);
    if (written != nullptr)
        *written = saved.status;
    return {};
}

// The owner's session written on the way to another student. Her file gone or replaced from
// outside stops the change the first time, so that her session never goes without a word.
ChangeOutcome StudentSession::writeOutgoing(StudentRecord& rolled) {
    FileOutcome::Status written = FileOutcome::Status::Done;
    if (ChangeOutcome out = writeOwnersRollover(rolled, &written); !out.changed())
        return out;
    if (written != FileOutcome::Status::Done && tellGoneOnce())
        return unchanged(ChangeOutcome::Status::Gone,
                         goneNotice(written, m_owner) +
                             fileNotice(FileNotice::ChangeUnsaved, m_owner));
    return {};
}

ChangeOutcome StudentSession::take(const QString& name) {
    const auto rolled = std::make_unique<StudentRecord>();
    if (!m_owner.isEmpty() && name == m_owner) {
        if (ChangeOutcome out = writeOwnersRollover(*rolled); !out.changed())
            return out;
        m_record = *rolled;
        begin(name, m_locked);
        return {};
    }

    IncomingLock lock(m_store, name);
    if (auto refused = lock.refusal())
        return *refused;

    const auto incoming = std::make_unique<StudentRecord>(m_record);
    const FileOutcome read = m_store.load(name, *incoming);
    if (!read.done() && read.status != FileOutcome::Status::Missing)
        return unchanged(ChangeOutcome::Status::Unreadable, read.message);
    if (!m_owner.isEmpty()) {
        if (ChangeOutcome out = writeOutgoing(*rolled); !out.changed())
            return out;
        m_record = *rolled; // what stays in memory when the incoming file has gone
    }
    release();
    if (read.done())
        m_record = *incoming;
    begin(name, lock.keep());
    return {};
}

ChangeOutcome StudentSession::takeNew(const QString& name) {
    IncomingLock lock(m_store, name);
    if (auto refused = lock.refusal())
        return *refused;

    const auto created = std::make_unique<StudentRecord>(m_record);
    const FileOutcome made = m_store.create(name, *created);
    if (made.status == FileOutcome::Status::Exists)
        return unchanged(ChangeOutcome::Status::Exists, made.message);
    if (!made.done())
        return unchanged(ChangeOutcome::Status::NotCreated, made.message);
    if (!m_owner.isEmpty()) {
        const auto rolled = std::make_unique<StudentRecord>();
        if (ChangeOutcome out = writeOutgoing(*rolled); !out.changed()) {
            // The new student waits until the outgoing one is safe: the new file goes again.
            m_store.remove(name);
            return out;
        }
    }
    release();
    m_record = *created;
    begin(name, lock.keep());
    return {};
}

ViewedStudent StudentSession::view(const QString& chosenName) {
    ViewedStudent result;
    if (chosenName.isEmpty())
        return result;
    const QString name = chosenName.left(kLongestViewedName);
    result.sameName = name == m_currentUserName;
    result.status = ViewedStudent::Status::Loaded;
    if (result.sameName)
        return result; // the figures shown are already this student's
    if (viewing() && name == m_owner) {
        unpark();
        return result;
    }

    // Read beside the record in memory, so that a file that turns out unreadable changes nothing.
    const auto loaded = std::make_unique<StudentRecord>(m_record);
    const FileOutcome read = m_store.load(name, *loaded);
    if (!read.done() && read.status != FileOutcome::Status::Missing) {
        result.status = ViewedStudent::Status::Unreadable;
        result.message = read.message;
        result.sameName = false;
        return result;
    }
    if (!viewing() && !m_owner.isEmpty())
        park();
    // The viewed student has typed nothing in this session: no figure of it is theirs, and a
    // roll-over must never give them a history entry for it.
    if (!m_currentUserName.isEmpty())
        dropWorkingFigures(m_drill, m_usage);
    m_currentUserName = name;
    if (read.status == FileOutcome::Status::Missing) {
        result.status = ViewedStudent::Status::FileMissing;
        return result;
    }
    m_drill.clearForNewRecord();
    m_record = *loaded;
    return result;
}

ChangeOutcome StudentSession::close() {
    if (m_owner.isEmpty())
        return {};
    const auto rolled = std::make_unique<StudentRecord>();
    FileOutcome::Status written = FileOutcome::Status::Done;
    if (ChangeOutcome out = writeOwnersRollover(*rolled, &written); !out.changed())
        return out;
    if (viewing())
        unpark();
    m_record = *rolled;
    m_usage.beginSession();
    if (written != FileOutcome::Status::Done && tellGoneOnce())
        return unchanged(ChangeOutcome::Status::Gone, goneNotice(written, m_owner));
    abandon();
    return {};
}

void StudentSession::abandon() {
    release();
    m_owner.clear();
}

SaveOutcome StudentSession::save() {
    if (m_owner.isEmpty())
        return {};
    if (viewing())
        return {SaveOutcome::Status::Viewing, {}};
    return savedAs(m_store.save(m_owner, m_record));
}

void StudentSession::saveInBackground(const std::function<void(const SaveOutcome&)>& done) {
    if (m_owner.isEmpty())
        return done({});
    if (viewing())
        return done({SaveOutcome::Status::Viewing, {}});
    m_store.saveInBackground(m_owner, m_record,
                             [this, done](const FileOutcome& written) { done(savedAs(written)); });
}

SaveOutcome StudentSession::savedAs(const FileOutcome& written) {
    switch (written.status) {
    case FileOutcome::Status::Done:
        return {SaveOutcome::Status::Written, {}};
    case FileOutcome::Status::Failed:
        return {SaveOutcome::Status::Failed, written.message};
    default:
        // Asked at every save: a No leaves this set unwritten, never the ones after it silently.
        return {SaveOutcome::Status::Gone, goneNotice(written.status, m_owner)};
    }
}

SaveOutcome StudentSession::writeAnew() {
    if (m_owner.isEmpty())
        return {};
    const FileOutcome written = m_store.rewrite(m_owner, viewing() ? m_parked->record : m_record);
    m_goneTold = false; // should it still be missing, or go again, the student is told again
    if (!written.done())
        return {SaveOutcome::Status::Failed, written.message};
    return {SaveOutcome::Status::Written, {}};
}

void StudentSession::journalPress(const JournalPress& press) {
    if (m_locked && !viewing() && !m_owner.isEmpty() && !m_journalFolder.isEmpty())
        m_journal.add(press);
}

JournalOutcome StudentSession::writeJournal() {
    if (!m_locked || m_owner.isEmpty() || m_journalFolder.isEmpty())
        return {};
    m_unwritten->takeClosedFrom(m_journal);
    return toldOnce(m_unwritten->write(PressJournal::pathFor(m_journalFolder, m_owner)));
}

void StudentSession::writeJournalInTurn(const std::function<void(const JournalOutcome&)>& done) {
    if (!m_locked || m_owner.isEmpty() || m_journalFolder.isEmpty())
        return done({});
    // The sets go by value: the next set's presses join m_journal meanwhile.
    auto handed = std::make_shared<PressJournal>();
    handed->takeClosedFrom(m_journal);
    auto outcome = std::make_shared<JournalOutcome>();
    m_store.runInTurn(
        [unwritten = m_unwritten, handed, outcome,
         path = PressJournal::pathFor(m_journalFolder, m_owner)] {
            unwritten->takeClosedFrom(*handed);
            *outcome = unwritten->write(path);
        },
        [this, outcome, done] { done(toldOnce(*outcome)); });
}

JournalOutcome StudentSession::toldOnce(JournalOutcome outcome) {
    if (outcome.status != JournalOutcome::Status::Failed)
        m_journalFailureTold = false;
    else if (std::exchange(m_journalFailureTold, true))
        outcome.message.clear();
    return outcome;
}

void StudentSession::park() {
    m_viewingTold = false;
    m_parked = std::make_unique<Parked>();
    m_parked->record = m_record;
    m_parked->drill = m_drill;
    m_parked->usage = m_usage;
}

void StudentSession::unpark() {
    m_record = m_parked->record;
    m_drill = m_parked->drill;
    m_usage = m_parked->usage;
    m_currentUserName = m_owner;
    m_parked.reset();
}

void StudentSession::release() {
    if (m_locked && !m_owner.isEmpty()) {
        m_journal.closeSet();
        writeJournal();
        m_store.unlock(m_owner);
    }
    m_locked = false;
}

void StudentSession::begin(const QString& name, bool locked) {
    m_parked.reset();
    m_goneTold = false;
    if (name != m_owner) { // the owner's own name taken again keeps her waiting presses
        m_journal.clear();
        m_unwritten->clear();
        m_journalFailureTold = false;
    }
    m_owner = name;
    m_locked = locked;
    m_currentUserName = name;
    m_drill.clearForNewRecord();
    m_usage.beginSession();
}

} // namespace kf
