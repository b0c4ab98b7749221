// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/ChartDepthItem.h"
#include "progress/ChartDescription.h"

#include <QChartView>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>
#include <QStringList>

class QBarCategoryAxis;
class QGraphicsItem;
class QGraphicsTextItem;
class QStackedBarSeries;
class QValueAxis;

namespace kf {

// One bar chart of the statistics window, drawn by Qt Charts: a left-aligned title of several
// lines, a left axis fixed at design time, bars with labels in one colour per bar group, value
// marks where the kind asks for them, no legend, and a 3-D look.
class BarChartView : public QChartView {
    Q_OBJECT
public:
    explicit BarChartView(ChartKind kind, QWidget* parent = nullptr);

    ChartKind kind() const { return m_kind; }

    // Sets the title; a carriage return starts a new line.
    void setTitle(const QString& title);
    void setTitleLines(const QStringList& lines);
    const QStringList& titleLines() const { return m_titleLines; }

    void clearBars();
    void addBar(double value, const QString& label, QRgb colour);
    // Clears the bars, then sets the title and the bars of a description.
    void draw(const ChartDescription& description);

    int barCount() const { return int(m_bars.size()); }
    // As given, without the marks that keep Qt Charts' categories apart.
    QString barLabel(int i) const { return m_bars.at(i).label; }
    double barValue(int i) const { return m_bars.at(i).value; }
    QValueAxis* valueAxis() const { return m_axis; }
    QStackedBarSeries* series() const { return m_series; }

    // Within its band: this chart over or under its neighbour.
    void bringToFront();
    void sendToBack();

    // The chart as it looks on screen, drawn at scale times its size (for printing).
    QImage toImage(qreal scale = 1.0);

signals:
    // Bars were cleared or added.
    void barsChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override; // the axis title follows the language

private:
    struct Bar {
        QString label;
        double value;
        QRgb colour;
    };

    void setUpAxes();
    void placeTitle();
    QPointF depthOffset() const;
    void updateDecorations();
    ChartDepthItem::Frame depthFrame() const;
    void placeValueMarks(const ChartDepthItem::Frame& frame);
    void appendBars(const QList<Bar>& bars);
    QString uniqueCategory(const QString& label, const QStringList& pending) const;

    ChartKind m_kind;
    ChartStyle m_style;
    QChart* m_chart;
    QStackedBarSeries* m_series;
    QBarCategoryAxis* m_categories;
    QValueAxis* m_axis;
    QGraphicsTextItem* m_title;
    ChartDepthItem* m_depth;
    QStringList m_titleLines;
    QList<Bar> m_bars;
    QList<QRgb> m_setColours; // the colour of each bar set, in the order of first use
    QList<QGraphicsItem*> m_marks;
};

} // namespace kf
