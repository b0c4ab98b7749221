// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keyboard picture builder: draws a nationality's key labels and the names of its Caps Lock
// and Control keys onto the blank keyboard picture, and writes the labelled and unlabelled
// pictures the windows show.

#include "keyboard/Nationality.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

class QPainter;

namespace kf {

class WorkingFolder;

// The picture files of one nationality.
struct KeyboardPictureNames {
    QString base;       // the blank picture both others are drawn on
    QString labelled;   // every key label drawn ("...20.bmp")
    QString unlabelled; // only the Caps Lock and Control names ("...10.bmp")
    // English US shows its blank picture as the unlabelled one, so that file is never written.
    bool writesUnlabelled = true;
};
// Empty names for a code outside 0..5.
KeyboardPictureNames keyboardPictureNames(Nationality nationality);

// The fonts, sized in pixels so that the pictures come out the same on every screen.
QFont keyLabelFont();    // key labels
QFont capsLockFont();    // the two lines on the Caps Lock key
QFont controlNameFont(); // the names on the two Control keys

// Draws text in the current font and pen with its upper-left corner at origin (the top of the
// font's line, not of the glyphs), on a transparent background.
void drawTextAt(QPainter& painter, const QString& text, QPoint origin);

// Draws the Caps Lock key's two lines and the two Control keys' names of a nationality. The
// builder does this for every keyboard but English US, whose blank picture carries the names.
void drawLockAndControlNames(QImage& picture, Nationality nationality);

struct KeyboardPictures {
    QImage labelled;
    QImage unlabelled;
};
// Both pictures of a nationality, drawn on copies of its blank picture.
KeyboardPictures buildKeyboardPictures(const QImage& base, Nationality nationality);

// Reads the nationality's blank picture from the folder, builds both pictures and writes them
// there (English US: only the labelled one). Each file is replaced whole, so a failed write
// leaves the old picture. Returns an empty string, or what went wrong (a code outside 0..5
// writes nothing).
QString writeKeyboardPictures(const WorkingFolder& folder, Nationality nationality);

} // namespace kf
