// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/HeatKeyboardView.h"

#include "progress/TroubleKeysTexts.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace kf {

HeatKeyboardView::HeatKeyboardView(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("TroubleKeysPicture"));
    setFocusPolicy(Qt::StrongFocus); // a screen reader reaches the figures by the keyboard too
}

void HeatKeyboardView::show(const QImage& keyboard, std::vector<HeatKey> keys) {
    m_keys = std::move(keys);
    m_picture = heatPicture(keyboard, m_keys);
    setFixedSize(m_picture.size());
    QStringList figures;
    for (const HeatKey& key : m_keys)
        figures << keyFiguresText(key.standing);
    setAccessibleDescription(figures.join(QStringLiteral("; ")));
    update();
}

void HeatKeyboardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

bool HeatKeyboardView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (const HeatKey& key : m_keys) {
        if (key.rect.contains(help->pos())) {
            QToolTip::showText(help->globalPos(), keyFiguresText(key.standing), this, key.rect);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

} // namespace kf
