// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/BarChartView.h"

#include "progress/ChartDepthItem.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QStackedBarSeries>
#include <QTextDocument>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace kf {

namespace {

// Room around the plot area, besides the title and the depth.
constexpr int kMarginLeft = 4;
constexpr int kMarginRight = 8;
constexpr int kMarginBottom = 2;
constexpr int kTitleLeft = 6;
constexpr int kTitleTop = 3;
constexpr qreal kBarWidth = 0.6;    // of a category's width
constexpr int kBarsAtFullWidth = 4; // fewer bars are narrower, so one bar is no wide slab
constexpr qreal kMarkGap = 3;       // between a value mark and its bar

// Lines of the left axis for each kind: Percent, Percent, Seconds, WPM.
struct AxisTicks {
    int count;
    const char* format;
};
constexpr AxisTicks kTicks[] = {{6, "%d"}, {3, "%d"}, {4, "%.1f"}, {4, "%d"}};

// Qt Charts drops empty category names and joins equal ones into one; labels are made
// non-empty and unique with zero-width spaces, which look like nothing.
constexpr QChar kZeroWidthSpace(0x200B);

QFont titleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

QFont axisFont(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

BarChartView::BarChartView(ChartKind kind, QWidget* parent)
    : QChartView(parent)
    , m_kind(kind)
    , m_style(chartStyle(kind))
    , m_chart(new QChart)
    , m_series(new QStackedBarSeries)
    , m_categories(new QBarCategoryAxis)
    , m_axis(new QValueAxis)
    , m_title(new QGraphicsTextItem(m_chart))
    , m_depth(new ChartDepthItem(m_chart)) {
    setChart(m_chart);
    setFrameShape(QFrame::NoFrame);
    // The picture offers the keyboard nothing, and the chart behind it in its band would take
    // the focus unseen: its figures are reached through the band's table.
    setFocusPolicy(Qt::NoFocus);
    setRenderHint(QPainter::Antialiasing, false);

    m_chart->legend()->hide();
    m_chart->setBackgroundRoundness(0);
    m_chart->setBackgroundBrush(Qt::white);
    m_chart->setBackgroundPen(Qt::NoPen);
    m_chart->setPlotAreaBackgroundVisible(false);
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);

    m_series->setBarWidth(kBarWidth);
    // Value marks are drawn by the window over the bar tops: Qt Charts puts the labels of a
    // stacked series inside the bars.
    m_series->setLabelsVisible(false);
    m_chart->addSeries(m_series);
    setUpAxes();

    m_title->setFont(titleFont());
    m_title->setDefaultTextColor(Qt::black);
    m_title->setZValue(100); // over the walls and bars
    // The walls lie over the chart's background and under its axes and bars.
    m_depth->setZValue(1.5);

    connect(m_chart, &QChart::plotAreaChanged, this, [this] { updateDecorations(); });
    setTitleLines({});
}

void BarChartView::setUpAxes() {
    const AxisTicks& ticks = kTicks[static_cast<int>(m_kind)];
    m_axis->setRange(m_style.axisMinimum, m_style.axisMaximum);
    m_axis->setTickCount(ticks.count);
    m_axis->setLabelFormat(QString::fromLatin1(ticks.format));
    m_axis->setTitleText(QCoreApplication::translate("Charts", m_style.axisTitle));
    m_axis->setTitleFont(axisFont(10));
    m_axis->setLabelsFont(axisFont(9));
    m_axis->setGridLineVisible(false); // the grid is drawn on the back wall
    m_axis->setLinePen(QPen(QColor(96, 96, 96), 1));
    m_chart->addAxis(m_axis, Qt::AlignLeft);
    m_series->attachAxis(m_axis);

    m_categories->setLabelsFont(axisFont(10));
    m_categories->setTruncateLabels(false); // one character each; never "..."
    m_categories->setGridLineVisible(false);
    m_categories->setLinePen(QPen(QColor(96, 96, 96), 1));
    m_chart->addAxis(m_categories, Qt::AlignBottom);
    m_series->attachAxis(m_categories);
}

void BarChartView::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        m_axis->setTitleText(QCoreApplication::translate("Charts", m_style.axisTitle));
}

void BarChartView::setTitle(const QString& title) {
    setTitleLines(title.split(QChar::CarriageReturn));
}

void BarChartView::setTitleLines(const QStringList& lines) {
    m_titleLines = lines;
    QStringList escaped;
    for (const QString& line : lines)
        escaped.append(line.toHtmlEscaped());
    m_title->setHtml(escaped.join(QStringLiteral("<br>")));
    placeTitle();
    // A screen reader names the chart by its title, on one line.
    setAccessibleName(lines.join(u' ').simplified());
}

void BarChartView::placeTitle() {
    m_title->document()->setDocumentMargin(0);
    m_title->setPos(kTitleLeft, kTitleTop);
    const QPointF depth = depthOffset();
    const int titleHeight =
        m_titleLines.isEmpty() ? 0 : int(std::ceil(m_title->boundingRect().height()));
    m_chart->setMargins(QMargins(kMarginLeft, kTitleTop + titleHeight + int(-depth.y()),
                                 kMarginRight + int(depth.x()), kMarginBottom));
}

QPointF BarChartView::depthOffset() const {
    // The depth is that percent of half the chart's height; a higher elevation looks at the
    // bars from lower down and shows less of their tops.
    const qreal across = std::round(height() * m_style.depthPercent / 200.0);
    const qreal up = std::round(across * (360 - m_style.elevation) / (360.0 - kDefaultElevation));
    return {across, -up};
}

void BarChartView::clearBars() {
    m_series->clear();
    m_categories->clear();
    m_bars.clear();
    m_setColours.clear();
    updateDecorations();
    emit barsChanged();
}

QString BarChartView::uniqueCategory(const QString& label, const QStringList& pending) const {
    QString category = label;
    if (category.isEmpty())
        category.append(kZeroWidthSpace);
    while (m_categories->categories().contains(category) || pending.contains(category))
        category.append(kZeroWidthSpace);
    return category;
}

void BarChartView::addBar(double value, const QString& label, QRgb colour) {
    appendBars({{label, value, colour}});
}

void BarChartView::draw(const ChartDescription& description) {
    clearBars();
    setTitleLines(description.titleLines);
    QList<Bar> bars;
    bars.reserve(description.bars.size());
    for (const ChartBar& bar : description.bars)
        bars.append({bar.label, bar.value, barColour(bar.group)});
    appendBars(bars);
}

void BarChartView::appendBars(const QList<Bar>& bars) {
    // One bar set per colour: a bar is its colour's value in its own category and nothing in
    // the others, since Qt Charts colours whole sets, not single bars. The sets are filled
    // before they are handed over, so the chart lays itself out once, not once per bar.
    QList<QBarSet*> sets = m_series->barSets();
    QList<QBarSet*> newSets;
    QStringList categories;
    for (const Bar& bar : bars) {
        categories.append(uniqueCategory(bar.label, categories));
        qsizetype setIndex = m_setColours.indexOf(bar.colour);
        if (setIndex < 0) {
            auto* set = new QBarSet(QString());
            set->setColor(QColor::fromRgb(bar.colour));
            set->setBorderColor(QColor::fromRgb(bar.colour).darker(220));
            set->append(QList<qreal>(m_bars.size(), 0.0));
            sets.append(set);
            newSets.append(set);
            m_setColours.append(bar.colour);
            setIndex = m_setColours.size() - 1;
        }
        for (qsizetype i = 0; i < sets.size(); ++i)
            sets[i]->append(i == setIndex ? bar.value : 0.0);
        m_bars.append(bar);
    }
    m_categories->append(categories);
    m_series->append(newSets);
    m_series->setBarWidth(kBarWidth * std::min<qsizetype>(m_bars.size(), kBarsAtFullWidth) /
                          kBarsAtFullWidth);
    // Adding categories moves the axis range; the value axis stays fixed by design.
    m_axis->setRange(m_style.axisMinimum, m_style.axisMaximum);
    updateDecorations();
    emit barsChanged();
}

void BarChartView::bringToFront() {
    raise();
}

void BarChartView::sendToBack() {
    lower();
}

void BarChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placeTitle();
    updateDecorations();
}

void BarChartView::updateDecorations() {
    const ChartDepthItem::Frame frame = depthFrame();
    m_depth->setFrame(frame);
    placeValueMarks(frame);
}

ChartDepthItem::Frame BarChartView::depthFrame() const {
    ChartDepthItem::Frame frame;
    frame.plotArea = m_chart->plotArea();
    frame.depth = depthOffset();
    // The grid follows the fixed axis ticks, also on a chart without bars (whose series has
    // nothing to map positions with).
    const int ticks = m_axis->tickCount();
    for (int i = 1; i < ticks; ++i)
        frame.gridLines.append(frame.plotArea.bottom() - frame.plotArea.height() * i / (ticks - 1));
    for (qsizetype i = 0; i < m_bars.size(); ++i) {
        const Bar& bar = m_bars[i];
        if (bar.value <= m_style.axisMinimum)
            continue;
        const double top = std::min(bar.value, m_style.axisMaximum);
        const qreal x = qreal(i);
        const qreal half = m_series->barWidth() / 2;
        const QPointF topLeft = m_chart->mapToPosition(QPointF(x - half, top), m_series);
        const QPointF bottomRight =
            m_chart->mapToPosition(QPointF(x + half, m_style.axisMinimum), m_series);
        frame.bars.append({QRectF(topLeft, bottomRight), QColor::fromRgb(bar.colour)});
    }
    return frame;
}

void BarChartView::placeValueMarks(const ChartDepthItem::Frame& frame) {
    qDeleteAll(m_marks);
    m_marks.clear();
    if (!m_style.valueMarks)
        return;
    // A mark is a small framed box with the value, standing over the middle of the bar's top
    // face (over the floor for a bar of 0).
    for (qsizetype i = 0; i < m_bars.size(); ++i) {
        const double top = std::clamp(m_bars[i].value, m_style.axisMinimum, m_style.axisMaximum);
        const QPointF anchor =
            m_chart->mapToPosition(QPointF(qreal(i), top), m_series) + frame.depth / 2;
        auto* box = new QGraphicsRectItem(m_chart);
        auto* text = new QGraphicsSimpleTextItem(QString::number(m_bars[i].value), box);
        text->setFont(axisFont(10));
        const QRectF textRect = text->boundingRect();
        const QSizeF size(textRect.width() + 6, textRect.height() + 2);
        const qreal y = std::max(0.0, anchor.y() - kMarkGap - size.height());
        box->setRect(QRectF(QPointF(anchor.x() - size.width() / 2, y), size));
        box->setPen(QPen(QColor(64, 64, 64), 1));
        box->setBrush(QColor(255, 255, 225));
        box->setZValue(50);
        text->setPos(box->rect().topLeft() + QPointF(3, 1));
        m_marks.append(box);
    }
}

QImage BarChartView::toImage(qreal scale) {
    // A view that was never shown has not laid its chart out yet.
    if (m_chart->size() != QSizeF(size())) {
        m_chart->resize(size());
        scene()->setSceneRect(QRectF(QPointF(0, 0), size()));
        placeTitle();
    }
    m_chart->layout()->activate();
    updateDecorations();
    QImage image(size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene()->render(&painter, QRectF(image.rect()), QRectF(QPointF(0, 0), size()));
    painter.end();
    return image;
}

} // namespace kf
