// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/KeyHeat.h"

#include <QImage>
#include <QWidget>
#include <vector>

namespace kf {

// The keyboard picture with each typed key coloured by how near the goal it is. Each key's
// figures are in its tool tip, and all of them in the accessible description, so that neither
// the colour nor the picture is the only way to read them.
class HeatKeyboardView : public QWidget {
    Q_OBJECT

public:
    explicit HeatKeyboardView(QWidget* parent = nullptr);

    void show(const QImage& keyboard, std::vector<HeatKey> keys);
    const QImage& picture() const { return m_picture; }

    QSize sizeHint() const override { return m_picture.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QImage m_picture;
    std::vector<HeatKey> m_keys;
};

} // namespace kf
