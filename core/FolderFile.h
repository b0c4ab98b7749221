// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QFile;
class QImage;

namespace kf {

// The one rule for every file Keyfarer opens in a folder that others may write to (the working
// folder: student files, settings, locks, pictures; and the files a user exports):
// - only an ordinary file is read or written: a named pipe would stop the program for ever, a
//   device or /dev/zero would feed it without end, a folder is no file;
// - a link is followed only while it stays in the folder the path names;
// - reading never blocks (the file is opened non-blocking and checked once open) and stops at a
//   bound the caller gives;
// - writing makes a new file beside the old one and renames it over the old name, so a crash
//   leaves either file whole, and a link in the way is replaced, never written through.
namespace folderFile {

// Why path may not be opened, or empty when it may; a missing file may. "The folder" is always
// the one the path names.
QString oddness(const QString& path);

struct Read {
    enum class Status { Done, Missing, Odd, TooLarge, Failed };
    Status status = Status::Done;
    QByteArray bytes; // the whole file, when Done
    qint64 size = 0;  // what the file holds, also when TooLarge
    QString why;      // for Odd and Failed, a clause such as "it is a named pipe"

    bool done() const { return status == Status::Done; }
};

// Whether a link may lead out of the folder. Only for files the program makes itself, such as the
// pictures an installation may link to its shipped copies: read through the link, and replaced
// (never written through) when made anew.
enum class Links { StayInFolder, Anywhere };

// The whole file, when it holds at most mostBytes.
Read read(const QString& path, qint64 mostBytes, Links links = Links::StayInFolder);

// A picture of the folder, or a null image when it is missing, unreadable, far too large or no
// ordinary file. A link may lead anywhere: the picture is only read.
QImage readPicture(const QString& path);

// Opens file (whose name is set) for reading under the rule; its size is checked by the caller.
// On failure why says what is wrong ("it is a named pipe", or the system's reason).
bool openForReading(QFile& file, QString* why);

// Writes content as the whole file through a new file renamed over the old name. A file that is
// replaced keeps its group and permissions as far as this account may give them. With
// Links::Anywhere a link or other odd file in the way is replaced by the new file (for files the
// program makes anew, such as pictures); otherwise it is refused. Returns an empty string, or the
// reason it failed.
QString write(const QString& path, QByteArrayView content, Links links = Links::StayInFolder);

// Whether path is an ordinary file of at most mostBytes, wherever a link leads: for files another
// library opens by name (sounds), which would wait on a pipe or read a device without end.
bool isOrdinary(const QString& path, qint64 mostBytes);

// Marks the file as touched now without opening it, so no pipe can hold the program.
bool touch(const QString& path);

} // namespace folderFile

} // namespace kf
