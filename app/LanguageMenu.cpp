// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LanguageMenu.h"

#include "app/Globals.h"
#include "app/InterfaceLanguage.h"
#include "platform/Dialogs.h"
#include "platform/SpeechOutput.h"
#include "students/StudentSettings.h"

#include <QAction>
#include <QMenu>

namespace kf {

LanguageMenu::LanguageMenu(const MainMenu& menu, Globals& globals, SpeechOutput& speech,
                           Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , m_entries(menu.languages)
    , m_globals(globals)
    , m_speech(speech)
    , m_dialogs(dialogs) {
    connect(menu.language, &QMenu::aboutToShow, this, &LanguageMenu::checkSpokenLanguage);
    for (QAction* action : m_entries) {
        connect(action, &QAction::triggered, this,
                [this, action] { chooseLanguage(action->data().toString()); });
    }
}

// Each time the menu opens it checks the language spoken now.
void LanguageMenu::checkSpokenLanguage() {
    const QString spoken = m_language ? m_language->current() : kEnglish;
    for (QAction* action : m_entries)
        action->setChecked(action->data().toString() == spoken);
}

void LanguageMenu::setInterfaceLanguage(InterfaceLanguage* language) {
    m_language = language;
    m_desktopLanguage = language ? language->current() : kEnglish;
    m_speech.setLanguage(m_desktopLanguage);
}

// Spoken guidance reads in the language the windows speak.
void LanguageMenu::speakInterfaceLanguage(const QString& code) {
    m_speech.setLanguage(m_language->apply(code));
}

// Without a current student the choice holds for this run only.
void LanguageMenu::chooseLanguage(const QString& code) {
    if (m_language == nullptr)
        return;
    speakInterfaceLanguage(code);
    if (m_globals.currentUserName.isEmpty())
        return;
    const QString failed =
        StudentSettings(m_globals.folder.path(), m_globals.currentUserName).setLanguage(code);
    if (!failed.isEmpty())
        m_dialogs.error(failed);
}

void LanguageMenu::applyStudentLanguage() {
    if (m_language == nullptr || m_globals.currentUserName.isEmpty())
        return;
    const QString chosen =
        StudentSettings(m_globals.folder.path(), m_globals.currentUserName).language();
    speakInterfaceLanguage(isInterfaceLanguage(chosen) ? chosen : m_desktopLanguage);
}

} // namespace kf
