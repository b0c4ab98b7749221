// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/SummaryReport.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <QTest>

using namespace kf;

class tst_SummaryReport : public QObject {
    Q_OBJECT

private slots:
    void drillAccuracyLines_data();
    void drillAccuracyLines();
    void slowestLetterLine_data();
    void slowestLetterLine();
    void averageCountsOnlyShownFigures_data();
    void averageCountsOnlyShownFigures();
    void zeroSectionIsLeftOutOfTheSpeedAverage();
    void onlyDrillsInUseGivesNoAverages();
    void averagesWithoutALatestSpeedHaveNoHeading();
    void wholeReportOfAPreparedRecord();
};

namespace {

using namespace layout;

// The six sections that count words per minute, as the report lists them.
enum WordSection : std::size_t { Lessons, Intermediate, Advanced, LetterGame, TenLine, Timed };

struct Typing {
    long double seconds;
    long double keys;
    long double errors;
};

void setLatest(StudentRecord& record, WordSection s, Typing t) {
    const std::size_t block = kSectionBlocks[s];
    record.setFigure(block + section::kSessionSeconds, t.seconds);
    record.setFigure(block + section::kSessionKeys, t.keys);
    record.setFigure(block + section::kSessionErrors, t.errors);
}

void setAllDays(StudentRecord& record, WordSection s, Typing t) {
    const std::size_t block = kSectionBlocks[s];
    record.setFigure(block + section::kSeconds, t.seconds);
    record.setFigure(block + section::kKeys, t.keys);
    record.setFigure(block + section::kErrors, t.errors);
}

QStringList reportOf(const StudentRecord& record) {
    return summaryReportLines(record, {QStringLiteral("Sam"), QStringLiteral("1/2/25")});
}

// The report's lines that start with the given text.
QStringList linesStarting(const QStringList& lines, const QString& start) {
    QStringList found;
    for (const QString& line : lines)
        if (line.startsWith(start))
            found.append(line);
    return found;
}

} // namespace

void tst_SummaryReport::drillAccuracyLines_data() {
    QTest::addColumn<double>("keys");
    QTest::addColumn<double>("errors");
    QTest::addColumn<QString>("shown");

    QTest::newRow("250 keys, 20 errors") << 250.0 << 20.0 << QStringLiteral("92%");
    QTest::newRow("no keys") << 0.0 << 0.0 << QStringLiteral("0%");
    QTest::newRow("errors only") << 4.0 << 4.0 << QStringLiteral("0%");
    QTest::newRow("two thirds round up") << 3.0 << 1.0 << QStringLiteral("67%");
    QTest::newRow("87.5 ties to even 88") << 8.0 << 1.0 << QStringLiteral("88%");
    QTest::newRow("98.5 ties to even 98") << 200.0 << 3.0 << QStringLiteral("98%");
    QTest::newRow("99.5 ties to even 100") << 200.0 << 1.0 << QStringLiteral("100%");
}

// The latest and the all-days figures come from their own fields: each case is put in one of
// them with a different figure in the other.
void tst_SummaryReport::drillAccuracyLines() {
    QFETCH(double, keys);
    QFETCH(double, errors);
    QFETCH(QString, shown);

    StudentRecord latest;
    latest.setFigure(kBegSessionKeys, keys);
    latest.setFigure(kBegSessionMisses, errors);
    latest.setFigure(kBegKeysTotal, 10);
    latest.setFigure(kBegMissesTotal, 5);
    const QStringList fromLatest = reportOf(latest);
    QCOMPARE(fromLatest.at(6), u"Accuracy Today or Last:           " + shown);
    QCOMPARE(fromLatest.at(7), QStringLiteral("Accuracy All Days:                50%"));

    StudentRecord allDays;
    allDays.setFigure(kBegKeysTotal, keys);
    allDays.setFigure(kBegMissesTotal, errors);
    allDays.setFigure(kBegSessionKeys, 10);
    allDays.setFigure(kBegSessionMisses, 1);
    const QStringList fromAllDays = reportOf(allDays);
    QCOMPARE(fromAllDays.at(6), QStringLiteral("Accuracy Today or Last:           90%"));
    QCOMPARE(fromAllDays.at(7), u"Accuracy All Days:                " + shown);
}

void tst_SummaryReport::slowestLetterLine_data() {
    QTest::addColumn<int>("recordSlowest");
    QTest::addColumn<QStringList>("lines");

    const QString ofSession = QStringLiteral("Slowest Letter Today or Last:     ");
    QTest::newRow("the record's letter") << int('k') << QStringList{ofSession + u'k'};
    QTest::newRow("none gives no line") << 0 << QStringList{};
    QTest::newRow("national letter") << 0xE9 << QStringList{ofSession + u'\u00e9'};
    QTest::newRow("Windows-1252 letter") << 0x9A << QStringList{ofSession + u'\u0161'};
}

void tst_SummaryReport::slowestLetterLine() {
    QFETCH(int, recordSlowest);
    QFETCH(QStringList, lines);

    StudentRecord record;
    record.setByte(kBegSlowestKey, static_cast<std::uint8_t>(recordSlowest));
    record.setI32(kBegBestTime, 23);
    const QStringList report = reportOf(record);

    QCOMPARE(linesStarting(report, QStringLiteral("Slowest Letter")), lines);
    // The best time follows directly, whether or not a slowest letter was written.
    const qsizetype best = report.indexOf(QStringLiteral("Best Time Today or Last (Seconds): 23"));
    QCOMPARE(best, 8 + lines.size());
}

void tst_SummaryReport::averageCountsOnlyShownFigures_data() {
    using Figures = std::array<std::int32_t, kWordSectionCount>;
    QTest::addColumn<Figures>("figures");
    QTest::addColumn<int>("average"); // -1: no average

    QTest::newRow("40, 0 and 30") << Figures{0, 40, 0, 0, 0, 30} << 35;
    QTest::newRow("one section") << Figures{17, 0, 0, 0, 0, 0} << 17;
    QTest::newRow("34.5 ties to even 34") << Figures{34, 35, 0, 0, 0, 0} << 34;
    QTest::newRow("35.5 ties to even 36") << Figures{0, 0, 35, 0, 36, 0} << 36;
    QTest::newRow("a third rounds down") << Figures{10, 10, 11, 0, 0, 0} << 10;
    QTest::newRow("all six") << Figures{1, 2, 3, 4, 5, 6} << 4; // 3.5
    QTest::newRow("all zero") << Figures{} << -1;
}

void tst_SummaryReport::averageCountsOnlyShownFigures() {
    using Figures = std::array<std::int32_t, kWordSectionCount>;
    QFETCH(Figures, figures);
    QFETCH(int, average);

    const std::optional<std::int32_t> got = averageOfShownFigures(figures);
    QCOMPARE(got.has_value(), average >= 0);
    if (got)
        QCOMPARE(*got, average);
}

void tst_SummaryReport::zeroSectionIsLeftOutOfTheSpeedAverage() {
    StudentRecord record;
    setLatest(record, Intermediate, {60, 200, 0}); // 40 words a minute, no errors
    setLatest(record, Advanced, {0, 150, 0});      // keys without time: adjusted WPM 0
    setLatest(record, Timed, {60, 150, 0});        // 30

    const QStringList report = reportOf(record);
    QCOMPARE(linesStarting(report, QStringLiteral("Average WPM (all Sections) for Today")),
             QStringList{QStringLiteral("Average WPM (all Sections) for Today or Last: 35")});
    // The keys without time still count for accuracy: 100% in all three.
    QCOMPARE(
        linesStarting(report, QStringLiteral("Average accuracy (all Sections)")),
        QStringList{QStringLiteral("Average accuracy (all Sections) for Today or Last: 100%")});
}

void tst_SummaryReport::onlyDrillsInUseGivesNoAverages() {
    StudentRecord record;
    record.setFigure(kBegSessionKeys, 250);
    record.setFigure(kBegSessionMisses, 20);
    record.setFigure(kBegKeysTotal, 900);
    record.setFigure(kBegMissesTotal, 90);
    record.setFigure(kBegSeconds, 600);

    const QStringList report = reportOf(record);
    QCOMPARE(report.size(), 10);
    QCOMPARE(report.last(), QStringLiteral(" "));
    QVERIFY(linesStarting(report, QStringLiteral("Average")).isEmpty());
}

// Only the latest speed average brings the heading: a student whose latest typing had no time
// gets the other averages straight after the blank line.
void tst_SummaryReport::averagesWithoutALatestSpeedHaveNoHeading() {
    StudentRecord record;
    setLatest(record, Lessons, {0, 100, 10});
    setAllDays(record, Lessons, {120, 400, 40}); // 40 WPM at 90%: 36

    const QStringList report = reportOf(record);
    const QStringList tail = report.mid(9);
    QCOMPARE(tail, (QStringList{
                       QStringLiteral(" "),
                       QStringLiteral("Average WPM (all Sections) for all of history: 36"),
                       QStringLiteral("Average accuracy (all Sections) for Today or Last: 90%"),
                       QStringLiteral("Average accuracy (all sections) for all history: 90%"),
                   }));
}

void tst_SummaryReport::wholeReportOfAPreparedRecord() {
    StudentRecord record;
    record.setFigure(kBegSessionKeys, 250);
    record.setFigure(kBegSessionMisses, 20);
    record.setFigure(kBegKeysTotal, 1000);
    record.setFigure(kBegMissesTotal, 55); // 94.5%
    record.setByte(kBegSlowestKey, 'J');
    record.setI32(kBegBestTime, 17);
    // Lessons: 2 minutes, 80 words, 95% correct.
    setLatest(record, Lessons, {120, 400, 20});
    setAllDays(record, Lessons, {600, 2000, 100});
    // Intermediate Drills: latest only, 40 WPM at 95%.
    setLatest(record, Intermediate, {60, 200, 10});
    // Timed Tests: 1.5 minutes for 50 words at 90%; all days 40 WPM at 96%.
    setLatest(record, Timed, {90, 250, 25});
    setAllDays(record, Timed, {300, 1000, 40});

    const QStringList report =
        summaryReportLines(record, {QStringLiteral("Maria Lopez"), QStringLiteral("3/14/24")});

    const QStringList expected = {
        QStringLiteral(" "),
        QStringLiteral("Student: Maria Lopez  Date: 3/14/24\r"),
        QStringLiteral(" "),
        QStringLiteral(" "),
        QStringLiteral("Beginners Drills:"),
        QStringLiteral("-----------------"),
        QStringLiteral("Accuracy Today or Last:           92%"),
        QStringLiteral("Accuracy All Days:                94%"),
        QStringLiteral("Slowest Letter Today or Last:     J"),
        QStringLiteral("Best Time Today or Last (Seconds): 17"),
        QStringLiteral(" "),
        QStringLiteral("  "),
        QStringLiteral("Average of All Sections:"),
        QStringLiteral("-----------------------"),
        QStringLiteral("Average WPM (all Sections) for Today or Last: 35"),
        QStringLiteral("Average WPM (all Sections) for all of history: 38"),
        QStringLiteral("Average accuracy (all Sections) for Today or Last: 93%"),
        QStringLiteral("Average accuracy (all sections) for all history: 96%"),
    };
    for (qsizetype i = 0; i < qMin(report.size(), expected.size()); ++i)
        QCOMPARE(report.at(i), expected.at(i));
    QCOMPARE(report.size(), expected.size());
}

QTEST_APPLESS_MAIN(tst_SummaryReport)
#include "tst_SummaryReport.moc"
