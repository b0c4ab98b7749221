// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kf {

class Dialogs;
class StudentSession;

// A set has ended: its presses join the owner's press journal, written now under her lock. A
// journal that cannot be written is told once and tried again at the next set's end; a damaged
// one set aside is told. Neither stops the drill.
void writeJournal(StudentSession& session, Dialogs& dialogs);

} // namespace kf
