// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyTable.h"
#include "keyboard/SpokenKeyNames.h"
#include "keyboard/Windows1252.h"

#include <QHash>
#include <QTest>

using namespace kf;

class tst_SpokenKeyNames : public QObject {
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void everyTargetHasAWordOfItsOwn();
};

void tst_SpokenKeyNames::names_data() {
    QTest::addColumn<int>("character");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("small letter") << int('a') << QStringLiteral("a");
    QTest::newRow("capital letter") << int('A') << QStringLiteral("capital A");
    QTest::newRow("last capital") << int('Z') << QStringLiteral("capital Z");
    QTest::newRow("digit") << int('7') << QStringLiteral("7");
    QTest::newRow("semicolon") << int(';') << QStringLiteral("semicolon");
    QTest::newRow("apostrophe") << int('\'') << QStringLiteral("apostrophe");
    QTest::newRow("double quote") << int('"') << QStringLiteral("double quote");
    QTest::newRow("grave accent") << int('`') << QStringLiteral("grave accent");
    QTest::newRow("tilde") << int('~') << QStringLiteral("tilde");
    QTest::newRow("e acute") << 0xE9 << QStringLiteral("e acute");
    QTest::newRow("capital E acute") << 0xC9 << QStringLiteral("capital E acute");
    QTest::newRow("n tilde") << 0xF1 << QStringLiteral("n tilde");
    QTest::newRow("sharp s") << 0xDF << QStringLiteral("sharp s");
    QTest::newRow("u umlaut") << 0xFC << QStringLiteral("u umlaut");
    QTest::newRow("pound sign") << 0xA3 << QStringLiteral("pound sign");
    QTest::newRow("section sign") << 0xA7 << QStringLiteral("section sign");
    QTest::newRow("euro sign") << 0x80 << QStringLiteral("euro sign");
    QTest::newRow("Enter") << 13 << QStringLiteral("Enter");
}

void tst_SpokenKeyNames::names() {
    QFETCH(int, character);
    QFETCH(QString, spoken);
    QCOMPARE(spokenKeyName(static_cast<AnsiChar>(character)), spoken);
}

// Whatever a drill can ask for on any keyboard is said by a name no other character shares,
// and a sign is said in words, never as the bare sign a speech engine may skip.
void tst_SpokenKeyNames::everyTargetHasAWordOfItsOwn() {
    QHash<QString, int> owner;
    for (KeyCode code = 1; code <= 166; ++code) {
        const AnsiChar c = characterOfKeyCode(code);
        if (c == 0)
            continue;
        const QString name = spokenKeyName(c);
        const QChar shown = fromWindows1252(c);
        QVERIFY2(!name.isEmpty(), qPrintable(QString(shown)));
        if (!shown.isLetterOrNumber() || c >= 0x80)
            QVERIFY2(name.size() > 1,
                     qPrintable(QStringLiteral("%1 is said as itself").arg(shown)));
        const auto seen = owner.constFind(name);
        QVERIFY2(seen == owner.constEnd() || *seen == c,
                 qPrintable(QStringLiteral("%1 shares its name with another key").arg(name)));
        owner.insert(name, c);
    }
    QVERIFY2(owner.size() > 100, "the key codes were walked");
}

QTEST_MAIN(tst_SpokenKeyNames)
#include "tst_SpokenKeyNames.moc"
