// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/Roster.h"

#include "keyboard/Windows1252.h"
#include "students/StudentRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace kf {

namespace roster {

namespace {

// Characters that no file name may hold on the systems student files are kept on; "/" and "\"
// would also lead out of the working folder.
constexpr char16_t kForbidden[] = u"/\\:*?\"<>|";

QString invalid(const QString& why) {
    return QCoreApplication::translate("Roster", "User name is not valid. ") + why;
}

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

// Names that Windows file servers keep for devices, with or without an extension: a student
// file called "con.stu" cannot be made or opened there.
bool isDeviceName(const QString& name) {
    const QString stem = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList kDevices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                         QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (kDevices.contains(stem))
        return true;
    const bool numbered = stem.size() == 4 && (stem.startsWith(QStringLiteral("COM")) ||
                                               stem.startsWith(QStringLiteral("LPT")));
    return numbered && stem.at(3) >= u'1' && stem.at(3) <= u'9';
}

} // namespace

NameCheck checkUserName(const QString& typed) {
    NameCheck check{typed.trimmed(), {}};
    const QString& name = check.name;
    if (name.size() < kShortestName || name.size() > kLongestName) {
        check.problem = QCoreApplication::translate(
            "Roster", "User name is not valid. Use at least 2 characters and no more than 40.");
        return check;
    }
    if (isDeviceName(name)) {
        check.problem = invalid(QCoreApplication::translate(
            "Roster", "Some systems keep this name for a device. Choose another name."));
        return check;
    }
    if (name == QStringLiteral("..")) {
        check.problem = invalid(QCoreApplication::translate(
            "Roster", "\".\" and \"..\" name folders, not students. Choose a name "
                      "with letters in it."));
        return check;
    }
    for (const QChar c : name) {
        if (isControl(c)) {
            check.problem = invalid(QCoreApplication::translate(
                "Roster", "It holds a control character such as a tab. Use letters, digits "
                          "and blanks."));
            return check;
        }
        if (QStringView(kForbidden).contains(c)) {
            check.problem = invalid(QCoreApplication::translate(
                                        "Roster", "A user name cannot hold any of the characters "
                                                  "/ \\ : * ? \" < > |, and \"%1\" is one of them.")
                                        .arg(c));
            return check;
        }
        if (!toWindows1252(c)) {
            check.problem = invalid(QCoreApplication::translate(
                                        "Roster", "The character \"%1\" cannot be used in a user "
                                                  "name. Use letters, digits and blanks.")
                                        .arg(c));
            return check;
        }
    }
    return check;
}

bool isPurgeKey(const QString& typed) {
    return typed == kPurgeKey;
}

bool listsBefore(const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

std::optional<QString> deletionRefusal(const QString& entry, qsizetype entriesListed,
                                       const QString& currentUser) {
    if (entriesListed <= 1)
        return QCoreApplication::translate("Roster",
                                           "You cannot delete the last username on the list.");
    if (entry == currentUser)
        return QCoreApplication::translate(
            "Roster", "You cannot delete the username you are currently using. ");
    return std::nullopt;
}

} // namespace roster

bool Roster::hasStudentFiles() const {
    return !m_folder.filesEndingWith(roster::kExtension).isEmpty();
}

QStringList Roster::names() const {
    QStringList out;
    // Whatever the letter case of the extension: a file copied from elsewhere as "Bob.STU" is
    // Bob's, and a list without it would be a dead end.
    for (const QString& file : m_folder.filesEndingWith(roster::kExtension)) {
        const QString name = file.chopped(roster::kExtension.size());
        if (!name.isEmpty() && !out.contains(name))
            out.append(name);
    }
    std::sort(out.begin(), out.end(), roster::listsBefore);
    return out;
}

QString studentFilePath(const WorkingFolder& folder, const QString& name) {
    const QDir dir(folder.path());
    const QString exact = name + roster::kExtension;
    if (QFileInfo::exists(dir.filePath(exact)))
        return dir.filePath(exact);
    // The name as written, the extension in any letter case; never another name that differs
    // only in letter case, which is another student's file.
    for (const QString& file : folder.filesEndingWith(roster::kExtension)) {
        if (file.chopped(roster::kExtension.size()) == name)
            return dir.filePath(file);
    }
    return dir.filePath(exact);
}

QString Roster::filePath(const QString& name) const {
    return studentFilePath(m_folder, name);
}

bool Roster::exists(const QString& name) const {
    return m_folder.exists(name + roster::kExtension);
}

FileOutcome Roster::create(const QString& name, StudentRecord& record) const {
    if (exists(name))
        return {FileOutcome::Status::Exists, {}};
    return StudentFile::create(filePath(name), record);
}

FileOutcome Roster::remove(const QString& name) const {
    QFile file(filePath(name));
    if (!file.exists() || file.remove())
        return {};
    return {
        FileOutcome::Status::Failed,
        QCoreApplication::translate("Roster", "The student file \"%1\" could not be deleted: %2")
            .arg(name + roster::kExtension, file.errorString())};
}

} // namespace kf
