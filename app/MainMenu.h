// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ActivityState.h"
#include "keyboard/Nationality.h"

#include <QStringView>
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

    std::array<QAction*, kDrillKindCount> drills{};          // in DrillKind order
    std::array<QAction*, kNationalityCount> nationalities{}; // by nationality code
    QAction* classOverview = nullptr; // open with or without a current student
    QAction* contents = nullptr;
    QAction* webSite = nullptr;
    QAction* about = nullptr;

    QAction* symbols() const { return drills[std::size_t(DrillKind::SymbolsOnly)]; }
    QAction* doEverything() const { return drills[std::size_t(DrillKind::DoEverything)]; }
};

MainMenu buildMainMenu(QMenuBar& bar);

// The "&Beginners Drills" menu as the nationality changes it: the symbols entry names the
// national characters, and "&Do Everything" is offered only on the English keyboards.
struct BeginnersMenuText {
    QStringView symbols;
    bool doEverything;
};
inline constexpr std::array<BeginnersMenuText, kNationalityCount> kBeginnersByNationality = {{
    {u"&Symbols Only", true},
    {u"&Symbols Only", true},
    {u"&Symbols && Spanish Characters", false},
    {u"&Symbols && German Characters", false},
    {u"&Symbols && Italian Characters", false},
    {u"&Symbols && French Characters", false},
}};

// Sets the symbols entry and "&Do Everything" for a nationality code; any other code leaves the
// menu as it is.
void adjustBeginnersMenu(const MainMenu& menu, std::uint8_t nationality);

} // namespace kf
