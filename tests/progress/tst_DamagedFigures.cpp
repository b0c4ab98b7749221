// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/OverallCharts.h"
#include "progress/SummaryReport.h"
#include "students/DailyRollover.h"
#include "students/FixedPoint.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <QTest>
#include <limits>

using namespace kf;

// Figures of a damaged student file that no real count reaches are shown as damaged, not as a
// number; real figures at the edges still show.
class tst_DamagedFigures : public QObject {
    Q_OBJECT

private slots:
    void drillsAccuracyShowsDamage_data();
    void drillsAccuracyShowsDamage();
    void arithmeticSaturates_data();
    void arithmeticSaturates();
};

void tst_DamagedFigures::drillsAccuracyShowsDamage_data() {
    QTest::addColumn<qint64>("keys"); // stored fixed-point figures
    QTest::addColumn<qint64>("errors");
    QTest::addColumn<QString>("shown");
    QTest::newRow("real") << qint64(2500000) << qint64(200000) << QStringLiteral("92");
    QTest::newRow("no keys") << qint64(0) << qint64(0) << QStringLiteral("0");
    QTest::newRow("all wrong") << qint64(10000) << qint64(10000) << QStringLiteral("0");
    QTest::newRow("key total near 2^63")
        << std::numeric_limits<qint64>::max() - 5 << qint64(0) << damagedFigureText();
    QTest::newRow("10,000,100 percent")
        << qint64(10000) << qint64(-1000000000) << damagedFigureText();
    QTest::newRow("more errors than keys") << qint64(10000) << qint64(20000) << damagedFigureText();
    QTest::newRow("negative keys") << qint64(-10000) << qint64(0) << damagedFigureText();
}

void tst_DamagedFigures::drillsAccuracyShowsDamage() {
    QFETCH(qint64, keys);
    QFETCH(qint64, errors);
    QFETCH(QString, shown);
    StudentRecord record;
    record.applyCreateDefaults();
    record.setI64(layout::kBegKeysTotal, keys);
    record.setI64(layout::kBegKeysTotal + 8, errors);

    const OverallChart chart =
        overallAccuracyChart(record, Section::BeginnersDrills, {}, OverallPeriod::AllDays, {});
    QCOMPARE(chart.correctPercentText.value_or(QString()), shown);
    QCOMPARE(chart.chart.bars.size(), 1);
    QVERIFY(chart.chart.bars.first().value >= 0 && chart.chart.bars.first().value <= 100);

    const QStringList report = summaryReportLines(record, {QStringLiteral("Ann"), {}});
    const QString percent = shown == damagedFigureText() ? shown : shown + u'%';
    QVERIFY2(report.contains(QStringLiteral("Accuracy All Days:                ") + percent),
             qPrintable(report.join(u'|')));
}

void tst_DamagedFigures::arithmeticSaturates_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<int>("whole");
    constexpr auto most64 = std::numeric_limits<qint64>::max();
    constexpr auto least64 = std::numeric_limits<qint64>::min();
    constexpr auto most32 = std::numeric_limits<int>::max();
    constexpr auto least32 = std::numeric_limits<int>::min();
    QTest::newRow("ordinary") << 2.5 << qint64(25000) << 2;
    QTest::newRow("past both ends") << 1e30 << most64 << most32;
    QTest::newRow("below both ends") << -1e30 << least64 << least32;
    QTest::newRow("past a history's end only") << 1e12 << qint64(1e16) << most32;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << qint64(0) << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << most64 << most32;
}

// A quotient of damaged figures stops at the ends of the stored range instead of overflowing.
void tst_DamagedFigures::arithmeticSaturates() {
    QFETCH(double, value);
    QFETCH(qint64, stored);
    QFETCH(int, whole);
    QCOMPARE(toFixedPoint(value), stored);
    QCOMPARE(roundHalfEven(value), whole);
}

QTEST_GUILESS_MAIN(tst_DamagedFigures)
#include "tst_DamagedFigures.moc"
