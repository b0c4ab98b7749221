// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NationalityMenu.h"

#include "app/Globals.h"
#include "app/MainWindow.h"
#include "keyboard/PictureBuilder.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "students/SaveStudent.h"

#include <QAction>
#include <QMenu>

namespace kf {

NationalityMenu::NationalityMenu(MainWindow& window, Globals& globals, Services& services)
    : QObject(&window)
    , m_window(window)
    , m_globals(globals)
    , m_services(services) {
    const MainMenu& menu = window.menu();
    connect(menu.nationality, &QMenu::aboutToShow, this, &NationalityMenu::checkCurrentNationality);
    for (std::size_t i = 0; i < menu.nationalities.size(); ++i) {
        const auto code = static_cast<std::uint8_t>(i);
        connect(menu.nationalities[i], &QAction::triggered, this,
                [this, code] { chooseNationality(code); });
    }
}

// A code outside the six checks none.
void NationalityMenu::checkCurrentNationality() {
    const std::uint8_t code = m_globals.record.nationalityCode();
    const MainMenu& menu = m_window.menu();
    for (std::size_t i = 0; i < menu.nationalities.size(); ++i)
        menu.nationalities[i]->setChecked(i == code);
}

void NationalityMenu::chooseNationality(std::uint8_t code) {
    m_globals.record.setNationality(static_cast<Nationality>(code));
    rebuildKeyboardPictures();
    m_window.showKeyboardPicture();
    saveStudent(m_globals.session, m_services.dialogs);
}

// The labelled and unlabelled pictures of the chosen nationality are drawn anew into the working
// folder; a failure (a missing blank picture, a folder that cannot be written) is shown and the
// pictures already there stay.
void NationalityMenu::rebuildKeyboardPictures() {
    const QString problem = writeKeyboardPictures(m_globals.folder, m_globals.record.nationality());
    if (!problem.isEmpty())
        m_services.dialogs.error(problem);
}

} // namespace kf
