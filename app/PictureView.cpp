// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PictureView.h"

#include <QPaintEvent>
#include <QPainter>
#include <cstring>
#include <utility>

namespace kf {

namespace {

bool comparable(const QImage& before, const QImage& after) {
    return !before.isNull() && before.size() == after.size() && before.format() == after.format() &&
           after.depth() == 32;
}

} // namespace

PictureView::PictureView(QWidget* parent)
    : QLabel(parent) {}

QRect PictureView::changedArea(const QImage& before, const QImage& after) {
    if (!comparable(before, after))
        return after.rect();
    if (before.cacheKey() == after.cacheKey())
        return {};
    const int width = after.width();
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(QRgb);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < after.height(); ++y) {
        if (std::memcmp(before.constScanLine(y), after.constScanLine(y), rowBytes) != 0) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    }
    if (top < 0)
        return {};
    int left = width;
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        for (int x = 0; x < left; ++x) {
            if (a[x] != b[x]) {
                left = x;
                break;
            }
        }
        for (int x = width - 1; x > right; --x) {
            if (a[x] != b[x]) {
                right = x;
                break;
            }
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void PictureView::showPicture(const QImage& picture) {
    if (picture.size() != size() || picture.isNull()) {
        m_picture = QImage();
        setAttribute(Qt::WA_OpaquePaintEvent, false);
        setPixmap(QPixmap::fromImage(picture));
        return;
    }
    if (!pixmap().isNull())
        clear();
    const QRect changed = changedArea(m_picture, picture);
    m_picture = picture;
    // The picture covers the label: nothing beneath it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (!changed.isEmpty())
        update(changed);
}

void PictureView::showPicture(const QImage& picture, const QRect& changed) {
    if (m_picture.isNull() || picture.size() != m_picture.size()) {
        showPicture(picture);
        return;
    }
    m_picture = picture;
    if (const QRect area = changed & rect(); !area.isEmpty())
        update(area);
}

QImage PictureView::picture() const {
    return m_picture.isNull() ? pixmap().toImage() : m_picture;
}

// A picture that no longer fits the label is shown as a plain label's pixmap.
void PictureView::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (!m_picture.isNull() && m_picture.size() != size())
        showPicture(std::exchange(m_picture, QImage()));
}

void PictureView::paintEvent(QPaintEvent* event) {
    if (m_picture.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    for (const QRect& area : event->region())
        painter.drawImage(area, m_picture, area);
}

} // namespace kf
