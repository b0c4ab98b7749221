// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/TrendDelegate.h"

#include "core/TrendLine.h"
#include "overview/ClassOverviewModel.h"

#include <QApplication>
#include <QPainter>

namespace kf {

namespace {

constexpr int kMargin = 3;
constexpr int kTrendWidth = 96;
constexpr qreal kDotRadius = 2.0;

QList<int> trendOf(const QModelIndex& index) {
    return index.data(ClassOverviewModel::kTrendRole).value<QList<int>>();
}

} // namespace

void TrendDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const QVariant trend = index.data(ClassOverviewModel::kTrendRole);
    if (!trend.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The cell's background and selection as the style draws them, without its text.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const QPolygonF line = trendLine(
        trendOf(index), QRectF(option.rect).adjusted(kMargin, kMargin, -kMargin, -kMargin));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->setPen(
        QPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), 1.5));
    if (line.size() == 1)
        painter->drawEllipse(line.first(), kDotRadius, kDotRadius);
    else
        painter->drawPolyline(line);
    painter->restore();
}

QSize TrendDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (index.data(ClassOverviewModel::kTrendRole).isValid())
        size.setWidth(std::max(size.width(), kTrendWidth));
    return size;
}

} // namespace kf
