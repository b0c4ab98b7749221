// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/OverallChartsPage.h"

#include "progress/RadioGroup.h"
#include "progress/StatisticsPage.h"
#include "widgets/TextControls.h"

#include <QLabel>
#include <QPushButton>

namespace kf {

OverallChartsPage::OverallChartsPage()
    : StatisticsPage(QStringLiteral("TabSheetOverall")) {
    m_section =
        radioGroup(QStringLiteral("RadioGroupOverallSection"),
                   QT_TRANSLATE_NOOP("StatisticsWindow", "Program Section"), sectionItemTexts(), 2);
    m_section->setGeometry(6, 4, 170, 44);
    m_period = radioGroup(QStringLiteral("RadioGroupOverallPeriod"),
                          QT_TRANSLATE_NOOP("StatisticsWindow", "Time Period"),
                          {QT_TRANSLATE_NOOP("StatisticsWindow", "Today or Last"),
                           QT_TRANSLATE_NOOP("StatisticsWindow", "Past 8 Days"),
                           QT_TRANSLATE_NOOP("StatisticsWindow", "Typing History (all)")},
                          1);
    m_period->setGeometry(184, 4, 180, 86);

    uiLabel(QStringLiteral("LabelWpm"), kStatisticsWindowContext,
            QT_TRANSLATE_NOOP("StatisticsWindow", "WPM:"), this)
        ->setGeometry(14, 60, 70, 22);
    m_wpmPanel = valuePanel(QStringLiteral("PanelWpm"), QString());
    m_wpmPanel->setGeometry(90, 60, 60, 22);
    uiLabel(QStringLiteral("LabelCorrect"), kStatisticsWindowContext,
            QT_TRANSLATE_NOOP("StatisticsWindow", "Correct %:"), this)
        ->setGeometry(14, 88, 70, 22);
    m_correctPanel = valuePanel(QStringLiteral("PanelCorrect"), QString());
    m_correctPanel->setGeometry(90, 88, 60, 22);

    buildUserControls(QStringLiteral("Overall"));

    auto [accuracy, wpm] = hiddenChartButtons(
        QStringLiteral("PanelOverallChartButtons"),
        {QStringLiteral("ButtonAccuracy"), QT_TRANSLATE_NOOP("StatisticsWindow", "Accuracy")},
        {QStringLiteral("ButtonAdjustedWpm"),
         QT_TRANSLATE_NOOP("StatisticsWindow", "Adjusted WPM")});
    connect(accuracy, &QPushButton::clicked, this, &OverallChartsPage::accuracyClicked);
    connect(wpm, &QPushButton::clicked, this, &OverallChartsPage::adjustedWpmClicked);

    connect(m_section, &RadioGroup::clicked, this, &OverallChartsPage::sectionClicked);
    connect(m_period, &RadioGroup::clicked, this, &OverallChartsPage::periodClicked);
}

Section OverallChartsPage::section() const {
    return sectionOfItem(m_section->itemIndex());
}

OverallPeriod OverallChartsPage::period() const {
    return static_cast<OverallPeriod>(qBound(0, m_period->itemIndex(), 2));
}

void OverallChartsPage::showFiguresOf(const OverallChart& chart) {
    if (chart.correctPercentText)
        m_correctPanel->setText(*chart.correctPercentText);
    if (chart.wpmText)
        m_wpmPanel->setText(*chart.wpmText);
}

void OverallChartsPage::setWpmText(const QString& text) {
    m_wpmPanel->setText(text);
}

void OverallChartsPage::clearWpm() {
    m_wpmPanel->clear();
}

} // namespace kf
