// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/Windows1252.h"

#include <QTest>

using namespace kf;

class tst_Windows1252 : public QObject {
    Q_OBJECT

private slots:
    void characters_data();
    void characters();
    void charactersWithoutAByte_data();
    void charactersWithoutAByte();
    void wholeTexts();
};

void tst_Windows1252::characters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("byte");
    QTest::newRow("a") << QStringLiteral("a") << 97;
    QTest::newRow("space") << QStringLiteral(" ") << 32;
    QTest::newRow("a acute") << QStringLiteral("\u00e1") << 225;
    QTest::newRow("n tilde capital") << QStringLiteral("\u00d1") << 209;
    QTest::newRow("sharp s") << QStringLiteral("\u00df") << 223;
    QTest::newRow("broken bar") << QStringLiteral("\u00a6") << 166;
    QTest::newRow("micro") << QStringLiteral("\u00b5") << 181;
    QTest::newRow("euro") << QStringLiteral("\u20ac") << 0x80;
    QTest::newRow("left double quote") << QStringLiteral("\u201c") << 0x93;
    QTest::newRow("z caron") << QStringLiteral("\u017e") << 0x9E;
    QTest::newRow("Y diaeresis") << QStringLiteral("\u0178") << 0x9F;
}

void tst_Windows1252::characters() {
    QFETCH(QString, text);
    QFETCH(int, byte);
    const auto converted = toWindows1252(text.at(0));
    QVERIFY(converted.has_value());
    QCOMPARE(int(*converted), byte);
    QCOMPARE(fromWindows1252(AnsiChar(byte)), text.at(0));
}

void tst_Windows1252::charactersWithoutAByte_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("cyrillic") << QStringLiteral("\u0436");
    QTest::newRow("c1 control 0x81") << QStringLiteral("\u0081");
    QTest::newRow("a with ogonek") << QStringLiteral("\u0105");
    QTest::newRow("greek") << QStringLiteral("\u03b1");
}

void tst_Windows1252::charactersWithoutAByte() {
    QFETCH(QString, text);
    QVERIFY(!toWindows1252(text.at(0)).has_value());
}

void tst_Windows1252::wholeTexts() {
    QCOMPARE(toWindows1252(QStringLiteral("Jos\u00e9")).value(), QByteArray("Jos\xe9"));
    QVERIFY(!toWindows1252(QStringLiteral("Zo\u0105")).has_value());
    QCOMPARE(fromWindows1252(QByteArray("M\xfcller")), QStringLiteral("M\u00fcller"));
}

QTEST_GUILESS_MAIN(tst_Windows1252)
#include "tst_Windows1252.moc"
