// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainMenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <span>

namespace kf {

namespace {

// One entry of a menu: "-" is a separator.
struct Entry {
    QStringView caption;
    bool enabled = true;
};
constexpr QStringView kSeparator = u"-";

constexpr Entry kLessons[] = {
    {u"&Instructions"},
    {kSeparator},
    {u"Lesson &1 -- DFERJKUI"},
    {u"Lesson &2 -- CVM"},
    {u"Lesson &3 -- ASL;"},
    {u"Lesson &4 -- TYGH"},
    {u"Lesson &5 -- QWOP"},
    {u"Lesson &6 -- BN,."},
    {u"Lesson &7 -- ZX"},
    {u"Lesson &8 -- Shift Keys"},
    {kSeparator},
    {u"Lesson &9 -- Common Punctuation"},
    {u"Lesson 1&0 -- Number Keys"},
    {u"Lesson 11 -- &Symbols"},
    {kSeparator},
    {u"&Exit Keyfarer"},
};

// In DrillKind order once the separators are left out.
constexpr Entry kBeginners[] = {
    {u"&Home Row Only"},
    {u"&Top Row Only"},
    {u"&Bottom Row Only"},
    {kSeparator},
    {u"H&ome && Top Rows"},
    {u"Hom&e && Bottom Rows"},
    {u"&All Three Rows"},
    {kSeparator},
    {u"All && &Common Punctuation"},
    {kSeparator},
    {u"&Numbers Only"},
    {u"&Symbols Only"},
    {kSeparator},
    {u"&Do Everything"},
    {kSeparator},
    {u"Choose &Your Own Keys"},
};

constexpr Entry kIntermediate[] = {
    {u"&Common Letter Combinations"},
    {u"&Easy Phrases && Clauses"},
    {u"&Short Sentences"},
};

constexpr Entry kAdvanced[] = {
    {u"&Phrases && Clauses"}, {u"&Easy Sentences"}, {u"&Normal Sentences"},
    {u"&Harder Sentences"},   {kSeparator},         {u"&Learn Number Keypad"},
};

constexpr Entry kAdditionalHead[] = {{u"&Keyfarer", false}, {u"Word Sweep", false}, {kSeparator}};
constexpr Entry kGames[] = {{u"&Save Dasher"}, {u"&Saucer"}};
constexpr Entry kAdditionalTail[] = {{kSeparator}, {u"&Backup User Files", false}};

// By nationality code.
constexpr std::array<QStringView, kNationalityCount> kNationalities = {
    u"&English (US)", u"English (UK)", u"&Spanish", u"&German", u"&Italian", u"&French",
};

constexpr Entry kTests[] = {{u"&Ten Line Tests"}, {u"Ti&medTests"}};

constexpr Entry kHelp[] = {
    {u"&Contents"}, {kSeparator}, {u"&Visit My Web Site"}, {kSeparator}, {u"&About Keyfarer"},
};

// Adds the entries and returns the actions that are not separators, in order.
QList<QAction*> addEntries(QMenu& menu, std::span<const Entry> entries) {
    QList<QAction*> actions;
    for (const Entry& e : entries) {
        if (e.caption == kSeparator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(e.caption.toString());
        action->setEnabled(e.enabled);
        actions.append(action);
    }
    return actions;
}

QMenu* addMenu(QMenuBar& bar, QStringView title, std::span<const Entry> entries,
               bool enabled = true) {
    QMenu* menu = bar.addMenu(title.toString());
    addEntries(*menu, entries);
    menu->menuAction()->setEnabled(enabled);
    return menu;
}

} // namespace

MainMenu buildMainMenu(QMenuBar& bar) {
    MainMenu m;
    m.lessons = addMenu(bar, u"&Lessons", kLessons, false);

    m.beginners = bar.addMenu(QStringLiteral("&Beginners Drills"));
    const QList<QAction*> drills = addEntries(*m.beginners, kBeginners);
    std::copy(drills.begin(), drills.end(), m.drills.begin());

    m.intermediate = addMenu(bar, u"Inter&mediate Drills", kIntermediate, false);
    m.advanced = addMenu(bar, u"&Advanced Drills", kAdvanced, false);

    m.additional = bar.addMenu(QStringLiteral("A&dditional"));
    addEntries(*m.additional, kAdditionalHead);
    QMenu* games = m.additional->addMenu(QStringLiteral("&Games"));
    addEntries(*games, kGames);
    games->menuAction()->setEnabled(false);
    m.additional->addSeparator();
    m.additional->addAction(QStringLiteral("&Make Your Own Text Files"))->setEnabled(false);
    m.additional->addSeparator();
    m.nationality = m.additional->addMenu(QStringLiteral("&Keyboard Nationality"));
    // Radio entries that may all be unchecked: a code outside the six checks none.
    auto* group = new QActionGroup(m.nationality);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (std::size_t code = 0; code < kNationalities.size(); ++code) {
        QAction* action = m.nationality->addAction(kNationalities[code].toString());
        action->setCheckable(true);
        group->addAction(action);
        m.nationalities[code] = action;
    }
    addEntries(*m.additional, kAdditionalTail);
    m.additional->addSeparator();
    m.classOverview = m.additional->addAction(QObject::tr("&Class Overview"));

    m.tests = addMenu(bar, u"&Tests", kTests, false);

    m.help = bar.addMenu(QStringLiteral("&Help"));
    const QList<QAction*> help = addEntries(*m.help, kHelp);
    m.contents = help.at(0);
    m.webSite = help.at(1);
    m.about = help.at(2);
    return m;
}

void adjustBeginnersMenu(const MainMenu& menu, std::uint8_t nationality) {
    if (nationality >= kBeginnersByNationality.size())
        return;
    const BeginnersMenuText& text = kBeginnersByNationality[nationality];
    menu.symbols()->setText(text.symbols.toString());
    menu.doEverything()->setVisible(text.doEverything);
    menu.doEverything()->setEnabled(text.doEverything);
}

} // namespace kf
