// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPrinter.h"

#include "core/TrendLine.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <functional>
#include <numeric>

namespace kf {

namespace {

using PaintPages = std::function<bool(QPrinter&, QPainter&)>;

Printer::Outcome failed(const QString& why) {
    return {Printer::Status::Failed, why};
}

Printer::Outcome runPrint(const QString& pdfPath, const PaintPages& paint) {
    QPrinter printer(QPrinter::HighResolution);
    if (!pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    } else {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        if (dialog.exec() != QDialog::Accepted)
            return {Printer::Status::Cancelled, {}};
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return failed(
            QCoreApplication::translate("QtPrinter", "The printer could not be started (%1).")
                .arg(printer.printerName().isEmpty() ? printer.outputFileName()
                                                     : printer.printerName()));
    const bool ok = paint(printer, painter);
    painter.end();
    if (!ok || printer.printerState() == QPrinter::Error)
        return failed(QCoreApplication::translate("QtPrinter", "The printer reported an error."));
    return {};
}

// The smallest size a table is made to fit one page; below it, it takes more pages.
constexpr double kSmallestTablePoints = 5.0;
constexpr double kTableSizeStep = 0.5;
// Room around each cell's text, in widths of the letter "n".
constexpr double kCellPadding = 0.8;
constexpr int kTrendFigures = 8;

// Column widths and row heights of a table in one font on the printer.
struct TableLayout {
    QFont font;
    QFont bold;
    QList<double> columns;
    double titleHeight = 0;
    double headerHeight = 0;
    double rowHeight = 0;
    double padding = 0;

    double width() const { return std::accumulate(columns.begin(), columns.end(), 0.0); }
    double height(qsizetype rows) const {
        return titleHeight + headerHeight + rowHeight * double(rows);
    }
};

double widestWord(const QString& text, const QFontMetricsF& metrics) {
    double widest = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

TableLayout layOutTable(const PrintedTable& table, double points, QPaintDevice* device) {
    TableLayout l;
    l.font = table.font;
    l.font.setPointSizeF(points);
    l.bold = l.font;
    l.bold.setBold(true);
    const QFontMetricsF metrics(l.font, device);
    const QFontMetricsF boldMetrics(l.bold, device);
    l.padding = metrics.horizontalAdvance(u'n') * kCellPadding;
    const double trendWidth =
        metrics.horizontalAdvance(QStringLiteral("100 ")) * kTrendFigures / 2.0;
    for (qsizetype c = 0; c < table.header.size(); ++c) {
        // A header may wrap between its words; its longest word sets the least width.
        double width = widestWord(table.header.at(c), boldMetrics);
        if (c == table.trendColumn)
            width = std::max(width, trendWidth);
        else
            for (const QStringList& row : table.rows)
                width = std::max(width, metrics.horizontalAdvance(row.value(c)));
        l.columns.append(width + 2 * l.padding);
    }
    for (qsizetype c = 0; c < table.header.size(); ++c) {
        const QRectF needed =
            boldMetrics.boundingRect(QRectF(0, 0, l.columns.at(c) - 2 * l.padding, 1e6),
                                     Qt::TextWordWrap, table.header.at(c));
        l.headerHeight = std::max(l.headerHeight, needed.height() + l.padding);
    }
    l.titleHeight = boldMetrics.lineSpacing() * 1.5;
    l.rowHeight = metrics.lineSpacing() * 1.2;
    return l;
}

// The largest size, from the table's own down to the floor, at which it fits the page; the
// floor when it fits at none.
TableLayout fitTable(const PrintedTable& table, const QSizeF& page, QPaintDevice* device) {
    double points = table.font.pointSizeF() > 0 ? table.font.pointSizeF() : 10.0;
    TableLayout l = layOutTable(table, points, device);
    while (points > kSmallestTablePoints &&
           (l.width() > page.width() || l.height(table.rows.size()) > page.height())) {
        points = std::max(kSmallestTablePoints, points - kTableSizeStep);
        l = layOutTable(table, points, device);
    }
    return l;
}

void drawHeader(QPainter& painter, const PrintedTable& table, const TableLayout& l, double top) {
    painter.setFont(l.bold);
    double x = 0;
    for (qsizetype c = 0; c < table.header.size(); ++c) {
        const QRectF cell(x + l.padding, top, l.columns.at(c) - 2 * l.padding, l.headerHeight);
        painter.drawText(cell, Qt::AlignBottom | Qt::AlignLeft | Qt::TextWordWrap,
                         table.header.at(c));
        x += l.columns.at(c);
    }
    const double rule = top + l.headerHeight + l.padding / 4;
    painter.drawLine(QPointF(0, rule), QPointF(l.width(), rule));
}

void drawRow(QPainter& painter, const PrintedTable& table, const TableLayout& l, qsizetype row,
             double top) {
    painter.setFont(l.font);
    double x = 0;
    const QStringList& cells = table.rows.at(row);
    for (qsizetype c = 0; c < table.header.size(); ++c) {
        const QRectF cell(x + l.padding, top, l.columns.at(c) - 2 * l.padding, l.rowHeight);
        if (c == table.trendColumn) {
            const QRectF box = cell.adjusted(0, l.rowHeight * 0.2, 0, -l.rowHeight * 0.2);
            const QPolygonF line = trendLine(table.trends.value(row), box);
            if (line.size() == 1)
                painter.drawEllipse(line.first(), l.padding / 4, l.padding / 4);
            else
                painter.drawPolyline(line);
        } else {
            const Qt::Alignment align =
                table.rightAligned.value(c) ? Qt::AlignRight : Qt::AlignLeft;
            painter.drawText(cell, align | Qt::AlignVCenter, cells.value(c));
        }
        x += l.columns.at(c);
    }
}

} // namespace

Printer::Outcome QtPrinter::printTable(const PrintedTable& table) {
    return runPrint(m_pdfPath, [&](QPrinter& printer, QPainter& painter) {
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        const TableLayout l = fitTable(table, QSizeF(page.size()), &printer);
        QPen pen = painter.pen();
        pen.setWidthF(l.padding / 8);
        painter.setPen(pen);
        painter.setFont(l.bold);
        painter.drawText(QRectF(0, 0, page.width(), l.titleHeight), Qt::AlignLeft | Qt::AlignTop,
                         table.title);
        double top = l.titleHeight;
        drawHeader(painter, table, l, top);
        top += l.headerHeight + l.padding / 2;
        for (qsizetype row = 0; row < table.rows.size(); ++row) {
            if (top + l.rowHeight > page.height()) {
                if (!printer.newPage())
                    return false;
                drawHeader(painter, table, l, 0);
                top = l.headerHeight + l.padding / 2;
            }
            drawRow(painter, table, l, row, top);
            top += l.rowHeight;
        }
        return true;
    });
}

Printer::Outcome QtPrinter::printLines(const QStringList& lines, const QFont& font) {
    return runPrint(m_pdfPath, [&](QPrinter& printer, QPainter& painter) {
        painter.setFont(font);
        const QFontMetrics metrics(font, &printer);
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        const int lineHeight = metrics.lineSpacing();
        int y = metrics.ascent();
        for (const QString& line : lines) {
            if (y > page.height()) {
                if (!printer.newPage())
                    return false;
                y = metrics.ascent();
            }
            painter.drawText(0, y, line);
            y += lineHeight;
        }
        return true;
    });
}

Printer::Outcome QtPrinter::printImage(const QImage& image) {
    return runPrint(m_pdfPath, [&](QPrinter& printer, QPainter& painter) {
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRect(QPoint(0, 0), size), image);
        return true;
    });
}

} // namespace kf
