// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keyboard picture file of the student's nationality, read from the working folder.

#include <QImage>
#include <QString>
#include <cstdint>

namespace kf {

class StudentRecord;
class WorkingFolder;

// The keyboard picture file for a nationality code and the characters-shown flag; empty for a
// code outside 0..5.
QString keyboardPictureName(std::uint8_t nationality, bool charactersShown);

// The outcome of loading the keyboard picture for the student's settings.
struct KeyboardPicture {
    enum class Status { Loaded, Unchanged, FellBack, Missing, FolderGone };
    Status status = Status::Loaded;
    QImage image;    // the loaded picture (Loaded, FellBack)
    QString message; // what to tell the student (FellBack: information; Missing, FolderGone:
                     // error)
};
// What this run has shown of the keyboard picture, which tells a folder gone under the running
// program from one never there.
struct KeyboardPictureHistory {
    bool shown = false;          // a keyboard picture has been loaded in this run
    bool folderGoneTold = false; // the student knows the working folder has gone
};

// Loads the picture for the record's nationality and characters-shown flag from the working
// folder. When it is missing, falls back to the English US pictures and resets the nationality
// to English US; when those are missing too, says so (the caller then closes the program).
// Once a picture was loaded in this run, the pictures missing mean the working folder was
// removed or emptied under the running program: FolderGone says so, the first time only
// (Unchanged after that), and the caller keeps the picture it has and the session goes on.
KeyboardPicture loadKeyboardPicture(StudentRecord& record, const WorkingFolder& folder,
                                    KeyboardPictureHistory& history);

} // namespace kf
