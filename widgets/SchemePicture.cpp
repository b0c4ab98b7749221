// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SchemePicture.h"

#include "core/ColourScheme.h"

#include <QPainter>

namespace kf {

SchemePicture::SchemePicture(Kind kind, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind) {
    // The first area covers the whole widget: nothing beneath it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SchemePicture::setSchemeColour(QRgb colour) {
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void SchemePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto bands =
        m_kind == Kind::Frame ? frameBands(size(), m_colour) : backgroundBands(size(), m_colour);
    for (const ColourBand& band : bands)
        painter.fillRect(band.area, QColor::fromRgb(band.colour));
}

} // namespace kf
