// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;

namespace kf {

// A captioned group of radio buttons laid out in columns; the chosen item is an index.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns = 1,
               QWidget* parent = nullptr);

    int itemIndex() const;
    // Chooses an item without emitting clicked().
    void setItemIndex(int index);
    int count() const;
    QAbstractButton* button(int index) const;

signals:
    // The student clicked an item (also when it was already chosen).
    void clicked(int index);

private:
    QButtonGroup* m_buttons;
};

} // namespace kf
