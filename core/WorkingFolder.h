// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace kf {

// The folder that holds the student files, the keyboard pictures and the sounds. Files in it are
// named without regard to letter case, as on the file systems the student files come from:
// "Italianbord20.bmp" finds "italianbord20.bmp".
class WorkingFolder {
public:
    explicit WorkingFolder(QString directory)
        : m_dir(std::move(directory)) {}

    const QString& path() const { return m_dir; }

    // The path of the file called name: an existing file whose name differs only in letter case
    // when there is one (an exact match first), otherwise the name as given.
    QString filePath(const QString& name) const;
    bool exists(const QString& name) const;

    // The names of the files ending with ending (".stu"), without regard to letter case.
    QStringList filesEndingWith(const QString& ending) const;

    // Where the shipped pictures and sounds are: KEYFARER_SHARE when set, otherwise
    // share/keyfarer beside the program's bin folder.
    static QString shippedFilesLocation();

    // Makes sure the folder exists. A folder made now, or one that holds none of the shipped
    // files (an admin's prepared class folder), is filled with the shipped files (existing files
    // are never overwritten); one that holds some of them is left as it is. The shipped folder
    // itself is refused as a working folder: it is never written. Returns an empty string, or what
    // went wrong.
    QString prepare(const QString& shippedFrom) const;

private:
    QString makeAndFill(const QString& shippedFrom) const;
    QString fill(const QString& shippedFrom) const;
    bool holdsAnyOf(const QStringList& names) const;

    QString m_dir;
};

} // namespace kf
