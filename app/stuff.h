// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Services every window shares: the colour scheme that frames and backgrounds are painted in,
// the playing of the program's sounds, and the loading of the keyboard picture.

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace kf {

class SoundPlayer;
class StudentRecord;
class WorkingFolder;

// Colours of the title and side areas of every window.
inline constexpr QRgb kPaperColour = 0xFFFEFEF6; // red 254, green 254, blue 246

struct SchemeColours {
    QRgb frame;      // frames and backgrounds
    QRgb drillTitle; // the drill window's title
};
// The colours of scheme 0..4 ("Green", "Blue", "Red", "Purple", "Brown"); scheme 0 for others.
SchemeColours schemeColours(std::uint8_t scheme);

// One solid area of a frame or a background; later areas are painted over earlier ones.
struct ColourBand {
    QRect area;
    QRgb colour;
};
// The areas of a paper-coloured picture of this size with a frame in the scheme colour.
std::vector<ColourBand> frameBands(QSize size, QRgb schemeColour);
// The areas of a scheme-coloured picture of this size with a paper-coloured frame inside.
std::vector<ColourBand> backgroundBands(QSize size, QRgb schemeColour);

// Paper-coloured picture with a frame in the scheme colour.
void paintFrame(QImage& picture, QRgb schemeColour);
// Scheme-coloured picture with a paper-coloured frame inside.
void paintBackground(QImage& picture, QRgb schemeColour);

// The sounds the program asks for.
enum SoundCode : int {
    kSoundClick = 0,
    kSoundStart = 4,
    kSoundDone = 5,
    kSoundKeyTap = 7,
    kSoundError = 8,
};

// The program's event sounds in the working folder, each once: what the player readies at start.
QStringList eventSoundFiles(const WorkingFolder& folder);

// What decides whether a sound is heard: the student's sound switches and whether the computer
// has a sound device; the sound files are in the working folder.
struct SoundSettings {
    const StudentRecord& record;
    const WorkingFolder& folder;
    bool device = false;
};

// Plays a sound code as the student's sound settings and the sound device allow.
void playSound(const SoundSettings& settings, SoundPlayer& player, int code);

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
