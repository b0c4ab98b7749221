// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/Windows1252.h"
#include "progress/KeyCharts.h"
#include "progress/OverallCharts.h"
#include "progress/SectionSelector.h"
#include "progress/ShiftErrorsDisplay.h"
#include "students/FixedPoint.h"
#include "students/StudentRecord.h"

#include <QTest>
#include <limits>

using namespace kf;

Q_DECLARE_METATYPE(kf::BarGroup)
Q_DECLARE_METATYPE(kf::KeyGroup)
Q_DECLARE_METATYPE(kf::OverallPeriod)
Q_DECLARE_METATYPE(kf::ShiftErrorsMoment)
Q_DECLARE_METATYPE(kf::Section)

class tst_ChartData : public QObject {
    Q_OBJECT

private slots:
    void todayOrLastShowsLatestUntilTheFirstScoredKey_data();
    void todayOrLastShowsLatestUntilTheFirstScoredKey();
    void typingHistoryReadsTheAllDaysArrays();
    void accuracyBarsAreWholePercents_data();
    void accuracyBarsAreWholePercents();
    void keyGroupsHaveTheirLabelsAndColours_data();
    void keyGroupsHaveTheirLabelsAndColours();
    void numbersAreTenBlueBarsOneToNineThenZero();
    void keyChartTitlesNameTheStudentAndDate();
    void overallAccuracyTodayPrefersTheSession_data();
    void overallAccuracyTodayPrefersTheSession();
    void overallAccuracyAllDays();
    void pastEightDaysIsAlwaysEightBarsLatestFirst_data();
    void pastEightDaysIsAlwaysEightBarsLatestFirst();
    void wpmSectionsReadTheirOwnFields_data();
    void wpmSectionsReadTheirOwnFields();
    void adjustedWpmFigures_data();
    void adjustedWpmFigures();
    void percentCorrectFigures_data();
    void percentCorrectFigures();
    void beginnersDrillsHaveNoWpmChart_data();
    void beginnersDrillsHaveNoWpmChart();
    void overallTitlesLeaveEmptyLinesUnderTheText();
    void sectionSelectorValues();
    void damagedFiguresSaturate();
    void shiftErrorsDisplay_data();
    void shiftErrorsDisplay();
};

namespace {

const ChartHeading kHeading{QStringLiteral("Maria"), QStringLiteral("07/12/2026")};

std::int64_t stored(long double value) {
    return toFixedPoint(value);
}

// Where each section keeps its figures, written out from the record's published layout
// rather than taken from the code under test.
struct SectionOffsets {
    int selector;
    std::size_t allSeconds, allKeys, allErrors;
    std::size_t percentHistory, adjustedHistory;
    std::size_t latestSeconds, latestKeys, latestErrors;
};
const SectionOffsets kWpmSections[] = {
    {999, 4904, 4912, 4920, 9728, 9760, 13024, 13032, 13040},
    {2, 37344, 37352, 37360, 42168, 42200, 45464, 45472, 45480},
    {3, 50392, 50400, 50408, 55216, 55248, 58512, 58520, 58528},
    {4, 63440, 63448, 63456, 68264, 68296, 71560, 71568, 71576},
    {5, 76448, 76456, 76464, 81272, 81304, 84568, 84576, 84584},
    {6, 89448, 89456, 89464, 94272, 94304, 97568, 97576, 97584},
};

// Beginners Drills fields.
constexpr std::size_t kDrillKeysAllDays = 13096;
constexpr std::size_t kDrillErrorsAllDays = 13104;
constexpr std::size_t kDrillKeysLatest = 13120;
constexpr std::size_t kDrillErrorsLatest = 13128;
constexpr std::size_t kDrillAccuracyLatest = 13136;
constexpr std::size_t kDrillSpeedLatest = 17936;
constexpr std::size_t kDrillAccuracyAllDays = 22736;
constexpr std::size_t kDrillSpeedAllDays = 27536;
constexpr std::size_t kDrillPercentHistory = 32344;

void setPerKey(StudentRecord& record, std::size_t array, int index, long double value) {
    record.setI64(array + std::size_t(index - 1) * 8, stored(value));
}

Section section(int selector) {
    const std::optional<Section> s = sectionOfSelector(selector);
    if (!s)
        qFatal("no section for selector %d", selector);
    return *s;
}

QString character(unsigned char windows1252) {
    return QString(fromWindows1252(windows1252));
}

} // namespace

void tst_ChartData::todayOrLastShowsLatestUntilTheFirstScoredKey_data() {
    QTest::addColumn<bool>("speed");
    QTest::addColumn<double>("latestValue");
    QTest::addColumn<double>("latestBar");
    QTest::addColumn<double>("sessionValue");
    QTest::addColumn<double>("sessionBar");
    QTest::newRow("key speed") << true << 1.25 << 1.25 << 0.7143 << 0.7143;
    QTest::newRow("key accuracy") << false << 0.75 << 75.0 << 0.5 << 50.0;
    // A session whose only key was a miss has accuracies of 0 only; it is still today's.
    QTest::newRow("key accuracy after a miss") << false << 0.75 << 75.0 << 0.0 << 0.0;
}

void tst_ChartData::todayOrLastShowsLatestUntilTheFirstScoredKey() {
    QFETCH(bool, speed);
    QFETCH(double, latestValue);
    QFETCH(double, latestBar);
    QFETCH(double, sessionValue);
    QFETCH(double, sessionBar);

    // The latest session typed A (index 1) and S (index 2); this session nothing yet.
    StudentRecord record;
    const std::size_t latest = speed ? kDrillSpeedLatest : kDrillAccuracyLatest;
    setPerKey(record, latest, 1, latestValue);
    setPerKey(record, latest, 2, latestValue);
    DrillSessionFigures session;
    const auto build = [&] {
        return speed ? keySpeedChart(record, session, KeyPeriod::TodayOrLast,
                                     KeyGroup::LettersAndPunctuation, kHeading)
                     : keyAccuracyChart(record, session, KeyPeriod::TodayOrLast,
                                        KeyGroup::LettersAndPunctuation, kHeading);
    };
    // Books one scored press of an index into the session, as the drill engine does.
    const auto score = [&](int index) {
        if (speed) {
            session.timedPresses[index] = stored(1);
            session.averageSeconds[index] = stored(sessionValue);
        } else {
            session.presented[index] = stored(1);
            session.accuracy[index] = stored(sessionValue);
        }
    };

    ChartDescription chart = build();
    QCOMPARE(chart.bars.size(), 37);
    QCOMPARE(chart.bars[0].value, latestBar);
    QCOMPARE(chart.bars[1].value, latestBar);

    // One scored key of this session (S): the session's figures replace the latest ones,
    // and A, not typed today, falls to 0.
    score(2);
    chart = build();
    QCOMPARE(chart.bars[0].value, 0.0);
    QCOMPARE(chart.bars[1].value, sessionBar);

    // A key scored outside the charted group still counts as typing today.
    session = DrillSessionFigures{};
    score(100);
    chart = build();
    QCOMPARE(chart.bars[0].value, 0.0);
}

void tst_ChartData::typingHistoryReadsTheAllDaysArrays() {
    StudentRecord record;
    setPerKey(record, kDrillSpeedAllDays, 38, 2.5);
    setPerKey(record, kDrillAccuracyAllDays, 38, 0.9);
    setPerKey(record, kDrillSpeedLatest, 38, 1.0);
    setPerKey(record, kDrillAccuracyLatest, 38, 0.1);
    DrillSessionFigures session;
    session.averageSeconds[38] = stored(0.3);
    session.timedPresses[38] = stored(1);
    session.accuracy[38] = stored(1);
    session.presented[38] = stored(1);

    const ChartDescription speed =
        keySpeedChart(record, session, KeyPeriod::TypingHistory, KeyGroup::Numbers, kHeading);
    QCOMPARE(speed.bars[0].value, 2.5);
    const ChartDescription accuracy =
        keyAccuracyChart(record, session, KeyPeriod::TypingHistory, KeyGroup::Numbers, kHeading);
    QCOMPARE(accuracy.bars[0].value, 90.0);
}

void tst_ChartData::accuracyBarsAreWholePercents_data() {
    QTest::addColumn<qint64>("fraction");
    QTest::addColumn<double>("bar");
    QTest::newRow("0.996") << qint64(9960) << 100.0;
    QTest::newRow("0.5") << qint64(5000) << 50.0;
    QTest::newRow("0.05") << qint64(500) << 5.0;
    QTest::newRow("1") << qint64(10000) << 100.0;
    QTest::newRow("0") << qint64(0) << 0.0;
    QTest::newRow("0.9949") << qint64(9949) << 99.0;
    QTest::newRow("0.995 goes to the even 100") << qint64(9950) << 100.0;
    QTest::newRow("0.985 goes to the even 98") << qint64(9850) << 98.0;
    QTest::newRow("0.3333") << qint64(3333) << 33.0;
}

void tst_ChartData::accuracyBarsAreWholePercents() {
    QFETCH(qint64, fraction);
    QFETCH(double, bar);
    StudentRecord record;
    record.setI64(kDrillAccuracyAllDays + std::size_t(8 * 4), fraction); // index 5, G
    const ChartDescription chart =
        keyAccuracyChart(record, DrillSessionFigures{}, KeyPeriod::TypingHistory,
                         KeyGroup::LettersAndPunctuation, kHeading);
    QCOMPARE(chart.bars[4].label, QStringLiteral("G"));
    QCOMPARE(chart.bars[4].value, bar);
}

void tst_ChartData::keyGroupsHaveTheirLabelsAndColours_data() {
    QTest::addColumn<KeyGroup>("group");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("label");
    QTest::addColumn<BarGroup>("colour");

    const auto row = [](const char* name, KeyGroup g, int count, int position, const QString& label,
                        BarGroup colour) {
        QTest::newRow(name) << g << count << position << label << colour;
    };
    const KeyGroup letters = KeyGroup::LettersAndPunctuation;
    row("A, home row", letters, 37, 0, QStringLiteral("A"), BarGroup::Red);
    row("; ends the home row", letters, 37, 9, QStringLiteral(";"), BarGroup::Red);
    row("Q, top row", letters, 37, 10, QStringLiteral("Q"), BarGroup::Green);
    row("P ends the top row", letters, 37, 19, QStringLiteral("P"), BarGroup::Green);
    row("Z, bottom row", letters, 37, 20, QStringLiteral("Z"), BarGroup::Blue);
    row("M", letters, 37, 26, QStringLiteral("M"), BarGroup::Blue);
    row("comma, bottom row", letters, 37, 27, QStringLiteral(","), BarGroup::Blue);
    row("full stop ends the bottom row", letters, 37, 28, QStringLiteral("."), BarGroup::Blue);
    row("hyphen, punctuation", letters, 37, 29, QStringLiteral("-"), BarGroup::Purple);
    row("colon ends the punctuation", letters, 37, 36, QStringLiteral(":"), BarGroup::Purple);
    row("backquote starts the symbols", KeyGroup::Symbols, 21, 0, QStringLiteral("`"),
        BarGroup::Red);
    row("slash ends the symbols", KeyGroup::Symbols, 21, 20, QStringLiteral("/"), BarGroup::Red);
    row("a acute", KeyGroup::InternationalKeys, 40, 0, character(0xE1), BarGroup::Green);
    row("capital U acute", KeyGroup::InternationalKeys, 40, 14, character(0xDA), BarGroup::Green);
    row("n tilde ends the green keys", KeyGroup::InternationalKeys, 40, 23, character(0xF1),
        BarGroup::Green);
    row("masculine ordinal", KeyGroup::InternationalKeys, 40, 24, character(0xBA),
        BarGroup::Purple);
    row("small c cedilla", KeyGroup::InternationalKeys, 40, 30, character(0xE7), BarGroup::Purple);
    row("capital C cedilla", KeyGroup::InternationalKeys, 40, 31, character(0xC7),
        BarGroup::Purple);
    row("currency sign is last", KeyGroup::InternationalKeys, 40, 39, character(0xA4),
        BarGroup::Purple);
}

void tst_ChartData::keyGroupsHaveTheirLabelsAndColours() {
    QFETCH(KeyGroup, group);
    QFETCH(int, count);
    QFETCH(int, position);
    QFETCH(QString, label);
    QFETCH(BarGroup, colour);
    const ChartDescription chart = keySpeedChart(StudentRecord(), DrillSessionFigures{},
                                                 KeyPeriod::TodayOrLast, group, kHeading);
    QCOMPARE(chart.kind, ChartKind::KeySpeed);
    QCOMPARE(chart.bars.size(), count);
    QCOMPARE(chart.bars[position].label, label);
    QCOMPARE(chart.bars[position].group, colour);
    QCOMPARE(chart.bars[position].value, 0.0);
}

void tst_ChartData::numbersAreTenBlueBarsOneToNineThenZero() {
    StudentRecord record;
    for (int i = 38; i <= 47; ++i)
        setPerKey(record, kDrillAccuracyAllDays, i, (i - 37) / 100.0L);
    const ChartDescription chart = keyAccuracyChart(
        record, DrillSessionFigures{}, KeyPeriod::TypingHistory, KeyGroup::Numbers, kHeading);
    QStringList labels;
    for (const ChartBar& bar : chart.bars) {
        labels.append(bar.label);
        QCOMPARE(bar.group, BarGroup::Blue);
    }
    QCOMPARE(labels.join(QString()), QStringLiteral("1234567890"));
    QCOMPARE(chart.bars.first().value, 1.0);
    QCOMPARE(chart.bars.last().value, 10.0);
}

void tst_ChartData::keyChartTitlesNameTheStudentAndDate() {
    const StudentRecord record;
    const KeyGroup g = KeyGroup::Symbols;
    QCOMPARE(keySpeedChart(record, DrillSessionFigures{}, KeyPeriod::TodayOrLast, g, kHeading)
                 .titleLines,
             QStringList{
                 QStringLiteral("Key Speed in Seconds (today or latest) -- Maria -- 07/12/2026")});
    QCOMPARE(keySpeedChart(record, DrillSessionFigures{}, KeyPeriod::TypingHistory, g, kHeading)
                 .titleLines,
             QStringList{QStringLiteral("Key Speed in Seconds (all days) -- Maria -- 07/12/2026")});
    QCOMPARE(
        keyAccuracyChart(record, DrillSessionFigures{}, KeyPeriod::TodayOrLast, g, kHeading)
            .titleLines,
        QStringList{QStringLiteral("Percent Correct (today or latest) -- Maria -- 07/12/2026")});
    QCOMPARE(keyAccuracyChart(record, DrillSessionFigures{}, KeyPeriod::TypingHistory, g, kHeading)
                 .titleLines,
             QStringList{QStringLiteral("Percent Correct (all days) -- Maria -- 07/12/2026")});
}

void tst_ChartData::overallAccuracyTodayPrefersTheSession_data() {
    QTest::addColumn<double>("sessionKeys");
    QTest::addColumn<double>("sessionErrors");
    QTest::addColumn<double>("bar");
    QTest::addColumn<QString>("panel");
    // The record's latest session: 250 keys, 20 errors.
    QTest::newRow("nothing typed this session") << 0.0 << 0.0 << 92.0 << QStringLiteral("92");
    QTest::newRow("typed this session") << 10.0 << 1.0 << 90.0 << QStringLiteral("90");
    // Never the figure shown before: a session of errors alone shows its 0.
    QTest::newRow("errors alone count as typed") << 0.0 << 3.0 << 0.0 << QStringLiteral("0");
    QTest::newRow("one in three wrong") << 3.0 << 1.0 << 67.0 << QStringLiteral("67");
}

void tst_ChartData::overallAccuracyTodayPrefersTheSession() {
    QFETCH(double, sessionKeys);
    QFETCH(double, sessionErrors);
    QFETCH(double, bar);
    QFETCH(QString, panel);
    StudentRecord record;
    record.setI64(kDrillKeysLatest, stored(250));
    record.setI64(kDrillErrorsLatest, stored(20));
    const SectionUsage::WorkingTotals session{0, stored(sessionKeys), stored(sessionErrors)};
    const OverallChart out = overallAccuracyChart(record, Section::BeginnersDrills, session,
                                                  OverallPeriod::TodayOrLast, kHeading);
    QCOMPARE(out.chart.kind, ChartKind::OverallAccuracy);
    QCOMPARE(out.chart.bars.size(), 1);
    QCOMPARE(out.chart.bars[0].value, bar);
    QCOMPARE(out.chart.bars[0].group, BarGroup::Red);
    QCOMPARE(out.correctPercentText.value_or(QStringLiteral("-")), panel);
    QCOMPARE(out.wpmText, std::optional<QString>(QStringLiteral("N/A")));
}

void tst_ChartData::overallAccuracyAllDays() {
    StudentRecord record;
    record.setI64(kDrillKeysAllDays, stored(1000));
    record.setI64(kDrillErrorsAllDays, stored(125));
    record.setI64(kDrillKeysLatest, stored(10));
    const SectionUsage::WorkingTotals session{0, stored(5), stored(5)};
    OverallChart out = overallAccuracyChart(record, Section::BeginnersDrills, session,
                                            OverallPeriod::AllDays, kHeading);
    QCOMPARE(out.chart.bars.size(), 1);
    QCOMPARE(out.chart.bars[0].value, 88.0); // 87.5 goes to the even 88
    QCOMPARE(out.correctPercentText, std::optional<QString>(QStringLiteral("88")));

    // Without keys the bar is 0 and the panel still shows it.
    out = overallAccuracyChart(StudentRecord(), Section::BeginnersDrills, session,
                               OverallPeriod::AllDays, kHeading);
    QCOMPARE(out.chart.bars[0].value, 0.0);
    QCOMPARE(out.correctPercentText, std::optional<QString>(QStringLiteral("0")));
}

void tst_ChartData::pastEightDaysIsAlwaysEightBarsLatestFirst_data() {
    QTest::addColumn<int>("selector");
    QTest::addColumn<bool>("wpm");
    QTest::addColumn<qulonglong>("history");
    QTest::newRow("drills percent correct") << 0 << false << qulonglong(kDrillPercentHistory);
    QTest::newRow("drills with an empty history") << 0 << false << qulonglong(0);
    for (const SectionOffsets& s : kWpmSections) {
        QTest::addRow("percent correct, section %d", s.selector)
            << s.selector << false << qulonglong(s.percentHistory);
        QTest::addRow("adjusted WPM, section %d", s.selector)
            << s.selector << true << qulonglong(s.adjustedHistory);
    }
}

void tst_ChartData::pastEightDaysIsAlwaysEightBarsLatestFirst() {
    QFETCH(int, selector);
    QFETCH(bool, wpm);
    QFETCH(qulonglong, history);
    const std::int32_t entries[8] = {91, 0, 85, 70, 0, 0, 66, 40};
    StudentRecord record;
    if (history != 0)
        for (int i = 0; i < 8; ++i)
            record.setI32(std::size_t(history) + std::size_t(i) * 4, entries[i]);
    const SectionUsage::WorkingTotals session{stored(60), stored(100), stored(1)};

    const OverallChart out = wpm ? adjustedWpmChart(record, section(selector), session,
                                                    OverallPeriod::PastEightDays, kHeading)
                                 : overallAccuracyChart(record, section(selector), session,
                                                        OverallPeriod::PastEightDays, kHeading);
    QCOMPARE(out.chart.bars.size(), 8);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(out.chart.bars[i].value, history != 0 ? double(entries[i]) : 0.0);
        QCOMPARE(out.chart.bars[i].group, BarGroup::Green);
        QVERIFY(out.chart.bars[i].label.isEmpty());
    }
    QVERIFY(!out.correctPercentText.has_value());
    if (wpm)
        QCOMPARE(out.wpmText, std::optional<QString>(QStringLiteral("N/A")));
}

void tst_ChartData::wpmSectionsReadTheirOwnFields_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kWpmSections)); ++i)
        QTest::addRow("selector %d", kWpmSections[i].selector) << i;
}

void tst_ChartData::wpmSectionsReadTheirOwnFields() {
    QFETCH(int, index);
    const SectionOffsets& s = kWpmSections[index];
    StudentRecord record;
    // Latest session: 600 keys, 30 errors in 300 seconds: 24 WPM x 0.95 = 22.8, so 23; 95 %.
    record.setI64(s.latestSeconds, stored(300));
    record.setI64(s.latestKeys, stored(600));
    record.setI64(s.latestErrors, stored(30));
    // All days: 63 keys, 30 errors in 72 seconds: 1.2 minutes, 10.5 WPM, accuracy 0.5238
    // (stored), so 5.4999 gives 5 where unrounded figures would give 5.5 and then 6; 52 %.
    record.setI64(s.allSeconds, stored(72));
    record.setI64(s.allKeys, stored(63));
    record.setI64(s.allErrors, stored(30));
    const Section sec = section(s.selector);
    const SectionUsage::WorkingTotals none{};

    OverallChart wpm = adjustedWpmChart(record, sec, none, OverallPeriod::TodayOrLast, kHeading);
    QCOMPARE(wpm.chart.bars.size(), 1);
    QCOMPARE(wpm.chart.bars[0].value, 23.0);
    QCOMPARE(wpm.wpmText, std::optional<QString>(QStringLiteral("23")));
    wpm = adjustedWpmChart(record, sec, none, OverallPeriod::AllDays, kHeading);
    QCOMPARE(wpm.chart.bars[0].value, 5.0);
    QCOMPARE(wpm.wpmText, std::optional<QString>(QStringLiteral("5")));

    OverallChart accuracy =
        overallAccuracyChart(record, sec, none, OverallPeriod::TodayOrLast, kHeading);
    QCOMPARE(accuracy.chart.bars[0].value, 95.0);
    QVERIFY(!accuracy.wpmText.has_value());
    accuracy = overallAccuracyChart(record, sec, none, OverallPeriod::AllDays, kHeading);
    QCOMPARE(accuracy.chart.bars[0].value, 52.0);

    // This session's working totals: 596 keys, 24 errors in 37 seconds. Minutes 0.6167,
    // 193.2868 WPM, accuracy 0.9597: 185.4973, so 185 (186 without the stored roundings).
    const SectionUsage::WorkingTotals session{stored(37), stored(596), stored(24)};
    wpm = adjustedWpmChart(record, sec, session, OverallPeriod::TodayOrLast, kHeading);
    QCOMPARE(wpm.chart.bars[0].value, 185.0);
    accuracy = overallAccuracyChart(record, sec, session, OverallPeriod::TodayOrLast, kHeading);
    QCOMPARE(accuracy.chart.bars[0].value, 96.0);
    QCOMPARE(accuracy.correctPercentText, std::optional<QString>(QStringLiteral("96")));

    // Time alone makes the session count for words per minute: 0 keys give 0.
    wpm = adjustedWpmChart(record, sec, {stored(5), 0, 0}, OverallPeriod::TodayOrLast, kHeading);
    QCOMPARE(wpm.chart.bars[0].value, 0.0);
    QCOMPARE(wpm.wpmText, std::optional<QString>(QStringLiteral("0")));
    // ... but not for percent correct, which then shows the latest session's.
    accuracy =
        overallAccuracyChart(record, sec, {stored(5), 0, 0}, OverallPeriod::TodayOrLast, kHeading);
    QCOMPARE(accuracy.chart.bars[0].value, 95.0);
}

void tst_ChartData::adjustedWpmFigures_data() {
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("keys");
    QTest::addColumn<double>("errors");
    QTest::addColumn<int>("adjusted");
    QTest::newRow("600 keys, 30 errors, 5 minutes") << 300.0 << 600.0 << 30.0 << 23;
    QTest::newRow("stored accuracy 0.5238 rounds down") << 72.0 << 63.0 << 30.0 << 5;
    QTest::newRow("stored accuracy 0.4286 rounds up") << 72.0 << 63.0 << 36.0 << 5;
    QTest::newRow("stored minutes 0.6167") << 37.0 << 648.0 << 39.0 << 197;
    QTest::newRow("2.5 goes to the even 2") << 120.0 << 50.0 << 25.0 << 2;
    QTest::newRow("3.5 goes to the even 4") << 120.0 << 70.0 << 35.0 << 4;
    QTest::newRow("keys without time") << 0.0 << 100.0 << 5.0 << 0;
    QTest::newRow("time without keys") << 60.0 << 0.0 << 0.0 << 0;
    QTest::newRow("all wrong") << 60.0 << 50.0 << 50.0 << 0;
}

void tst_ChartData::adjustedWpmFigures() {
    QFETCH(double, seconds);
    QFETCH(double, keys);
    QFETCH(double, errors);
    QFETCH(int, adjusted);
    // All days of the timed tests, and the same as this session's working totals.
    StudentRecord record;
    record.setI64(89448, stored(seconds));
    record.setI64(89456, stored(keys));
    record.setI64(89464, stored(errors));
    OverallChart out =
        adjustedWpmChart(record, Section::TimedTests, {}, OverallPeriod::AllDays, kHeading);
    QCOMPARE(out.chart.bars[0].value, double(adjusted));
    const SectionUsage::WorkingTotals session{stored(seconds), stored(keys), stored(errors)};
    out = adjustedWpmChart(StudentRecord(), Section::TimedTests, session,
                           OverallPeriod::TodayOrLast, kHeading);
    QCOMPARE(out.chart.bars[0].value, double(adjusted));
}

void tst_ChartData::percentCorrectFigures_data() {
    QTest::addColumn<double>("keys");
    QTest::addColumn<double>("errors");
    QTest::addColumn<int>("percent");
    QTest::newRow("250 keys, 20 errors") << 250.0 << 20.0 << 92;
    QTest::newRow("87.5 goes to the even 88") << 8.0 << 1.0 << 88;
    QTest::newRow("62.5 goes to the even 62") << 8.0 << 3.0 << 62;
    QTest::newRow("no keys") << 0.0 << 0.0 << 0;
    QTest::newRow("no errors") << 7.0 << 0.0 << 100;
}

void tst_ChartData::percentCorrectFigures() {
    QFETCH(double, keys);
    QFETCH(double, errors);
    QFETCH(int, percent);
    // The drills' all days.
    StudentRecord record;
    record.setI64(kDrillKeysAllDays, stored(keys));
    record.setI64(kDrillErrorsAllDays, stored(errors));
    const OverallChart out = overallAccuracyChart(record, Section::BeginnersDrills, {},
                                                  OverallPeriod::AllDays, kHeading);
    QCOMPARE(out.chart.bars[0].value, double(percent));
    QCOMPARE(out.correctPercentText, std::optional<QString>(QString::number(percent)));
}

void tst_ChartData::beginnersDrillsHaveNoWpmChart_data() {
    QTest::addColumn<OverallPeriod>("period");
    QTest::newRow("today or last") << OverallPeriod::TodayOrLast;
    QTest::newRow("past 8 days") << OverallPeriod::PastEightDays;
    QTest::newRow("all days") << OverallPeriod::AllDays;
}

void tst_ChartData::beginnersDrillsHaveNoWpmChart() {
    QFETCH(OverallPeriod, period);
    StudentRecord record;
    record.setI64(13088, stored(600)); // drill seconds and keys that could make a figure
    record.setI64(kDrillKeysAllDays, stored(500));
    record.setI64(kDrillKeysLatest, stored(500));
    const SectionUsage::WorkingTotals session{stored(60), stored(100), 0};
    const OverallChart out =
        adjustedWpmChart(record, Section::BeginnersDrills, session, period, kHeading);
    QCOMPARE(out.chart.kind, ChartKind::AdjustedWpm);
    QCOMPARE(out.chart.titleLines,
             QStringList{QStringLiteral("NO WORDS PER MINUTE CHART FOR BEGINNER'S DRILLS")});
    for (const ChartBar& bar : out.chart.bars)
        QCOMPARE(bar.value, 0.0);
    QCOMPARE(out.wpmText, std::optional<QString>(QStringLiteral("N/A")));
}

void tst_ChartData::overallTitlesLeaveEmptyLinesUnderTheText() {
    const StudentRecord record;
    const OverallChart accuracy =
        overallAccuracyChart(record, Section::Lessons, {}, OverallPeriod::PastEightDays, kHeading);
    QCOMPARE(accuracy.chart.titleLines,
             (QStringList{QStringLiteral("Percent Correct (past 8 days) -- Maria -- 07/12/2026"),
                          QString(), QString(), QString()}));
    const OverallChart wpm =
        adjustedWpmChart(record, Section::TimedTests, {}, OverallPeriod::AllDays, kHeading);
    QCOMPARE(wpm.chart.titleLines,
             (QStringList{QStringLiteral("Adjusted WPM (all days) -- Maria -- 07/12/2026"),
                          QString(), QString()}));
    QCOMPARE(overallAccuracyChart(record, Section::BeginnersDrills, {}, OverallPeriod::TodayOrLast,
                                  kHeading)
                 .chart.titleLines.first(),
             QStringLiteral("Percent Correct (today or last) -- Maria -- 07/12/2026"));
}

void tst_ChartData::sectionSelectorValues() {
    const std::pair<int, Section> known[] = {
        {999, Section::Lessons},          {0, Section::BeginnersDrills},
        {2, Section::IntermediateDrills}, {3, Section::AdvancedDrills},
        {4, Section::LetterGame},         {5, Section::TenLineTests},
        {6, Section::TimedTests},
    };
    for (const auto& [selector, sec] : known)
        QCOMPARE(sectionOfSelector(selector), std::optional<Section>(sec));
    for (int unknown : {1, 7, -1, 998, 1000})
        QVERIFY(!sectionOfSelector(unknown).has_value());
}

void tst_ChartData::damagedFiguresSaturate() {
    // A student file can hold any bytes; a per-key figure far out of range must not overflow.
    StudentRecord record;
    record.setI64(kDrillAccuracyAllDays, std::numeric_limits<std::int64_t>::max());
    record.setI64(kDrillAccuracyAllDays + 8, std::numeric_limits<std::int64_t>::min());
    const ChartDescription chart =
        keyAccuracyChart(record, DrillSessionFigures{}, KeyPeriod::TypingHistory,
                         KeyGroup::LettersAndPunctuation, kHeading);
    QCOMPARE(chart.bars[0].value, double(std::numeric_limits<std::int32_t>::max()));
    QCOMPARE(chart.bars[1].value, double(std::numeric_limits<std::int32_t>::min()));
}

void tst_ChartData::shiftErrorsDisplay_data() {
    QTest::addColumn<ShiftErrorsMoment>("moment");
    QTest::addColumn<Section>("section");
    QTest::addColumn<bool>("keyPage");
    QTest::addColumn<bool>("history"); // the per-key period is the typing history
    QTest::addColumn<int>("visible");  // -1: left as it is
    QTest::addColumn<bool>("refill");
    using M = ShiftErrorsMoment;
    const auto row = [](const char* name, M moment, Section section, bool keyPage, bool history,
                        int visible, bool refill) {
        QTest::newRow(name) << moment << section << keyPage << history << visible << refill;
    };
    const Section lessons = Section::Lessons;
    const Section beginners = Section::BeginnersDrills;
    row("accuracy drawn, lessons", M::KeyAccuracyDrawn, lessons, true, false, -1, false);
    row("accuracy drawn, beginners", M::KeyAccuracyDrawn, beginners, true, false, 0, false);
    row("redrawn on key page, lessons", M::ChartsRedrawn, lessons, true, false, 1, true);
    row("redrawn on key page, beginners", M::ChartsRedrawn, beginners, true, false, 0, false);
    row("redrawn on overall page, lessons", M::ChartsRedrawn, lessons, false, false, -1, false);
    row("redrawn on overall page, intermediate", M::ChartsRedrawn, Section::IntermediateDrills,
        false, false, 0, false);
    row("page changed to overall", M::PageChanged, beginners, false, false, -1, false);
    row("page changed to key, lessons", M::PageChanged, lessons, true, true, 1, true);
    row("section chosen on overall page, lessons", M::KeySectionChosen, lessons, false, false, 1,
        false);
    row("section chosen on overall page, timed tests", M::KeySectionChosen, Section::TimedTests,
        false, false, 0, false);
    row("section chosen on key page, beginners", M::KeySectionChosen, beginners, true, false, 0,
        false);
    // Opening the switch-user panel shows them for any section but the drills', unread.
    row("switch panel opened, beginners", M::SwitchUserOpened, beginners, true, false, 0, false);
    row("switch panel opened, intermediate", M::SwitchUserOpened, Section::IntermediateDrills, true,
        false, 1, false);
    row("viewed from switch panel, beginners, key page", M::ViewedFromSwitchUser, beginners, true,
        false, 0, false);
    row("viewed from switch panel, beginners, overall page", M::ViewedFromSwitchUser, beginners,
        false, false, 1, true);
    row("viewed from switch panel, advanced, key page", M::ViewedFromSwitchUser,
        Section::AdvancedDrills, true, true, 1, true);
    // From the report's list with today's figures they are read again, shown with the lessons.
    row("viewed from report, today, beginners", M::ViewedFromReport, beginners, false, false, 0,
        true);
    row("viewed from report, today, lessons", M::ViewedFromReport, lessons, false, false, 1, true);
    row("viewed from report, history, lessons, key page", M::ViewedFromReport, lessons, true, true,
        1, true);
    row("viewed from report, history, lessons, overall page", M::ViewedFromReport, lessons, false,
        true, -1, false);
}

void tst_ChartData::shiftErrorsDisplay() {
    QFETCH(ShiftErrorsMoment, moment);
    QFETCH(Section, section);
    QFETCH(bool, keyPage);
    QFETCH(bool, history);
    QFETCH(int, visible);
    QFETCH(bool, refill);
    const ShiftErrorsDisplay display = kf::shiftErrorsDisplay(
        moment, section, keyPage ? ChartsPage::IndividualKeyCharts : ChartsPage::OverallStatistics,
        history ? KeyPeriod::TypingHistory : KeyPeriod::TodayOrLast);
    QCOMPARE(display.visible.has_value(), visible >= 0);
    if (visible >= 0)
        QCOMPARE(*display.visible, visible == 1);
    QCOMPARE(display.refill, refill);
}

QTEST_GUILESS_MAIN(tst_ChartData)
#include "tst_ChartData.moc"
