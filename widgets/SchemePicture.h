// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <QWidget>

namespace kf {

// A frame or a background in the student's colour scheme, painted from its few solid areas
// whenever it is shown. Kept as pictures, the main window's frames alone held 1.6 MB of pixels,
// and a label over one repainted its area from them.
class SchemePicture : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        Frame,      // paper with a frame in the scheme colour
        Background, // scheme colour with a paper frame inside
    };
    SchemePicture(Kind kind, QWidget* parent);

    void setSchemeColour(QRgb colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    QRgb m_colour = 0;
};

} // namespace kf
