// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PrintedTable.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

namespace kf {

// Prints reports and charts. Each call asks the user through the print dialog first.
class Printer {
public:
    enum class Status { Printed, Cancelled, Failed };
    struct Outcome {
        Status status = Status::Printed;
        QString error; // the system's reason when the printer failed
    };

    virtual ~Printer() = default;
    // Prints the lines in order, one under the other, in the given font.
    virtual Outcome printLines(const QStringList& lines, const QFont& font) = 0;
    // Prints one picture scaled to fit the page.
    virtual Outcome printImage(const QImage& image) = 0;
    // Prints a table on one page when it fits there at a readable size, on more otherwise.
    virtual Outcome printTable(const PrintedTable& table) = 0;
};

} // namespace kf
