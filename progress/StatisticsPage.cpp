// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/StatisticsPage.h"

#include "progress/RadioGroup.h"
#include "progress/SectionSelector.h"
#include "widgets/TextControls.h"
#include "widgets/TranslatedText.h"

#include <QLabel>
#include <QPushButton>
#include <array>

namespace kf {

namespace {

// The items of both section selectors and the section each stands for.
struct SectionItem {
    const char* text;
    int selector;
};
constexpr std::array<SectionItem, 1> kSectionItems = {
    {{QT_TRANSLATE_NOOP("StatisticsWindow", "Beginner's Drills"), 0}}};

} // namespace

StatisticsPage::StatisticsPage(const QString& name) {
    setObjectName(name);
}

void StatisticsPage::setCurrentUser(const QString& name) {
    m_currentUser->setText(name);
}

void StatisticsPage::buildUserControls(const QString& suffix) {
    m_currentUser = valuePanel(QStringLiteral("PanelUser") + suffix, QString());
    setUiToolTip(m_currentUser, kStatisticsWindowContext,
                 QT_TRANSLATE_NOOP("StatisticsWindow", "Current User"));
    m_currentUser->setGeometry(380, 10, 180, 26);
    auto* switchUser =
        uiButton(QStringLiteral("ButtonSwitchUser") + suffix, kStatisticsWindowContext,
                 QT_TRANSLATE_NOOP("StatisticsWindow", "Switch User"), this);
    setUiToolTip(switchUser, kStatisticsWindowContext,
                 QT_TRANSLATE_NOOP("StatisticsWindow",
                                   "Recommended for Teachers Viewing  Charts & Stats Only"));
    switchUser->setGeometry(572, 9, 126, 28);
    m_viewReport = uiButton(QStringLiteral("ButtonViewReport") + suffix, kStatisticsWindowContext,
                            QT_TRANSLATE_NOOP("StatisticsWindow", "View Report"), this);
    m_viewReport->setGeometry(380, 46, 126, 28);
    auto* close = uiButton(QStringLiteral("ButtonClose") + suffix, kStatisticsWindowContext,
                           QT_TRANSLATE_NOOP("StatisticsWindow", "Close Charts"), this);
    close->setGeometry(572, 46, 126, 28);
    connect(switchUser, &QPushButton::clicked, this, &StatisticsPage::switchUserClicked);
    connect(m_viewReport, &QPushButton::clicked, this, &StatisticsPage::viewReportClicked);
    connect(close, &QPushButton::clicked, this, &StatisticsPage::closeClicked);
}

void StatisticsPage::focusViewReport() {
    m_viewReport->setFocus();
}

QLabel* StatisticsPage::valuePanel(const QString& name, const QString& text) {
    auto* panel = new QLabel(this);
    panel->setTextFormat(Qt::PlainText); // a student's name is never markup
    panel->setText(text);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    return panel;
}

RadioGroup* StatisticsPage::radioGroup(const QString& name, const char* caption,
                                       const std::vector<const char*>& items, int columns) {
    auto* group = new RadioGroup(QString(), QStringList(qsizetype(items.size())), columns, this);
    setUiText(group, kStatisticsWindowContext, caption);
    for (std::size_t i = 0; i < items.size(); ++i)
        setUiText(group->button(int(i)), kStatisticsWindowContext, items[i]);
    group->setObjectName(name);
    group->setItemIndex(0);
    return group;
}

std::pair<QPushButton*, QPushButton*>
StatisticsPage::hiddenChartButtons(const QString& panelName, const NamedButton& first,
                                   const NamedButton& second) {
    auto* hidden = new QWidget(this);
    hidden->setObjectName(panelName);
    hidden->setGeometry(630, 84, 70, 44);
    hidden->hide();
    auto* upper = uiButton(first.name, kStatisticsWindowContext, first.text, hidden);
    auto* lower = uiButton(second.name, kStatisticsWindowContext, second.text, hidden);
    lower->move(0, 22);
    return {upper, lower};
}

std::vector<const char*> StatisticsPage::sectionItemTexts() {
    std::vector<const char*> texts;
    texts.reserve(kSectionItems.size());
    for (const SectionItem& item : kSectionItems)
        texts.push_back(item.text);
    return texts;
}

Section StatisticsPage::sectionOfItem(int item) {
    const SectionItem& chosen =
        kSectionItems.at(std::size_t(qBound(0, item, int(kSectionItems.size()) - 1)));
    return sectionOfSelector(chosen.selector).value_or(Section::BeginnersDrills);
}

} // namespace kf
