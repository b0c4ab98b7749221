// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainMenu.h"

#include "widgets/TranslatedText.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <span>

namespace kf {

namespace {

constexpr const char* kContext = "MainMenu";

// One entry of a menu: "-" is a separator.
struct Entry {
    const char* caption;
    bool enabled = true;
};
constexpr const char* kSeparator = "-";

constexpr Entry kLessons[] = {
    {QT_TRANSLATE_NOOP("MainMenu", "&Instructions")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson &1 -- DFERJKUI")},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson &2 -- CVM")},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson &3 -- ASL;")},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson &4 -- TYGH")},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson &5 -- QWOP")},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson &6 -- BN,.")},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson &7 -- ZX")},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson &8 -- Shift Keys")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson &9 -- Common Punctuation")},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson 1&0 -- Number Keys")},
    {QT_TRANSLATE_NOOP("MainMenu", "Lesson 11 -- &Symbols")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "&Exit Keyfarer")},
};

// In DrillKind order once the separators are left out.
constexpr Entry kBeginners[] = {
    {QT_TRANSLATE_NOOP("MainMenu", "&Home Row Only")},
    {QT_TRANSLATE_NOOP("MainMenu", "&Top Row Only")},
    {QT_TRANSLATE_NOOP("MainMenu", "&Bottom Row Only")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "H&ome && Top Rows")},
    {QT_TRANSLATE_NOOP("MainMenu", "Hom&e && Bottom Rows")},
    {QT_TRANSLATE_NOOP("MainMenu", "&All Three Rows")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "All && &Common Punctuation")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "&Numbers Only")},
    {QT_TRANSLATE_NOOP("MainMenu", "&Symbols Only")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "&Do Everything")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "Choose &Your Own Keys")},
};

constexpr Entry kIntermediate[] = {
    {QT_TRANSLATE_NOOP("MainMenu", "&Common Letter Combinations")},
    {QT_TRANSLATE_NOOP("MainMenu", "&Easy Phrases && Clauses")},
    {QT_TRANSLATE_NOOP("MainMenu", "&Short Sentences")},
};

constexpr Entry kAdvanced[] = {
    {QT_TRANSLATE_NOOP("MainMenu", "&Phrases && Clauses")},
    {QT_TRANSLATE_NOOP("MainMenu", "&Easy Sentences")},
    {QT_TRANSLATE_NOOP("MainMenu", "&Normal Sentences")},
    {QT_TRANSLATE_NOOP("MainMenu", "&Harder Sentences")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "&Learn Number Keypad")},
};

constexpr Entry kAdditionalHead[] = {{QT_TRANSLATE_NOOP("MainMenu", "&Keyfarer"), false},
                                     {QT_TRANSLATE_NOOP("MainMenu", "Word Sweep"), false},
                                     {kSeparator}};
constexpr Entry kGames[] = {{QT_TRANSLATE_NOOP("MainMenu", "&Save Dasher")},
                            {QT_TRANSLATE_NOOP("MainMenu", "&Saucer")}};
constexpr Entry kAdditionalTail[] = {{kSeparator},
                                     {QT_TRANSLATE_NOOP("MainMenu", "&Backup User Files"), false}};

// By nationality code.
constexpr std::array<const char*, kNationalityCount> kNationalities = {
    QT_TRANSLATE_NOOP("MainMenu", "&English (US)"), QT_TRANSLATE_NOOP("MainMenu", "English (UK)"),
    QT_TRANSLATE_NOOP("MainMenu", "&Spanish"),      QT_TRANSLATE_NOOP("MainMenu", "&German"),
    QT_TRANSLATE_NOOP("MainMenu", "&Italian"),      QT_TRANSLATE_NOOP("MainMenu", "&French"),
};

constexpr Entry kTests[] = {{QT_TRANSLATE_NOOP("MainMenu", "&Ten Line Tests")},
                            {QT_TRANSLATE_NOOP("MainMenu", "Ti&medTests")}};

constexpr Entry kHelp[] = {
    {QT_TRANSLATE_NOOP("MainMenu", "&Contents")},
    {QT_TRANSLATE_NOOP("MainMenu", "Teacher's and Admin's &Guide")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "&Visit My Web Site")},
    {kSeparator},
    {QT_TRANSLATE_NOOP("MainMenu", "&About Keyfarer")},
};

QMenu* subMenu(QMenuBar& bar, const char* title) {
    QMenu* menu = bar.addMenu(QString());
    setUiText(menu, kContext, title);
    return menu;
}

QMenu* subMenu(QMenu& parent, const char* title) {
    QMenu* menu = parent.addMenu(QString());
    setUiText(menu, kContext, title);
    return menu;
}

// Adds the entries and returns the actions that are not separators, in order.
QList<QAction*> addEntries(QMenu& menu, std::span<const Entry> entries) {
    QList<QAction*> actions;
    for (const Entry& e : entries) {
        if (e.caption == kSeparator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString());
        setUiText(action, kContext, e.caption);
        action->setEnabled(e.enabled);
        actions.append(action);
    }
    return actions;
}

QMenu* addMenu(QMenuBar& bar, const char* title, std::span<const Entry> entries,
               bool enabled = true) {
    QMenu* menu = subMenu(bar, title);
    addEntries(*menu, entries);
    menu->menuAction()->setEnabled(enabled);
    return menu;
}

} // namespace

MainMenu buildMainMenu(QMenuBar& bar) {
    MainMenu m;
    m.lessons = addMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Lessons"), kLessons, false);

    m.beginners = subMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Beginners Drills"));
    const QList<QAction*> drills = addEntries(*m.beginners, kBeginners);
    std::copy(drills.begin(), drills.end(), m.drills.begin());

    m.intermediate =
        addMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "Inter&mediate Drills"), kIntermediate, false);
    m.advanced = addMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Advanced Drills"), kAdvanced, false);

    m.additional = subMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "A&dditional"));
    addEntries(*m.additional, kAdditionalHead);
    QMenu* games = subMenu(*m.additional, QT_TRANSLATE_NOOP("MainMenu", "&Games"));
    addEntries(*games, kGames);
    games->menuAction()->setEnabled(false);
    m.additional->addSeparator();
    QAction* ownTexts = m.additional->addAction(QString());
    setUiText(ownTexts, kContext, QT_TRANSLATE_NOOP("MainMenu", "&Make Your Own Text Files"));
    ownTexts->setEnabled(false);
    m.additional->addSeparator();
    m.nationality = subMenu(*m.additional, QT_TRANSLATE_NOOP("MainMenu", "&Keyboard Nationality"));
    // Radio entries that may all be unchecked: a code outside the six checks none.
    auto* group = new QActionGroup(m.nationality);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (std::size_t code = 0; code < kNationalities.size(); ++code) {
        QAction* action = m.nationality->addAction(QString());
        setUiText(action, kContext, kNationalities[code]);
        action->setCheckable(true);
        group->addAction(action);
        m.nationalities[code] = action;
    }
    m.additional->addSeparator();
    m.language = subMenu(*m.additional, QT_TRANSLATE_NOOP("MainMenu", "&Language"));
    // Each language is named as its speakers write it, whatever language the menu speaks. The
    // main window checks the one spoken each time the menu opens.
    for (std::size_t i = 0; i < kInterfaceLanguages.size(); ++i) {
        QAction* action = m.language->addAction(kInterfaceLanguages[i].name.toString());
        action->setCheckable(true);
        action->setData(kInterfaceLanguages[i].code.toString());
        m.languages[i] = action;
    }
    addEntries(*m.additional, kAdditionalTail);
    m.additional->addSeparator();
    m.troubleKeys = m.additional->addAction(QString());
    setUiText(m.troubleKeys, kContext, QT_TRANSLATE_NOOP("MainMenu", "&Trouble Keys"));
    m.classOverview = m.additional->addAction(QString());
    setUiText(m.classOverview, kContext, QT_TRANSLATE_NOOP("MainMenu", "&Class Overview"));

    m.tests = addMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Tests"), kTests, false);

    m.help = subMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Help"));
    const QList<QAction*> help = addEntries(*m.help, kHelp);
    m.contents = help.at(0);
    m.guide = help.at(1);
    m.webSite = help.at(2);
    m.about = help.at(3);
    return m;
}

void adjustBeginnersMenu(const MainMenu& menu, std::uint8_t nationality) {
    if (nationality >= kBeginnersByNationality.size())
        return;
    const BeginnersMenuText& text = kBeginnersByNationality[nationality];
    setUiText(menu.symbols(), kContext, text.symbols);
    menu.doEverything()->setVisible(text.doEverything);
    menu.doEverything()->setEnabled(text.doEverything);
}

} // namespace kf
