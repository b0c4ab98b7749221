// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/PreferenceChoices.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <QTest>

using namespace kf;
using namespace kf::layout;

class tst_PreferenceChoices : public QObject {
    Q_OBJECT

private slots:
    void pageOfEachActivity_data();
    void pageOfEachActivity();
    void handDelayByText_data();
    void handDelayByText();
    void timedFontAndItsSize_data();
    void timedFontAndItsSize();
};

void tst_PreferenceChoices::pageOfEachActivity_data() {
    QTest::addColumn<int>("activity");
    QTest::addColumn<OptionsPage>("page");
    const OptionsPage expected[] = {
        OptionsPage::GlobalOptions,         OptionsPage::Lessons,
        OptionsPage::BeginnersIntermediate, OptionsPage::BeginnersIntermediate,
        OptionsPage::AdvancedKeyfarer,      OptionsPage::AdvancedKeyfarer,
        OptionsPage::GlobalOptions,         OptionsPage::GlobalOptions,
        OptionsPage::GlobalOptions,         OptionsPage::TimedTests,
        OptionsPage::GlobalOptions,         OptionsPage::GlobalOptions};
    for (int code = 0; code < int(std::size(expected)); ++code)
        QTest::addRow("code %d", code) << code << expected[code];
    QTest::newRow("code 255") << 255 << OptionsPage::GlobalOptions;
}

void tst_PreferenceChoices::pageOfEachActivity() {
    QFETCH(int, activity);
    QFETCH(OptionsPage, page);
    QCOMPARE(pageForActivity(static_cast<ActivityCode>(activity)), page);
}

void tst_PreferenceChoices::handDelayByText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("no delay") << QStringLiteral("No Delay") << 0 << 200;
    QTest::newRow("one second") << QStringLiteral("1 second delay") << 1 << 900;
    QTest::newRow("eight seconds") << QStringLiteral("8 seconds delay") << 8 << 8000;
    QTest::newRow("unknown text") << QStringLiteral("9 seconds delay") << 1 << 900;
    QTest::newRow("other letter case") << QStringLiteral("no delay") << 1 << 900;
}

void tst_PreferenceChoices::handDelayByText() {
    QFETCH(QString, text);
    QFETCH(int, shown);
    QFETCH(int, milliseconds);
    // Every delay field is written alike; the Intermediate one shows that no other field moves.
    for (std::size_t offset : {kBegHandDelay, kLessonsHandDelay}) {
        StudentRecord record;
        record.setI32(kIntHandDelay, 4000);
        QCOMPARE(storeHandDelay(text, offset, record), shown);
        QCOMPARE(record.i32(offset), milliseconds);
        QCOMPARE(shownHandDelay(record, offset), shown);
        QCOMPARE(record.i32(kIntHandDelay), 4000);
    }
}

void tst_PreferenceChoices::timedFontAndItsSize_data() {
    QTest::addColumn<bool>("roman");
    QTest::addColumn<int>("forceSmall");
    QTest::addColumn<QByteArray>("fontName");
    QTest::addColumn<int>("largeAfter");
    QTest::addColumn<bool>("forcedSmall");
    QTest::addColumn<bool>("largeOffered");
    // The large-font byte is 1 before each choice.
    QTest::newRow("roman") << true << 0 << QByteArray("Times New Roman") << 1 << false << true;
    QTest::newRow("roman, small forced")
        << true << 1 << QByteArray("Times New Roman") << 0 << true << false;
    QTest::newRow("roman, any non-zero byte forces")
        << true << 7 << QByteArray("Times New Roman") << 0 << true << false;
    QTest::newRow("arial") << false << 0 << QByteArray("Arial") << 1 << false << true;
    QTest::newRow("arial, small forced") << false << 1 << QByteArray("Arial") << 1 << false << true;
}

void tst_PreferenceChoices::timedFontAndItsSize() {
    QFETCH(bool, roman);
    QFETCH(int, forceSmall);
    QFETCH(QByteArray, fontName);
    QFETCH(int, largeAfter);
    QFETCH(bool, forcedSmall);
    QFETCH(bool, largeOffered);
    StudentRecord record;
    record.setByte(kTimedForceSmall, static_cast<std::uint8_t>(forceSmall));
    record.setByte(kTimedLargeFont, 1);
    const TimedFontSize size = storeTimedFont(roman, record);
    QCOMPARE(size.forcedSmall, forcedSmall);
    QCOMPARE(size.largeOffered, largeOffered);
    QCOMPARE(record.shortString(kTimedFontName, 40), fontName);
    QCOMPARE(timedFontIsRoman(record), roman);
    QCOMPARE(int(record.byte(kTimedLargeFont)), largeAfter);
}

QTEST_GUILESS_MAIN(tst_PreferenceChoices)
#include "tst_PreferenceChoices.moc"
