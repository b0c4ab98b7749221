// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/StudentRecord.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace kf {

// The outcome of a student file operation. A message is set only when the user must be told:
// a missing file, or one too short to hold a record, is not an error for load and save; a file
// that is already there is not one for create, whose caller decides what to say. Changed comes
// only from a store that remembers the file: it is not what was last read or written there.
struct FileOutcome {
    enum class Status { Done, Missing, Short, Exists, Failed, Changed };
    Status status = Status::Done;
    QString message;

    bool done() const { return status == Status::Done; }
};

// Reading and writing the student file "<user name>.stu": exactly one record, byte for byte.
namespace StudentFile {

// The most a student file may hold: its record and a few records' worth of bytes past it, which
// are kept. A larger file is no student's and is neither read nor written.
inline constexpr qint64 kMostFileBytes = 8 * qint64(layout::kRecordSize);

// Reads the record. Only a complete read replaces the record in memory; a short or unreadable
// file leaves it as it was and says why. A missing file changes nothing and is no error. When
// content is given, it receives every byte the file holds, read in the same pass (left empty when
// the bytes past the record could not be read).
FileOutcome load(const QString& path, StudentRecord& record, QByteArray* content = nullptr);

// Writes the record over the first record of an existing file. The whole file is written anew
// beside the old one and renamed over it, so a crash or a full disk leaves either the old or the
// new record, never a torn one; bytes past the first record are kept. A missing file, or one that
// holds no whole record, is left as it is. When written is given, it receives the bytes the file
// now holds.
FileOutcome save(const QString& path, const StudentRecord& record, QByteArray* written = nullptr);
// The same over what the file was just read to hold (a whole record at least), for a caller that
// read it anyway: on a file server each pass over the file costs.
FileOutcome saveOver(const QString& path, const StudentRecord& record, const QByteArray& current,
                     QByteArray* written = nullptr);

// Applies the defaults of a new record and writes it as a new file. The file appears whole or
// not at all, and an existing file is never replaced, even one that another program creates at
// the same moment: that gives Exists and writes nothing.
FileOutcome create(const QString& path, StudentRecord& record);

// Writes the record as the whole file, whether or not one is there: for a student whose file
// went missing or was emptied while they were typing, when they ask for it to be written anew.
FileOutcome rewrite(const QString& path, const StudentRecord& record);

// The device-level halves, for callers and tests that bring their own device.
FileOutcome readRecord(QIODevice& device, const QString& path, StudentRecord& record);

} // namespace StudentFile

} // namespace kf
