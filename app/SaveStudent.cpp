// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SaveStudent.h"

#include "app/Globals.h"
#include "platform/Dialogs.h"

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

bool saveStudent(Globals& globals, Dialogs& dialogs) {
    return saveStudent(globals.session.save(), globals, dialogs);
}

bool saveStudent(const SaveOutcome& outcome, Globals& globals, Dialogs& dialogs) {
    switch (outcome.status) {
    case SaveOutcome::Status::Written:
        return true;
    case SaveOutcome::Status::Failed:
        dialogs.error(outcome.message);
        return false;
    case SaveOutcome::Status::Viewing:
        if (globals.session.tellViewingOnce())
            dialogs.information(viewingNotice(globals.currentUserName, globals.session.owner()));
        return false;
    case SaveOutcome::Status::Gone:
        if (!dialogs.askYesNo(outcome.message))
            return false;
        return saveStudent(globals.session.writeAnew(), globals, dialogs);
    case SaveOutcome::Status::NotWritten:
        return false;
    }
    return false;
}

} // namespace kf
