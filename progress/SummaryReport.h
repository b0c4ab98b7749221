// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace kf {

class StudentRecord;

// What the summary report names besides the student record.
struct SummaryReportHeading {
    QString userName;
    QString date; // already in the system's short date format
};

// The report averages a figure over the six sections that count words per minute.
inline constexpr std::size_t kWordSectionCount = 6;

// The average of the figures that are not 0, rounded to a whole number with ties to even;
// nothing when every figure is 0.
std::optional<std::int32_t>
averageOfShownFigures(const std::array<std::int32_t, kWordSectionCount>& figures);

// The summary report, one string per line, exactly as the report area shows it and the
// printer writes it. The student line ends in a carriage return of its own.
QStringList summaryReportLines(const StudentRecord& record, const SummaryReportHeading& heading);

} // namespace kf
