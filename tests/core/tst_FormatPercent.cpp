// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FormatPercent.h"

#include <QTest>

// The percent the drill's statistics panel shows: two digits, ties rounded up.
class tst_FormatPercent : public QObject {
    Q_OBJECT

private slots:
    void shownPercent_data();
    void shownPercent();
};

void tst_FormatPercent::shownPercent_data() {
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("shown");
    QTest::newRow("70") << 7 << 10 << QStringLiteral("70%");
    QTest::newRow("one hit in 30") << 1 << 30 << QStringLiteral("03%");
    QTest::newRow("0.4 percent") << 4 << 1000 << QStringLiteral("00%");
    QTest::newRow("0.3 percent") << 3 << 1000 << QStringLiteral("00%");
    QTest::newRow("99.6 percent") << 249 << 250 << QStringLiteral("100%");
    QTest::newRow("99.4 percent") << 994 << 1000 << QStringLiteral("99%");
    QTest::newRow("37.5 goes up") << 15 << 40 << QStringLiteral("38%");
    QTest::newRow("97.5 goes up") << 39 << 40 << QStringLiteral("98%");
    QTest::newRow("99.5 is 100") << 199 << 200 << QStringLiteral("100%");
    QTest::newRow("half") << 1 << 2 << QStringLiteral("50%");
}

void tst_FormatPercent::shownPercent() {
    QFETCH(int, correct);
    QFETCH(int, presses);
    QFETCH(QString, shown);
    QCOMPARE(kf::formatPercent(correct, presses), shown);
}

QTEST_GUILESS_MAIN(tst_FormatPercent)
#include "tst_FormatPercent.moc"
