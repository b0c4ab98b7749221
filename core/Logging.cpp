// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Logging.h"

namespace kf {

// Only warnings pass by default, and the program logs none: each area stays silent until a rule
// turns it on.
Q_LOGGING_CATEGORY(logStudents, "keyfarer.students", QtWarningMsg)
Q_LOGGING_CATEGORY(logFolder, "keyfarer.folder", QtWarningMsg)
Q_LOGGING_CATEGORY(logModules, "keyfarer.modules", QtWarningMsg)
Q_LOGGING_CATEGORY(logSpeech, "keyfarer.speech", QtWarningMsg)

} // namespace kf
