// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/SummaryReport.h"

#include "core/TranslationContext.h"
#include "keyboard/Windows1252.h"
#include "progress/StudentFigures.h"
#include "students/DailyRollover.h"
#include "students/FixedPoint.h"
#include "students/StudentRecord.h"

namespace kf {

namespace {

// The report's lines are fixed texts; their spacing lines the figures up in one column, and
// each rule is as long as the heading it underlines. Each language keeps both in its own
// words (context "SummaryReport").
constexpr TranslationContext text{"SummaryReport"};
constexpr QStringView kBlank = u" ";
constexpr const char* kDrillsHeading = QT_TRANSLATE_NOOP("SummaryReport", "Beginners Drills:");
constexpr const char* kDrillsRule = QT_TRANSLATE_NOOP("SummaryReport", "-----------------");
constexpr const char* kDrillsAccuracyLatest =
    QT_TRANSLATE_NOOP("SummaryReport", "Accuracy Today or Last:           ");
constexpr const char* kDrillsAccuracyAllDays =
    QT_TRANSLATE_NOOP("SummaryReport", "Accuracy All Days:                ");
// The record's slowest key of the latest session. The report follows the record alone, so it
// reads the same from every window and for a student viewed from a drill.
constexpr const char* kSlowestOfSession =
    QT_TRANSLATE_NOOP("SummaryReport", "Slowest Letter Today or Last:     ");
constexpr const char* kBestTime =
    QT_TRANSLATE_NOOP("SummaryReport", "Best Time Today or Last (Seconds): ");
constexpr QStringView kAveragesIndent = u"  ";
constexpr const char* kAveragesHeading =
    QT_TRANSLATE_NOOP("SummaryReport", "Average of All Sections:");
constexpr const char* kAveragesRule = QT_TRANSLATE_NOOP("SummaryReport", "-----------------------");

// The four whole numbers the report knows of a section that counts words per minute. A figure
// that cannot be computed (no time, no keys) is 0.
struct WordSectionFigures {
    std::int32_t adjustedWpmLatest = 0;
    std::int32_t adjustedWpmAllDays = 0;
    std::int32_t accuracyLatest = 0;
    std::int32_t accuracyAllDays = 0;
};
// In section order: Lessons, Intermediate Drills, Advanced Drills, the letter game, 10 Line
// Tests, Timed Tests.
using WordSectionTable = std::array<WordSectionFigures, kWordSectionCount>;

// One average line of the report: its label, the figure it averages and what follows it.
struct AverageLine {
    const char* label;
    std::int32_t WordSectionFigures::*figure;
    QStringView suffix;
};

constexpr std::array<AverageLine, 4> kAverageLines = {{
    {QT_TRANSLATE_NOOP("SummaryReport", "Average WPM (all Sections) for Today or Last: "),
     &WordSectionFigures::adjustedWpmLatest, u""},
    {QT_TRANSLATE_NOOP("SummaryReport", "Average WPM (all Sections) for all of history: "),
     &WordSectionFigures::adjustedWpmAllDays, u""},
    {QT_TRANSLATE_NOOP("SummaryReport", "Average accuracy (all Sections) for Today or Last: "),
     &WordSectionFigures::accuracyLatest, u"%"},
    {QT_TRANSLATE_NOOP("SummaryReport", "Average accuracy (all sections) for all history: "),
     &WordSectionFigures::accuracyAllDays, u"%"},
}};

WordSectionFigures figuresOf(const StudentRecord& record, Section section) {
    return {
        .adjustedWpmLatest = adjustedWpmLatest(record, section),
        .adjustedWpmAllDays = adjustedWpmAllDays(record, section),
        .accuracyLatest = accuracyLatest(record, section),
        .accuracyAllDays = accuracyAllDays(record, section),
    };
}

QString percentText(bool damaged, std::int32_t percent) {
    if (damaged)
        return damagedFigureText();
    return QString::number(percent) + u'%';
}

void addSlowestLetter(QStringList& lines, const StudentRecord& record) {
    if (const AnsiChar sessionSlowest = slowestLetterOfSession(record); sessionSlowest != 0)
        lines.append(text(kSlowestOfSession) + fromWindows1252(sessionSlowest));
}

void addDrillLines(QStringList& lines, const StudentRecord& record) {
    lines.append(text(kDrillsHeading));
    lines.append(text(kDrillsRule));
    constexpr Section drills = Section::BeginnersDrills;
    lines.append(text(kDrillsAccuracyLatest) +
                 percentText(latestDamaged(record, drills), accuracyLatest(record, drills)));
    lines.append(text(kDrillsAccuracyAllDays) +
                 percentText(allDaysDamaged(record, drills), accuracyAllDays(record, drills)));
    addSlowestLetter(lines, record);
    lines.append(text(kBestTime) + QString::number(bestSetTime(record)));
}

WordSectionTable wordSectionFigures(const StudentRecord& record) {
    WordSectionTable table;
    std::size_t next = 0;
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        const Section section = static_cast<Section>(s);
        if (sectionHistories(section).countsWords)
            table.at(next++) = figuresOf(record, section);
    }
    return table;
}

// The heading of the averages belongs to the first of them: without a latest speed average
// the other averages follow the blank line directly.
void addAverageLines(QStringList& lines, const WordSectionTable& table) {
    for (std::size_t i = 0; i < kAverageLines.size(); ++i) {
        const AverageLine& line = kAverageLines[i];
        std::array<std::int32_t, kWordSectionCount> figures{};
        for (std::size_t s = 0; s < kWordSectionCount; ++s)
            figures[s] = table[s].*line.figure;
        const std::optional<std::int32_t> average = averageOfShownFigures(figures);
        if (!average)
            continue;
        if (i == 0) {
            lines.append(kAveragesIndent.toString());
            lines.append(text(kAveragesHeading));
            lines.append(text(kAveragesRule));
        }
        lines.append(text(line.label) + QString::number(*average) + line.suffix);
    }
}

} // namespace

std::optional<std::int32_t>
averageOfShownFigures(const std::array<std::int32_t, kWordSectionCount>& figures) {
    std::int64_t sum = 0;
    int shown = 0;
    for (const std::int32_t figure : figures) {
        if (figure == 0)
            continue;
        sum += figure;
        ++shown;
    }
    if (shown == 0)
        return std::nullopt;
    return roundHalfEven(static_cast<long double>(sum) / shown);
}

QStringList summaryReportLines(const StudentRecord& record, const SummaryReportHeading& heading) {
    QStringList lines;
    lines.append(kBlank.toString());
    lines.append(text(QT_TRANSLATE_NOOP("SummaryReport", "Student: %1  Date: %2"))
                     .arg(heading.userName, heading.date) +
                 QChar(QChar::CarriageReturn));
    lines.append(kBlank.toString());
    lines.append(kBlank.toString());
    addDrillLines(lines, record);
    lines.append(kBlank.toString());
    addAverageLines(lines, wordSectionFigures(record));
    return lines;
}

} // namespace kf
