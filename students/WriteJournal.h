// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kf {

class Dialogs;
class StudentSession;

// A set has ended: its presses join the owner's press journal, written under her lock in the
// store's turn after the set's save, so a slow file server never holds the window. A journal that
// cannot be written is told once when known and tried again at the next set's end; a damaged one
// set aside is told. Neither stops the drill.
void writeJournal(StudentSession& session, Dialogs& dialogs);

} // namespace kf
