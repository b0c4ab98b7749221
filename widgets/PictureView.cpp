// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureView.h"

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

bool differ(const QRgb* a, const QRgb* b, int from, int to) {
    return std::memcmp(a + from, b + from, std::size_t(to - from) * sizeof(QRgb)) != 0;
}

constexpr int kBlock = 16; // pixels compared at once while looking for a difference

// The first pixel in [from, to) that differs, or to when none does.
int firstDifference(const QRgb* a, const QRgb* b, int from, int to) {
    int x = from;
    while (x + kBlock <= to && !differ(a, b, x, x + kBlock))
        x += kBlock;
    while (x < to && a[x] == b[x])
        ++x;
    return x;
}

// The last pixel in [from, to) that differs, or from - 1 when none does.
int lastDifference(const QRgb* a, const QRgb* b, int from, int to) {
    int x = to;
    while (x - kBlock >= from && !differ(a, b, x - kBlock, x))
        x -= kBlock;
    while (x > from && a[x - 1] == b[x - 1])
        --x;
    return x - 1;
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
    int top = -1;
    int bottom = -1;
    int left = width;
    int right = -1;
    // Rows are compared whole (memcmp is vectorised); only a row that differs is searched for
    // its first and last differing pixel, block by block from each end.
    for (int y = 0; y < after.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        if (!differ(a, b, 0, width))
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        left = firstDifference(a, b, 0, left);
        right = lastDifference(a, b, right + 1, width);
    }
    if (top < 0)
        return {};
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
