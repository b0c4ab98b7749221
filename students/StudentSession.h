// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/DrillSessionFigures.h"
#include "students/PressJournal.h"
#include "students/SectionUsage.h"
#include "students/StudentFile.h"
#include "students/StudentRecord.h"
#include "students/ViewStudent.h"

#include <QString>
#include <functional>
#include <memory>
#include <utility>

namespace kf {

class StudentStore;

// What a change of student came to. Anything but Changed leaves the current student, their
// record in memory and their session exactly as they were, with message saying why.
struct ChangeOutcome {
    enum class Status {
        Changed,        // the incoming student is current, their session begun
        InUseElsewhere, // another running copy has the incoming student
        Unreadable,     // the incoming file is there but holds no whole record, or is no file
        Exists,         // "New User": a file of that name is there
        NotCreated,     // "New User": the new file could not be made
        SaveFailed,     // the outgoing student's file could not be written
        Gone,           // the owner's file went missing, was emptied or was replaced from
                        // outside, and she is told now. close: the session has ended in memory
                        // and writeAnew can still keep it. take, takeNew: nothing changed, and
                        // the same change asked again goes on without her file
    };
    Status status = Status::Changed;
    QString message;

    bool changed() const { return status == Status::Changed; }
};

// What a save at one of the fixed moments came to.
struct SaveOutcome {
    enum class Status {
        Written,
        NotWritten, // no student, or their file is missing or short: nothing to write to
        Viewing,    // another student's figures are shown: nothing is written
        Failed,     // message says what failed and what to do
        Gone,       // the file went missing, was emptied or replaced from outside; told once
    };
    Status status = Status::NotWritten;
    QString message;
};

// The one way the current student changes: "New User", "Use this Name", viewing another
// student from the charts, and closing the main window. A change reads the incoming file whole
// first, rolls the outgoing session over once on a copy, writes that copy, and only when it is
// written makes it the record and begins the incoming session; a failure anywhere changes
// nothing, so trying again rolls over once, not twice.
//
// The owner is the student whose session this is and whose lock this copy holds. Viewing
// another student shows their file without a lock, a roll-over or a write: the owner's record
// and session wait aside, come back when the owner's name is viewed or taken again, and have
// their roll-over when the window closes.
class StudentSession {
public:
    StudentSession(StudentStore& store, StudentRecord& record, QString& currentUserName,
                   DrillSessionFigures& drill, SectionUsage& usage);
    ~StudentSession();

    const QString& owner() const { return m_owner; }
    // The student whose record is in memory: the owner, or the one viewed.
    const QString& shownName() const { return m_currentUserName; }
    bool viewing() const { return m_parked != nullptr; }

    // "Use this Name". Taking the owner's own name keeps the record in memory, the newest copy,
    // and ends the session once.
    ChangeOutcome take(const QString& name);
    // "New User": the new student's file is made with the defaults, and they become current.
    ChangeOutcome takeNew(const QString& name);
    // The charts' viewing of another student's file (the name cut to kLongestViewedName).
    ViewedStudent view(const QString& chosenName);
    // The main window closes: the owner's session ends with its roll-over and is written.
    // When the write fails nothing changes, so close can be tried again.
    ChangeOutcome close();
    // Closing goes on without the owner's last write: the lock is let go.
    void abandon();

    // Writes the owner's record at the fixed moments (a set's end, options closed, ...).
    SaveOutcome save();
    // The same without waiting for the folder where the store writes in the background: done is
    // called on this thread with what the save came to, once it is written.
    void saveInBackground(const std::function<void(const SaveOutcome&)>& done);
    // Writes the owner's record as their whole file, after it went missing, was emptied or was
    // replaced from outside. Should the file still be missing or go again, she is told again.
    SaveOutcome writeAnew();
    // The owner's file is missing, short or replaced: the first time this is asked the student
    // is told.
    bool tellGoneOnce() { return !std::exchange(m_goneTold, true); }

    // True the first time it is asked while one student is viewed: a save skipped for viewing
    // is told once, not at every set.
    bool tellViewingOnce() { return viewing() && !std::exchange(m_viewingTold, true); }

    // The owner's press journal beside her file in folder: presses wait in memory, and each
    // set's end writes them while her lock is held. Presses typed while another student is
    // viewed are nobody's and are not kept; without the lock nothing is written.
    void keepJournalIn(const QString& folder) { m_journalFolder = folder; }
    void journalPress(const JournalPress& press);
    void closeJournalSet() { m_journal.closeSet(); }
    // A failure is told once, until a write goes through again.
    JournalOutcome writeJournal();
    // The same in the store's turn, after the saves asked before it: done is called on this
    // thread with what the write came to. Presses a failed write leaves wait for the next one.
    void writeJournalInTurn(const std::function<void(const JournalOutcome&)>& done);

private:
    struct Parked;
    void park();
    void unpark();
    void release();
    ChangeOutcome writeOwnersRollover(StudentRecord& rolled,
                                      FileOutcome::Status* written = nullptr) const;
    ChangeOutcome writeOutgoing(StudentRecord& rolled);
    void begin(const QString& name, bool locked);
    JournalOutcome toldOnce(JournalOutcome outcome);
    SaveOutcome savedAs(const FileOutcome& written);

    StudentStore& m_store;
    StudentRecord& m_record;
    QString& m_currentUserName;
    DrillSessionFigures& m_drill;
    SectionUsage& m_usage;

    QString m_owner;
    bool m_locked = false;
    std::unique_ptr<Parked> m_parked; // the owner's state while another student is viewed
    bool m_viewingTold = false;
    bool m_goneTold = false;
    PressJournal m_journal; // the set typed now, and the sets ended since the last handing over
    // The sets handed over and not yet written: used only in the store's turn.
    std::shared_ptr<PressJournal> m_unwritten = std::make_shared<PressJournal>();
    QString m_journalFolder;
    bool m_journalFailureTold = false;
};

} // namespace kf
