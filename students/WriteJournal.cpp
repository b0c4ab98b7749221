// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/WriteJournal.h"

#include "platform/Dialogs.h"
#include "students/StudentSession.h"

namespace kf {

void writeJournal(StudentSession& session, Dialogs& dialogs) {
    session.closeJournalSet();
    session.writeJournalInTurn([&dialogs](const JournalOutcome& outcome) {
        if (!outcome.message.isEmpty())
            dialogs.information(outcome.message);
    });
}

} // namespace kf
