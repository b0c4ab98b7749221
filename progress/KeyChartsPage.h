// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/KeyCharts.h"
#include "progress/StatisticsPage.h"

namespace kf {

// The statistics window's "Individual Key Charts" page: which period, section and characters
// the per-key charts show, and the shift-key error figures of the lessons.
class KeyChartsPage : public StatisticsPage {
    Q_OBJECT
public:
    KeyChartsPage();

    KeyPeriod period() const;
    Section section() const;
    KeyGroup group() const;

    void showShiftErrors(bool visible);
    void setShiftErrors(std::int32_t right, std::int32_t left);

signals:
    void periodClicked();
    void sectionClicked();
    void charactersClicked();
    // The hidden chart buttons.
    void keySpeedClicked();
    void keyAccuracyClicked();

private:
    RadioGroup* m_period = nullptr;
    RadioGroup* m_section = nullptr;
    RadioGroup* m_characters = nullptr;
    QLabel* m_rightShiftLabel = nullptr;
    QLabel* m_rightShiftPanel = nullptr;
    QLabel* m_leftShiftLabel = nullptr;
    QLabel* m_leftShiftPanel = nullptr;
};

} // namespace kf
