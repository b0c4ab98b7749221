// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/KeyChartsPage.h"

#include "progress/RadioGroup.h"
#include "progress/StatisticsPage.h"
#include "widgets/TextControls.h"

#include <QLabel>
#include <QPushButton>

namespace kf {

namespace {

// The shift-key error captions hold "Fehler rechte Umschalttaste = "; their figures stand beside.
constexpr int kShiftLabelWidth = 190;
constexpr int kShiftPanelLeft = 380 + kShiftLabelWidth + 6;

} // namespace

KeyChartsPage::KeyChartsPage()
    : StatisticsPage(QStringLiteral("TabSheetKeyCharts")) {
    m_period = radioGroup(QStringLiteral("RadioGroupKeyPeriod"),
                          QT_TRANSLATE_NOOP("StatisticsWindow", "Time Period"),
                          {QT_TRANSLATE_NOOP("StatisticsWindow", "Today or Last"),
                           QT_TRANSLATE_NOOP("StatisticsWindow", "Typing History")},
                          1);
    m_period->setGeometry(6, 4, 170, 62);
    m_section =
        radioGroup(QStringLiteral("RadioGroupKeySection"),
                   QT_TRANSLATE_NOOP("StatisticsWindow", "Program Section"), sectionItemTexts(), 2);
    m_section->setGeometry(6, 70, 170, 44);
    m_characters = radioGroup(QStringLiteral("RadioGroupCharacters"),
                              QT_TRANSLATE_NOOP("StatisticsWindow", "Characters"),
                              {QT_TRANSLATE_NOOP("StatisticsWindow", "Letters && Punctuation"),
                               QT_TRANSLATE_NOOP("StatisticsWindow", "Numbers"),
                               QT_TRANSLATE_NOOP("StatisticsWindow", "Symbols"),
                               QT_TRANSLATE_NOOP("StatisticsWindow", "International Keys")},
                              1);
    m_characters->setGeometry(184, 4, 190, 110); // room for "Buchstaben, Satzzeichen"

    buildUserControls(QStringLiteral("Keys"));

    m_rightShiftLabel =
        uiLabel(QStringLiteral("LabelRightShift"), kStatisticsWindowContext,
                QT_TRANSLATE_NOOP("StatisticsWindow", "Right Shift Letter Key Errors = "), this);
    m_rightShiftLabel->setGeometry(380, 84, kShiftLabelWidth, 20);
    m_rightShiftPanel = valuePanel(QStringLiteral("PanelRightShift"), QStringLiteral("0"));
    m_rightShiftPanel->setGeometry(kShiftPanelLeft, 84, 50, 20);
    m_leftShiftLabel =
        uiLabel(QStringLiteral("LabelLeftShift"), kStatisticsWindowContext,
                QT_TRANSLATE_NOOP("StatisticsWindow", "Left Shift Letter Key Errors = "), this);
    m_leftShiftLabel->setGeometry(380, 106, kShiftLabelWidth, 20);
    m_leftShiftPanel = valuePanel(QStringLiteral("PanelLeftShift"), QStringLiteral("0"));
    m_leftShiftPanel->setGeometry(kShiftPanelLeft, 106, 50, 20);
    showShiftErrors(false);

    auto [speed, accuracy] = hiddenChartButtons(
        QStringLiteral("PanelKeyChartButtons"),
        {QStringLiteral("ButtonKeySpeed"), QT_TRANSLATE_NOOP("StatisticsWindow", "Key Speed")},
        {QStringLiteral("ButtonKeyAccuracy"),
         QT_TRANSLATE_NOOP("StatisticsWindow", "Key Accuracy")});
    connect(speed, &QPushButton::clicked, this, &KeyChartsPage::keySpeedClicked);
    connect(accuracy, &QPushButton::clicked, this, &KeyChartsPage::keyAccuracyClicked);

    connect(m_period, &RadioGroup::clicked, this, &KeyChartsPage::periodClicked);
    connect(m_section, &RadioGroup::clicked, this, &KeyChartsPage::sectionClicked);
    connect(m_characters, &RadioGroup::clicked, this, &KeyChartsPage::charactersClicked);
}

KeyPeriod KeyChartsPage::period() const {
    return m_period->itemIndex() == 1 ? KeyPeriod::TypingHistory : KeyPeriod::TodayOrLast;
}

Section KeyChartsPage::section() const {
    return sectionOfItem(m_section->itemIndex());
}

KeyGroup KeyChartsPage::group() const {
    return static_cast<KeyGroup>(qBound(0, m_characters->itemIndex(), 3));
}

void KeyChartsPage::showShiftErrors(bool visible) {
    for (QLabel* l : {m_rightShiftLabel, m_rightShiftPanel, m_leftShiftLabel, m_leftShiftPanel})
        l->setVisible(visible);
}

void KeyChartsPage::setShiftErrors(std::int32_t right, std::int32_t left) {
    m_rightShiftPanel->setText(QString::number(right));
    m_leftShiftPanel->setText(QString::number(left));
}

} // namespace kf
