// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WorkingFolder.h"
#include "students/StudentFile.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kf {

class StudentRecord;

// The roster is whatever "<user name>.stu" files the working folder holds; there is no index.
namespace roster {

inline constexpr int kShortestName = 2;
inline constexpr int kLongestName = 40;

// The caption of the box that explains why a typed name cannot be used.
// English; shown in the interface language (context "Roster").
inline constexpr const char* kInvalidNameTitle = QT_TRANSLATE_NOOP("Roster", "Invalid User Name");
inline const QString kWrongLengthMessage =
    QStringLiteral("User name is not valid. Use at least 2 characters and no more than 40.");

// What a student must type to delete a name; compared letter case and all.
inline const QString kPurgeKey = QStringLiteral("RosterPurgeKey");

inline const QString kExtension = QStringLiteral(".stu");

// A typed name made ready for use: trimmed of blanks, or why it cannot be a user name.
struct NameCheck {
    QString name;    // the trimmed name
    QString problem; // empty when the name can be used

    bool ok() const { return problem.isEmpty(); }
};

// Names become file names in the working folder, so besides the length rule a name must not be
// able to leave the folder or fail to be a file name on any system the student files travel to,
// and it must be Windows-1252 text like everything else in the record's world.
NameCheck checkUserName(const QString& typed);

bool isPurgeKey(const QString& typed);

// The order in which names are listed: alphabetical as a reader expects it ("ann" before "Bob"),
// and names that differ only in letter case still in a fixed order.
bool listsBefore(const QString& a, const QString& b);

// Why the listed entry may not be deleted (the last one on the list, or the one in use), or
// nothing when it may.
std::optional<QString> deletionRefusal(const QString& entry, qsizetype entriesListed,
                                       const QString& currentUser);

} // namespace roster

// The student file of a name: the name exactly as written with ".stu" in any letter case, or,
// when there is none, where a new file of that name goes.
QString studentFilePath(const WorkingFolder& folder, const QString& name);

// The student files of one working folder.
class Roster {
public:
    explicit Roster(WorkingFolder folder)
        : m_folder(std::move(folder)) {}

    // True when a search for "*.stu" finds any file, whatever the letter case of its extension.
    bool hasStudentFiles() const;

    // The user names to offer: the files the search finds, without the extension (whatever its
    // letter case), in alphabetical order.
    QStringList names() const;

    QString filePath(const QString& name) const;
    // Whether a student file of this name exists, whatever the letter case of its name: a name
    // that differs from another only in letter case is taken.
    bool exists(const QString& name) const;

    // Writes a new student file with the defaults applied to record. An existing file of that
    // name is never replaced, even when another program creates it at the same moment: the
    // outcome is then Exists and nothing is written.
    FileOutcome create(const QString& name, StudentRecord& record) const;

    // Deletes the student file of a listed name; a file that is already gone is no error.
    FileOutcome remove(const QString& name) const;

private:
    WorkingFolder m_folder;
};

} // namespace kf
