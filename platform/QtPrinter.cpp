// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPrinter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <functional>

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
        return failed(QStringLiteral("The printer could not be started (%1).")
                          .arg(printer.printerName().isEmpty() ? printer.outputFileName()
                                                               : printer.printerName()));
    const bool ok = paint(printer, painter);
    painter.end();
    if (!ok || printer.printerState() == QPrinter::Error)
        return failed(QStringLiteral("The printer reported an error."));
    return {};
}

} // namespace

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
