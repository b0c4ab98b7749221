// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SessionClose.h"

#include "core/TranslationContext.h"
#include "platform/Dialogs.h"
#include "students/StudentSession.h"

namespace kf {

namespace {

// The main window asks: its close ends the session.
constexpr TranslationContext text{"MainWindow"};
constexpr const char* kTryAgainOrQuit = QT_TRANSLATE_NOOP(
    "MainWindow", "\n\nTry again to save the work of %1, or quit without saving it?");

bool askTryAgainToSave(const StudentSession& session, Dialogs& dialogs, const QString& failure) {
    const QString question = failure + text(kTryAgainOrQuit).arg(session.owner());
    return dialogs.message(Dialogs::Kind::Error, question, Dialogs::Buttons::TryAgainQuit) ==
           Dialogs::Answer::TryAgain;
}

// The session has ended in memory, its roll-over done once; only writing its file anew is
// tried again.
void writeAnewOnClose(StudentSession& session, Dialogs& dialogs) {
    for (;;) {
        const SaveOutcome written = session.writeAnew();
        if (written.status != SaveOutcome::Status::Failed ||
            !askTryAgainToSave(session, dialogs, written.message))
            return;
    }
}

} // namespace

void closeStudentSession(StudentSession& session, Dialogs& dialogs) {
    for (;;) {
        const ChangeOutcome closed = session.close();
        if (closed.changed())
            return;
        if (closed.status == ChangeOutcome::Status::Gone) {
            if (dialogs.askYesNo(closed.message))
                writeAnewOnClose(session, dialogs);
            session.abandon();
            return;
        }
        if (!askTryAgainToSave(session, dialogs, closed.message)) {
            session.abandon();
            return;
        }
    }
}

} // namespace kf
