// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/OwnKeys.h"

#include <QTest>

using namespace kf;

class tst_OwnKeys : public QObject {
    Q_OBJECT

private slots:
    void verification_data();
    void verification();
    void nationalCharacters_data();
    void nationalCharacters();
};

void tst_OwnKeys::verification_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enough");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("notAllowed");
    const auto us = int(Nationality::EnglishUS);
    const auto de = int(Nationality::German);
    QTest::newRow("two keys repeat")
        << us << QStringLiteral("ab") << true << QStringLiteral("ababababab") << QString();
    QTest::newRow("three keys are cut")
        << us << QStringLiteral("abc") << true << QStringLiteral("abcabcabca") << QString();
    QTest::newRow("seven keys") << us << QStringLiteral("abcdefg") << true
                                << QStringLiteral("abcdefgabc") << QString();
    QTest::newRow("space is removed") << us << QStringLiteral("a a") << true
                                      << QStringLiteral("aaaaaaaaaa") << QStringLiteral(" ");
    QTest::newRow("quotes are removed") << us << QStringLiteral("x\"y'z") << true
                                        << QStringLiteral("xyzxyzxyzx") << QStringLiteral("\"'");
    QTest::newRow("only the first ten count") << us << QStringLiteral("0123456789AB") << true
                                              << QStringLiteral("0123456789") << QString();
    QTest::newRow("the eleventh is not even listed")
        << us << QStringLiteral("abcdefghi \"") << true << QStringLiteral("abcdefghia")
        << QStringLiteral(" ");
    QTest::newRow("umlaut on English US")
        << us << QStringLiteral("äb") << false << QString() << QStringLiteral("ä");
    QTest::newRow("one umlaut on German is too few")
        << de << QStringLiteral("ä") << false << QString() << QString();
    QTest::newRow("umlauts on German")
        << de << QStringLiteral("äß") << true << QStringLiteral("äßäßäßäßäß") << QString();
    QTest::newRow("nothing typed") << us << QString() << false << QString() << QString();
    QTest::newRow("a character without a code-page byte")
        << us << QStringLiteral("a\u4e2db") << true << QStringLiteral("ababababab")
        << QStringLiteral("\u4e2d");
    QTest::newRow("a character outside the basic plane")
        << us << QStringLiteral("a\U0001F600b") << true << QStringLiteral("ababababab")
        << QStringLiteral("\U0001F600");
    QTest::newRow("tilde and ampersand")
        << us << QStringLiteral("~&") << true << QStringLiteral("~&~&~&~&~&") << QString();
}

void tst_OwnKeys::verification() {
    QFETCH(int, nationality);
    QFETCH(QString, typed);
    QFETCH(bool, enough);
    QFETCH(QString, keys);
    QFETCH(QString, notAllowed);
    const OwnKeysResult r = verifyOwnKeys(typed, static_cast<Nationality>(nationality));
    QCOMPARE(r.enough, enough);
    QCOMPARE(r.shownKeys, keys);
    if (enough) {
        QCOMPARE(r.keys.size(), 10);
        QCOMPARE(QString::fromLatin1(r.keys), keys); // all of these are Latin-1 as well
    }
    QCOMPARE(r.notAllowed, notAllowed);
}

void tst_OwnKeys::nationalCharacters_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<QString>("allowed");
    QTest::addColumn<QString>("refused");
    QTest::newRow("English US") << 0 << QString() << QStringLiteral("£¬ÁáñçäßàÑ");
    QTest::newRow("English UK") << 1 << QStringLiteral("£¬ÁÉÍÓÚáéíóú") << QStringLiteral("ñçäßàÑ¤");
    // ñ and ç are keys of the Spanish keyboard and targets of its drills.
    QTest::newRow("Spanish") << 2 << QStringLiteral("ª¬·ºÁÇÉÍÑÓÚáéíóúñç") << QStringLiteral("£äßà");
    QTest::newRow("German") << 3 << QStringLiteral("§°²³µÄÖÜßäöü") << QStringLiteral("¦£ñçáà");
    QTest::newRow("Italian") << 4 << QString() << QStringLiteral("£àçèéùò°");
    QTest::newRow("French") << 5 << QStringLiteral("£¤§°²µàçèéù") << QStringLiteral("¬äßñ");
}

void tst_OwnKeys::nationalCharacters() {
    QFETCH(int, nationality);
    QFETCH(QString, allowed);
    QFETCH(QString, refused);
    const auto n = static_cast<Nationality>(nationality);
    for (QChar c : allowed)
        QVERIFY2(isAllowedOwnKey(c.unicode(), n), qPrintable(QString(c)));
    for (QChar c : refused)
        QVERIFY2(!isAllowedOwnKey(c.unicode(), n), qPrintable(QString(c)));
    // Printable ASCII but the quotes and Space, on every keyboard.
    for (char32_t c = 0; c < 128; ++c) {
        const bool plain = c >= U'!' && c <= U'~' && c != U'"' && c != U'\'';
        QCOMPARE(isAllowedOwnKey(c, n), plain);
    }
}

QTEST_GUILESS_MAIN(tst_OwnKeys)
#include "tst_OwnKeys.moc"
