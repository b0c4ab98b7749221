// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WorkingFolder.h"
#include "students/ClassGoals.h"

#include <QWidget>

class QLabel;

namespace kf {

struct Services;

// The class goals above the class overview, and "Goals…", where the teacher sets them for the
// working folder: every running copy over the folder then measures its students by them.
class ClassGoalsBar : public QWidget {
    Q_OBJECT

public:
    ClassGoalsBar(WorkingFolder folder, Services& services, QWidget* parent);

    // The goals dialog: true when the teacher changed the goals and they were written.
    bool editGoals();

signals:
    void goalsChanged();

private:
    void showGoals();

    WorkingFolder m_folder;
    Services& m_services;
    QLabel* m_goals = nullptr;
};

} // namespace kf
