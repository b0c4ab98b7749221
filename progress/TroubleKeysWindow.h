// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/KeyHeat.h"
#include "progress/TroubleKeys.h"
#include "students/ClassGoals.h"
#include "students/StudentContext.h"

#include <QImage>
#include <QWidget>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QGridLayout;

namespace kf {

class HeatKeyboardView;
struct Services;

// "Trouble Keys": where the current or viewed student stumbles, read from their press journal
// (read-only): the keyboard coloured by accuracy or speed, the keys typed instead, the five keys
// holding the student back over their last sets, and a way to practise those keys.
class TroubleKeysWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kChartedKeys = 5;
    static constexpr int kConfusionRows = 20;

    TroubleKeysWindow(const StudentContext& student, Services& services, QWidget* parent);

    // Built, shown on top and given the focus; it goes when closed.
    static TroubleKeysWindow* open(const StudentContext& student, Services& services,
                                   QWidget* parent);

    // The keys "Practise These Keys" hands on, weakest first.
    const QString& practiseKeys() const { return m_practiseKeys; }

signals:
    // "Practise These Keys": Choose Your Own Keys is to open with these keys filled in.
    void practiseKeysRequested(const QString& keys);

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    QWidget* buildLegend();
    void readJournal();
    void showTexts();
    void showPicture();
    void showConfusions();
    void showCharts();
    void exportCsv();

    StudentContext m_student; // parts that outlive the window
    Services& m_services;
    QString m_name;
    QString m_journalPath;
    ClassGoals m_goals;
    std::vector<KeyStanding> m_ranked;
    QString m_practiseKeys;
    QImage m_keyboard;

    QLabel* m_rule = nullptr;
    QLabel* m_goalsLine = nullptr;
    QCheckBox* m_showSpeed = nullptr;
    HeatKeyboardView* m_picture = nullptr;
    std::vector<QLabel*> m_legendTexts;
    QTableWidget* m_confusions = nullptr;
    QGridLayout* m_charts = nullptr;
    QPushButton* m_practise = nullptr;
};

} // namespace kf
