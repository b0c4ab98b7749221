// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace kf {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent)
    , m_buttons(new QButtonGroup(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setSpacing(0);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < int(items.size()); ++i) {
        // An item's text is shown as written: "&&" shows one ampersand.
        auto* button = new QRadioButton(items[i], this);
        m_buttons->addButton(button, i);
        grid->addWidget(button, i % rows, i / rows);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::itemIndex() const {
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = m_buttons->button(index))
        button->setChecked(true);
}

QAbstractButton* RadioGroup::button(int index) const {
    return m_buttons->button(index);
}

int RadioGroup::count() const {
    return int(m_buttons->buttons().size());
}

} // namespace kf
