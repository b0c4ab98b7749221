// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainMenu.h"

#include <QObject>
#include <QString>

namespace kf {

class Dialogs;
class InterfaceLanguage;
class SpeechOutput;
struct Globals;

// The "&Language" menu at work: the language the interface speaks, and with it spoken guidance.
// A student's own choice is kept beside the student file; a student without one, and the run
// before any student is current, get the desktop's language.
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    LanguageMenu(const MainMenu& menu, Globals& globals, SpeechOutput& speech, Dialogs& dialogs,
                 QObject* parent);

    // The translations the menu switches; the language spoken when they are handed over is the
    // desktop's. Without them the menu does nothing.
    void setInterfaceLanguage(InterfaceLanguage* language);
    // A student became current: their own choice of language, or the desktop's, applies.
    void applyStudentLanguage();

private:
    void checkSpokenLanguage();
    void chooseLanguage(const QString& code);
    void speakInterfaceLanguage(const QString& code);

    decltype(MainMenu::languages) m_entries;
    Globals& m_globals;
    SpeechOutput& m_speech;
    Dialogs& m_dialogs;
    InterfaceLanguage* m_language = nullptr;
    QString m_desktopLanguage;
};

} // namespace kf
