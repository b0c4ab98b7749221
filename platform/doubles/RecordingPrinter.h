// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Printer.h"

#include <QList>

namespace kf {

// Keeps what would have been printed; answers with a scripted outcome.
class RecordingPrinter final : public Printer {
public:
    Outcome printLines(const QStringList& lines, const QFont& font) override {
        if (outcome.status == Status::Printed) {
            printedLines = lines;
            printedFont = font;
        }
        ++calls;
        return outcome;
    }
    Outcome printImage(const QImage& image) override {
        if (outcome.status == Status::Printed)
            printedImages.append(image);
        ++calls;
        return outcome;
    }

    Outcome printTable(const PrintedTable& table) override {
        if (outcome.status == Status::Printed)
            printedTables.append(table);
        ++calls;
        return outcome;
    }

    Outcome outcome;
    int calls = 0;
    QStringList printedLines;
    QFont printedFont;
    QList<QImage> printedImages;
    QList<PrintedTable> printedTables;
};

} // namespace kf
