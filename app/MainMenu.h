// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/InterfaceLanguage.h"
#include "core/ActivityState.h"
#include "keyboard/Nationality.h"

#include <QStringView>
#include <QtGlobal>
#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace kf {

// The main window's menu. Entries of activities this program does not have are present but
// disabled, and nothing enables them.
struct MainMenu {
    QMenu* lessons = nullptr;
    QMenu* beginners = nullptr;
    QMenu* intermediate = nullptr;
    QMenu* advanced = nullptr;
    QMenu* additional = nullptr;
    QMenu* tests = nullptr;
    QMenu* help = nullptr;
    QMenu* nationality = nullptr;
    QMenu* language = nullptr;

    std::array<QAction*, kDrillKindCount> drills{};          // in DrillKind order
    std::array<QAction*, kNationalityCount> nationalities{}; // by nationality code
    // In kInterfaceLanguages order; each action's data is its language code.
    std::array<QAction*, kInterfaceLanguages.size()> languages{};
    QAction* troubleKeys = nullptr;   // of the current or viewed student
    QAction* classOverview = nullptr; // open with or without a current student
    QAction* contents = nullptr;
    QAction* guide = nullptr; // the teacher's and admin's guide, installed with the program
    QAction* webSite = nullptr;
    QAction* about = nullptr;

    QAction* symbols() const { return drills[std::size_t(DrillKind::SymbolsOnly)]; }
    QAction* doEverything() const { return drills[std::size_t(DrillKind::DoEverything)]; }
};

MainMenu buildMainMenu(QMenuBar& bar);

// The "&Beginners Drills" menu as the nationality changes it: the symbols entry names the
// national characters, and "&Do Everything" is offered only on the English keyboards.
struct BeginnersMenuText {
    const char* symbols; // English; shown in the interface language (context "MainMenu")
    bool doEverything;
};
inline constexpr std::array<BeginnersMenuText, kNationalityCount> kBeginnersByNationality = {{
    {QT_TRANSLATE_NOOP("MainMenu", "&Symbols Only"), true},
    {QT_TRANSLATE_NOOP("MainMenu", "&Symbols Only"), true},
    {QT_TRANSLATE_NOOP("MainMenu", "&Symbols && Spanish Characters"), false},
    {QT_TRANSLATE_NOOP("MainMenu", "&Symbols && German Characters"), false},
    {QT_TRANSLATE_NOOP("MainMenu", "&Symbols && Italian Characters"), false},
    {QT_TRANSLATE_NOOP("MainMenu", "&Symbols && French Characters"), false},
}};

// Sets the symbols entry and "&Do Everything" for a nationality code; any other code leaves the
// menu as it is.
void adjustBeginnersMenu(const MainMenu& menu, std::uint8_t nationality);

} // namespace kf
