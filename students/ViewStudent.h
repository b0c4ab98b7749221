// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kf {

// A user name taken from a list of names is cut to this length.
inline constexpr qsizetype kLongestViewedName = 45;

struct ViewedStudent {
    enum class Status {
        NothingSelected, // no name chosen: nothing changed
        Loaded,          // the name is current and its record is in memory
        FileMissing,     // the name is current; its file has gone, the record stayed
        Unreadable,      // the file is short or cannot be read: nothing changed
    };
    Status status = Status::NothingSelected;
    // The name chosen was already the current one: the student did not switch to anybody else.
    bool sameName = false;
    QString message; // Unreadable: why, for the user

    bool nameTaken() const { return status == Status::Loaded || status == Status::FileMissing; }
};

} // namespace kf
