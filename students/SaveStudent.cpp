// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/SaveStudent.h"

#include "platform/Dialogs.h"
#include "students/StudentSession.h"

#include <QCoreApplication>

namespace kf {

namespace {

QString viewingNotice(const QString& viewed, const QString& owner) {
    return QCoreApplication::translate("SaveStudent",
                                       "You are viewing the figures of %1, so nothing is saved "
                                       "now. To go on typing as %2, view or take the name %2 "
                                       "again.")
        .arg(viewed, owner);
}

} // namespace

bool saveStudent(StudentSession& session, Dialogs& dialogs) {
    return saveStudent(session.save(), session, dialogs);
}

void saveStudentInBackground(StudentSession& session, Dialogs& dialogs) {
    session.saveInBackground([&session, &dialogs](const SaveOutcome& outcome) {
        saveStudent(outcome, session, dialogs);
    });
}

bool saveStudent(const SaveOutcome& outcome, StudentSession& session, Dialogs& dialogs) {
    switch (outcome.status) {
    case SaveOutcome::Status::Written:
        return true;
    case SaveOutcome::Status::Failed:
        dialogs.error(outcome.message);
        return false;
    case SaveOutcome::Status::Viewing:
        if (session.tellViewingOnce())
            dialogs.information(viewingNotice(session.shownName(), session.owner()));
        return false;
    case SaveOutcome::Status::Gone:
        if (!dialogs.askYesNo(outcome.message))
            return false;
        return saveStudent(session.writeAnew(), session, dialogs);
    case SaveOutcome::Status::NotWritten:
        return false;
    }
    return false;
}

} // namespace kf
