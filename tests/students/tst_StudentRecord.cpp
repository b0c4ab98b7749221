// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/FixedPoint.h"
#include "students/StudentRecord.h"

#include <QTest>

using namespace kf;
using namespace kf::layout;

class tst_StudentRecord : public QObject {
    Q_OBJECT

private slots:
    void defaultsOfNewRecord_data();
    void defaultsOfNewRecord();
    void newRecordIsZeroOutsideItsDefaults();
    void defaultsLeaveUnsetBytesAlone();
    void numbersAreLittleEndian();
    void figuresRoundHalfToEven_data();
    void figuresRoundHalfToEven();
    void perKeyElementsAreIndexedFromOne();
    void historyPushDropsTheOldest();
    void shortStringsKeepTheirCapacity();
};

namespace {

enum class Width { Byte, I32, String };

struct Expected {
    std::size_t offset;
    Width width;
    qint64 value;
    const char* text;
};

// The defaults of a new record, written out independently of the code that applies them.
const Expected kExpected[] = {
    {41, Width::Byte, 0, nullptr},
    {42, Width::Byte, 0, nullptr},
    {44, Width::I32, 0, nullptr},
    {48, Width::I32, 900, nullptr},
    {52, Width::I32, 2, nullptr},
    {56, Width::String, 0, "Times New Roman"},
    {97, Width::Byte, 1, nullptr},
    {100, Width::I32, 14, nullptr},
    {13056, Width::I32, 3, nullptr},
    {13064, Width::I32, 15, nullptr},
    {32440, Width::I32, 16777215, nullptr},
    {32452, Width::Byte, 1, nullptr},
    {32453, Width::Byte, 1, nullptr},
    {32456, Width::I32, 2, nullptr},
    {32460, Width::I32, 3681940, nullptr},
    {32464, Width::I32, 900, nullptr},
    {32480, Width::I32, 3681940, nullptr},
    {32484, Width::I32, 2, nullptr},
    {32488, Width::Byte, 1, nullptr},
    {32492, Width::I32, 900, nullptr},
    {32496, Width::String, 0, "Courier New"},
    {32537, Width::Byte, 1, nullptr},
    {32540, Width::I32, 14, nullptr},
    {45532, Width::Byte, 1, nullptr},
    {71604, Width::I32, 1500000, nullptr},
    {71631, Width::Byte, 1, nullptr},
    {71632, Width::Byte, 1, nullptr},
    {71633, Width::Byte, 1, nullptr},
    {71634, Width::Byte, 1, nullptr},
    {71635, Width::Byte, 0, nullptr},
    {71636, Width::Byte, 1, nullptr},
    {71637, Width::Byte, 0, nullptr},
    {84601, Width::String, 0, "Arial"},
    {84642, Width::Byte, 1, nullptr},
    {84643, Width::Byte, 1, nullptr},
    {84644, Width::I32, 8404992, nullptr},
    {97600, Width::I32, 1, nullptr},
    {97604, Width::Byte, 1, nullptr},
    {97605, Width::Byte, 1, nullptr},
    {97606, Width::Byte, 1, nullptr},
    {97607, Width::Byte, 1, nullptr},
    {97608, Width::Byte, 1, nullptr},
    {97609, Width::Byte, 1, nullptr},
    {97612, Width::I32, 5923645, nullptr},
};

qint64 readLe(const StudentRecord::Bytes& b, std::size_t offset, int n) {
    quint64 v = 0;
    for (int i = 0; i < n; ++i)
        v |= quint64(b[offset + std::size_t(i)]) << (8 * i);
    return n == 4 ? qint64(qint32(quint32(v))) : qint64(v);
}

} // namespace

void tst_StudentRecord::defaultsOfNewRecord_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kExpected)); ++i)
        QTest::addRow("offset %zu", kExpected[i].offset) << i;
}

void tst_StudentRecord::defaultsOfNewRecord() {
    QFETCH(int, index);
    const Expected& e = kExpected[index];
    StudentRecord record;
    record.applyCreateDefaults();
    const auto& bytes = record.bytes();
    switch (e.width) {
    case Width::Byte:
        QCOMPARE(qint64(bytes[e.offset]), e.value);
        break;
    case Width::I32:
        QCOMPARE(readLe(bytes, e.offset, 4), e.value);
        break;
    case Width::String: {
        const QByteArray text(e.text);
        QCOMPARE(int(bytes[e.offset]), int(text.size()));
        for (int i = 0; i < text.size(); ++i)
            QCOMPARE(char(bytes[e.offset + 1 + std::size_t(i)]), text[i]);
        break;
    }
    }
}

void tst_StudentRecord::newRecordIsZeroOutsideItsDefaults() {
    StudentRecord record;
    record.applyCreateDefaults();
    std::vector<bool> named(kRecordSize, false);
    for (const Expected& e : kExpected) {
        const std::size_t size = e.width == Width::I32 ? 4 : e.width == Width::Byte ? 1 : 41;
        for (std::size_t i = 0; i < size; ++i)
            named[e.offset + i] = true;
    }
    QCOMPARE(record.bytes().size(), std::size_t(110824));
    for (std::size_t i = 0; i < kRecordSize; ++i) {
        if (!named[i] && record.bytes()[i] != 0)
            QFAIL(qPrintable(QStringLiteral("byte %1 is %2, not 0").arg(i).arg(record.bytes()[i])));
    }
}

void tst_StudentRecord::defaultsLeaveUnsetBytesAlone() {
    // The fields a new record does not set, the gaps and the tail keep what memory held.
    StudentRecord record;
    StudentRecord::Bytes filled;
    filled.fill(0xAB);
    record.assign(filled);
    record.applyCreateDefaults();
    for (std::size_t offset :
         {std::size_t(1), std::size_t(43), std::size_t(45533), std::size_t(45581),
          std::size_t(58629), std::size_t(97610), std::size_t(97616), std::size_t(110823)})
        QCOMPARE(int(record.byte(offset)), 0xAB);
    QCOMPARE(int(record.byte(0)), 0);          // the text field's length
    QCOMPARE(int(record.byte(13088)), 0);      // statistics are cleared
    QCOMPARE(int(record.byte(104 + 9624)), 0); // histories of the section blocks too
    QCOMPARE(int(record.byte(84648 + 12943)), 0);
}

void tst_StudentRecord::numbersAreLittleEndian() {
    StudentRecord record;
    record.setI32(48, 0x01020304);
    QCOMPARE(int(record.byte(48)), 4);
    QCOMPARE(int(record.byte(51)), 1);
    record.setI32(52, -2);
    QCOMPARE(record.i32(52), -2);
    QCOMPARE(int(record.byte(55)), 0xFF);
    record.setI64(13096, 10000LL * 250);
    QCOMPARE(record.i64(13096), 2500000LL);
    QCOMPARE(int(record.byte(13096)), 0xA0);
    QCOMPARE(int(record.byte(13103)), 0);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, record.setI32(110822, 1));
}

void tst_StudentRecord::figuresRoundHalfToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("stored");
    QTest::newRow("a third") << 1.0 / 3.0 << qint64(3333);
    QTest::newRow("two thirds") << 2.0 / 3.0 << qint64(6667);
    QTest::newRow("92 percent") << 230.0 / 250.0 << qint64(9200);
    QTest::newRow("negative") << -1.25 << qint64(-12500);
}

void tst_StudentRecord::figuresRoundHalfToEven() {
    QFETCH(double, value);
    QFETCH(qint64, stored);
    QCOMPARE(toFixedPoint(static_cast<long double>(value)), stored);
    QCOMPARE(fromFixedPoint(stored) * 10000.0L, static_cast<long double>(stored));
    // Whole numbers: ties go to the even neighbour.
    QCOMPARE(roundHalfEven(0.5L), 0);
    QCOMPARE(roundHalfEven(2.5L), 2);
    QCOMPARE(roundHalfEven(3.5L), 4);
    QCOMPARE(roundHalfEven(-2.5L), -2);
}

void tst_StudentRecord::perKeyElementsAreIndexedFromOne() {
    StudentRecord record;
    record.setPerKey(22736, 1, 0.5L);
    QCOMPARE(record.i64(22736), 5000LL);
    record.setPerKey(22736, 108, 1.0L);
    QCOMPARE(record.i64(22736 + 107 * 8), 10000LL);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, record.setPerKey(22736, 0, 1.0L));
    record.clearPerKey(22736);
    QCOMPARE(record.perKeyStored(22736, 1), 0LL);
    QCOMPARE(record.perKeyStored(22736, 108), 0LL);
}

void tst_StudentRecord::historyPushDropsTheOldest() {
    StudentRecord record;
    for (int v = 1; v <= 9; ++v)
        record.pushHistory(32344, v * 10);
    QCOMPARE(record.history(32344, 0), 90);
    QCOMPARE(record.history(32344, 7), 20);
    QCOMPARE(record.i32(32376), 0); // the next array is untouched
}

void tst_StudentRecord::shortStringsKeepTheirCapacity() {
    StudentRecord record;
    record.setShortString(56, 40, QByteArray(60, 'x'));
    QCOMPARE(int(record.byte(56)), 40);
    QCOMPARE(record.byte(97), 0); // the flag after the string is not overrun
    record.setShortString(56, 40, QByteArrayLiteral("Arial"));
    QCOMPARE(record.shortString(56, 40), QByteArrayLiteral("Arial"));
}

QTEST_GUILESS_MAIN(tst_StudentRecord)
#include "tst_StudentRecord.moc"
