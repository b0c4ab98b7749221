// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <QString>
#include <optional>

namespace kf {

// Modal message boxes with fixed texts, and the colour dialog. Windows never open a message box
// themselves, so tests can answer every question.
class Dialogs {
public:
    enum class Kind { Information, Error };
    // TryAgainQuit: "Try Again" (the default) and "Quit Without Saving".
    enum class Buttons { Ok, OkCancel, YesNo, TryAgainQuit };
    enum class Answer { Ok, Cancel, Yes, No, TryAgain, Quit };

    virtual ~Dialogs() = default;
    virtual Answer message(Kind kind, const QString& text, Buttons buttons) = 0;
    // The same under a caption of its own instead of the program's name.
    virtual Answer titledMessage(Kind kind, const QString& title, const QString& text,
                                 Buttons buttons) = 0;
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<QRgb> chooseColour(QRgb initial) = 0;
    // The file to save to, chosen in the save dialog starting at suggested; nothing when the user
    // cancels. filter names the kinds of file offered, as "CSV files (*.csv)".
    virtual std::optional<QString> chooseSaveFile(const QString& caption, const QString& suggested,
                                                  const QString& filter) = 0;

    void information(const QString& text) { message(Kind::Information, text, Buttons::Ok); }
    void error(const QString& text) { message(Kind::Error, text, Buttons::Ok); }
    bool askYesNo(const QString& text) {
        return message(Kind::Information, text, Buttons::YesNo) == Answer::Yes;
    }
};

} // namespace kf
