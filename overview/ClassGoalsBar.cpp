// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ClassGoalsBar.h"

#include "core/TranslationContext.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace kf {

namespace {

constexpr TranslationContext text{"kf::ClassOverviewWindow"};
constexpr int kMostWordsPerMinute = 200;
constexpr int kHighestAccuracy = 100;

QSpinBox* goalBox(const QString& name, int most, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, most);
    box->setValue(value);
    return box;
}

} // namespace

ClassGoalsBar::ClassGoalsBar(WorkingFolder folder, Services& services, QWidget* parent)
    : QWidget(parent)
    , m_folder(std::move(folder))
    , m_services(services) {
    m_goals = new QLabel(this);
    m_goals->setObjectName(QStringLiteral("LabelClassGoals"));
    auto* edit =
        new QPushButton(text(QT_TRANSLATE_NOOP("kf::ClassOverviewWindow", "Goals…")), this);
    edit->setObjectName(QStringLiteral("ButtonGoals"));
    edit->setAutoDefault(false);
    connect(edit, &QPushButton::clicked, this, [this] {
        if (editGoals())
            emit goalsChanged();
    });
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_goals, 1);
    row->addWidget(edit);
    showGoals();
}

void ClassGoalsBar::showGoals() {
    const ClassGoals goals = ClassGoals::read(m_folder.path());
    m_goals->setText(text(QT_TRANSLATE_NOOP("kf::ClassOverviewWindow",
                                            "Class goals: %1 words a minute and %2 % accuracy."))
                         .arg(goals.wordsPerMinute)
                         .arg(goals.accuracyPercent));
}

bool ClassGoalsBar::editGoals() {
    const ClassGoals now = ClassGoals::read(m_folder.path());
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("DialogClassGoals"));
    dialog.setWindowTitle(text(QT_TRANSLATE_NOOP("kf::ClassOverviewWindow", "Class Goals")));
    QSpinBox* speed = goalBox(QStringLiteral("SpinWordsPerMinute"), kMostWordsPerMinute,
                              now.wordsPerMinute, &dialog);
    QSpinBox* accuracy =
        goalBox(QStringLiteral("SpinAccuracy"), kHighestAccuracy, now.accuracyPercent, &dialog);
    accuracy->setSuffix(QStringLiteral(" %"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(text(QT_TRANSLATE_NOOP("kf::ClassOverviewWindow", "&Words a minute:")), speed);
    form->addRow(text(QT_TRANSLATE_NOOP("kf::ClassOverviewWindow", "&Accuracy:")), accuracy);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const ClassGoals chosen{speed->value(), accuracy->value()};
    if (chosen == now)
        return false;
    if (!chosen.write(m_folder.path())) {
        m_services.dialogs.error(
            text(QT_TRANSLATE_NOOP("kf::ClassOverviewWindow",
                                   "The class goals could not be written to %1."))
                .arg(QDir::toNativeSeparators(
                    QDir(m_folder.path()).filePath(QLatin1String(ClassGoals::kFileName)))));
        return false;
    }
    showGoals();
    return true;
}

} // namespace kf
