// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Printer.h"

namespace kf {

// Prints through QPrinter after the print dialog. With a PDF path set, it writes that file
// instead and asks nothing (used by tests and by anyone who wants the report as a file).
class QtPrinter final : public Printer {
public:
    QtPrinter() = default;
    explicit QtPrinter(QString pdfPath)
        : m_pdfPath(std::move(pdfPath)) {}

    Outcome printLines(const QStringList& lines, const QFont& font) override;
    Outcome printImage(const QImage& image) override;
    Outcome printTable(const PrintedTable& table) override;

private:
    QString m_pdfPath;
};

} // namespace kf
