// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/StudentFileMessages.h"

#include <QCoreApplication>
#include <array>

namespace kf {

namespace {

// By FileNotice.
constexpr std::array<const char*, 4> kNotices = {
    QT_TRANSLATE_NOOP("FileNotice",
                      "The student file of %1 has gone from the working folder, or something "
                      "outside Keyfarer emptied it, so this session's work could not be saved. "
                      "Keyfarer still has it. Write the file of %1 anew now?"),
    QT_TRANSLATE_NOOP("FileNotice",
                      "The student file of %1 has changed on disk: something outside Keyfarer "
                      "replaced it (another copy of the file, perhaps an older one), so this "
                      "session's work was not saved over it. Keyfarer still has it. Write the "
                      "file of %1 anew now, in place of the one on disk?"),
    QT_TRANSLATE_NOOP("FileNotice",
                      "The working folder \"%1\" has gone, or something outside Keyfarer "
                      "emptied it: the keyboard pictures and student files are no longer there. "
                      "Keyfarer still has this session's work and goes on with it. Put the "
                      "folder back, or ask whoever looks after this computer; the next save "
                      "offers to write the student file anew."),
    QT_TRANSLATE_NOOP("FileNotice",
                      "\n\nIf you answer No, the student changes all the same and this "
                      "session's work of %1 is not saved."),
};

} // namespace

QString fileNotice(FileNotice which, const QString& subject) {
    return QCoreApplication::translate("FileNotice", kNotices.at(std::size_t(which))).arg(subject);
}

} // namespace kf
