// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>

namespace kf {

// Records every message and answers from a script; an empty script answers Ok or Yes, and Quit
// to "Try Again", so that a save that keeps failing cannot keep a test asking.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        Kind kind;
        QString text;
        Buttons buttons;
        QString title; // empty for the program's own caption
    };

    Answer message(Kind kind, const QString& text, Buttons buttons) override {
        return titledMessage(kind, {}, text, buttons);
    }

    Answer titledMessage(Kind kind, const QString& title, const QString& text,
                         Buttons buttons) override {
        shown.append({kind, text, buttons, title});
        if (!answers.isEmpty())
            return answers.takeFirst();
        switch (buttons) {
        case Buttons::YesNo:
            return Answer::Yes;
        case Buttons::TryAgainQuit:
            return Answer::Quit;
        default:
            return Answer::Ok;
        }
    }

    std::optional<QRgb> chooseColour(QRgb initial) override {
        colourAsked.append(initial);
        if (colourAnswers.isEmpty())
            return std::nullopt;
        return colourAnswers.takeFirst();
    }

    std::optional<QString> chooseSaveFile(const QString& caption, const QString& suggested,
                                          const QString& filter) override {
        saveAsked.append({caption, suggested, filter});
        if (saveAnswers.isEmpty())
            return std::nullopt;
        return saveAnswers.takeFirst();
    }

    QStringList texts() const {
        QStringList out;
        for (const Shown& s : shown)
            out.append(s.text);
        return out;
    }

    QList<Shown> shown;
    QList<Answer> answers;
    QList<QRgb> colourAsked;
    QList<std::optional<QRgb>> colourAnswers;
    struct SaveAsked {
        QString caption;
        QString suggested;
        QString filter;
    };
    QList<SaveAsked> saveAsked;
    QList<std::optional<QString>> saveAnswers; // nothing: the user cancels
};

} // namespace kf
