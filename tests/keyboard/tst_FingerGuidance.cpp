// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/FingerGuidance.h"
#include "keyboard/KeyTable.h"
#include "tests/keyboard/GuidanceTranscription.h"

#include <QMap>
#include <QStringList>
#include <QTest>
#include <array>

using namespace kf;

Q_DECLARE_METATYPE(kf::Nationality)

namespace {

constexpr std::array<Nationality, kNationalityCount> kAllNationalities{
    Nationality::EnglishUS, Nationality::EnglishUK, Nationality::Spanish,
    Nationality::German,    Nationality::Italian,   Nationality::French,
};

const char* nationalityName(Nationality nationality) {
    constexpr std::array<const char*, kNationalityCount> names{
        "English US", "English UK", "Spanish", "German", "Italian", "French"};
    return names[static_cast<std::size_t>(nationality)];
}

QString cellName(int id) {
    if (id == kNoGuidance)
        return QStringLiteral("none");
    if (id == kNoKeyEntry)
        return QStringLiteral("no entry");
    return QStringLiteral("G%1").arg(id);
}

struct ChartRow {
    int code = 0;
    QString character;
    std::array<int, kNationalityCount> cells{};
};

int parseCell(const QString& cell) {
    if (cell == QStringLiteral("none"))
        return kNoGuidance;
    if (cell == QStringLiteral("—"))
        return kNoKeyEntry;
    bool ok = false;
    const int id = cell.startsWith(u'G') ? cell.mid(1).toInt(&ok) : 0;
    if (!ok)
        qFatal("unreadable cell in the guidance chart: %s", qPrintable(cell));
    return id;
}

// Reads the chart from its text form. A line is "| code | char | six cells |"; the character
// column may itself hold an escaped bar, so the cells are taken from the end of the line.
QList<ChartRow> chartRows() {
    QList<ChartRow> rows;
    const QString chart = QString::fromUtf8(test::kGuidanceChart);
    for (const QString& line : chart.split(u'\n', Qt::SkipEmptyParts)) {
        QStringList fields = line.split(u'|');
        fields.removeFirst();
        fields.removeLast();
        if (fields.size() < 2 + kNationalityCount)
            qFatal("short line in the guidance chart: %s", qPrintable(line));
        ChartRow row;
        row.code = fields.first().trimmed().toInt();
        row.character = fields.mid(1, fields.size() - 1 - kNationalityCount).join(u'|').trimmed();
        const QStringList cells = fields.mid(fields.size() - kNationalityCount);
        for (int n = 0; n < kNationalityCount; ++n)
            row.cells[static_cast<std::size_t>(n)] = parseCell(cells[n].trimmed());
        rows.append(row);
    }
    return rows;
}

// The sentences by number, each split around the user name when it holds one.
QMap<int, QStringList> chartSentences() {
    QMap<int, QStringList> sentences;
    const QString list = QString::fromUtf8(test::kGuidanceSentences);
    for (const QString& line : list.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QStringLiteral(": \""));
        if (!line.startsWith(QStringLiteral("- G")) || colon < 0 || !line.endsWith(u'"'))
            qFatal("unreadable line in the guidance sentences: %s", qPrintable(line));
        const int id = line.mid(3, colon - 3).toInt();
        const QString quoted = line.mid(colon + 3, line.size() - colon - 4);
        sentences.insert(id, quoted.split(QStringLiteral("\" + user name + \"")));
    }
    return sentences;
}

const QString kUser = QStringLiteral("Marisol");

// Lets a missing sentence show up readably in a failed comparison.
QString orNothing(const std::optional<QString>& shown) {
    return shown.value_or(QStringLiteral("(no sentence)"));
}

// The chart's "&&" is a label escape for one ampersand; the student sees one.
QString shownSentence(const QStringList& pieces, const QString& userName) {
    QString sentence = pieces.join(userName);
    sentence.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return sentence;
}

} // namespace

class tst_FingerGuidance : public QObject {
    Q_OBJECT

private slots:
    void chartCell_data();
    void chartCell();
    void codesOutsideTheChartHaveNoKey_data();
    void codesOutsideTheChartHaveNoKey();
    void sentence_data();
    void sentence();
    void everySentenceIsShownSomewhere();
    void sentenceNumbersOutsideTheList_data();
    void sentenceNumbersOutsideTheList();

    void letterLAddressesTheStudent_data();
    void letterLAddressesTheStudent();
    void semicolonPerKeyboard_data();
    void semicolonPerKeyboard();
    void frenchHomeRowSwaps_data();
    void frenchHomeRowSwaps();
    void nationalCharacters_data();
    void nationalCharacters();
    void apostropheSentencesNameTheKeyWithTwoApostrophes_data();
    void apostropheSentencesNameTheKeyWithTwoApostrophes();
    void ampersandIsShownOnce();
    void userNameIsShownAsTyped_data();
    void userNameIsShownAsTyped();
    void germanKeyboardHasNoBrokenBar();
    void unknownNationalityHasNoKeys_data();
    void unknownNationalityHasNoKeys();
    void noEntryCellsAreTheKeysTheKeyboardLacks();
};

void tst_FingerGuidance::chartCell_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<int>("expected");

    for (const ChartRow& row : chartRows()) {
        for (const Nationality nationality : kAllNationalities) {
            int expected = row.cells[static_cast<std::size_t>(nationality)];
            // No German key produces the broken bar; the chart's "none" would offer a key
            // that cannot be typed, so the program has no German entry for it.
            if (row.code == 150 && nationality == Nationality::German)
                expected = kNoKeyEntry;
            // The German "|" is typed on the key left of Y (with Alt Gr), not on a key under
            // the backspace that a German keyboard lacks: it gets the sentence of that key.
            if (row.code == 68 && nationality == Nationality::German)
                expected = 135;
            QTest::addRow("code %d (%s) %s", row.code, qPrintable(row.character),
                          nationalityName(nationality))
                << row.code << nationality << expected;
        }
    }
}

void tst_FingerGuidance::chartCell() {
    QFETCH(int, code);
    QFETCH(Nationality, nationality);
    QFETCH(int, expected);

    const int actual = guidanceId(static_cast<KeyCode>(code), nationality);
    QVERIFY2(actual == expected,
             qPrintable(QStringLiteral("code %1 on %2 shows %3, chart says %4")
                            .arg(code)
                            .arg(QString::fromLatin1(nationalityName(nationality)))
                            .arg(cellName(actual), cellName(expected))));

    const std::optional<QString> shown =
        fingerGuidance(static_cast<KeyCode>(code), nationality, kUser);
    QCOMPARE(shown.has_value(), expected > 0);
    if (expected > 0)
        QCOMPARE(orNothing(shown), orNothing(guidanceText(expected, kUser)));
}

void tst_FingerGuidance::codesOutsideTheChartHaveNoKey_data() {
    QTest::addColumn<int>("code");

    QList<int> charted;
    for (const ChartRow& row : chartRows())
        charted.append(row.code);
    for (int code = 0; code <= 400; ++code) {
        if (!charted.contains(code))
            QTest::addRow("code %d", code) << code;
    }
    QTest::addRow("code 65535") << 65535;
}

void tst_FingerGuidance::codesOutsideTheChartHaveNoKey() {
    QFETCH(int, code);

    for (const Nationality nationality : kAllNationalities) {
        QVERIFY2(guidanceId(static_cast<KeyCode>(code), nationality) == kNoKeyEntry,
                 nationalityName(nationality));
        QVERIFY(!fingerGuidance(static_cast<KeyCode>(code), nationality, kUser));
    }
}

void tst_FingerGuidance::sentence_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("expected");

    const QMap<int, QStringList> sentences = chartSentences();
    QCOMPARE(sentences.size(), kGuidanceTextCount);
    for (auto it = sentences.cbegin(); it != sentences.cend(); ++it)
        QTest::addRow("G%d", it.key()) << it.key() << shownSentence(it.value(), kUser);
}

void tst_FingerGuidance::sentence() {
    QFETCH(int, id);
    QFETCH(QString, expected);

    const std::optional<QString> shown = guidanceText(id, kUser);
    QVERIFY(shown.has_value());
    QVERIFY2(*shown == expected,
             qPrintable(QStringLiteral("G%1 reads\n   \"%2\"\n instead of\n   \"%3\"")
                            .arg(id)
                            .arg(*shown, expected)));
}

void tst_FingerGuidance::everySentenceIsShownSomewhere() {
    QList<int> unused;
    for (int id = 1; id <= kGuidanceTextCount; ++id)
        unused.append(id);
    for (int code = 0; code <= 200; ++code) {
        for (const Nationality nationality : kAllNationalities)
            unused.removeAll(guidanceId(static_cast<KeyCode>(code), nationality));
    }
    QVERIFY2(unused.isEmpty(), qPrintable(QStringLiteral("never shown: G%1").arg(unused.value(0))));
}

void tst_FingerGuidance::sentenceNumbersOutsideTheList_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("none") << kNoGuidance;
    QTest::newRow("no entry") << kNoKeyEntry;
    QTest::newRow("one past the last") << kGuidanceTextCount + 1;
    QTest::newRow("far below") << -1000;
}

void tst_FingerGuidance::sentenceNumbersOutsideTheList() {
    QFETCH(int, id);
    QVERIFY(!guidanceText(id, kUser).has_value());
}

void tst_FingerGuidance::letterLAddressesTheStudent_data() {
    QTest::addColumn<Nationality>("nationality");
    for (const Nationality nationality : kAllNationalities)
        QTest::newRow(nationalityName(nationality)) << nationality;
}

void tst_FingerGuidance::letterLAddressesTheStudent() {
    QFETCH(Nationality, nationality);
    QCOMPARE(orNothing(fingerGuidance(9, nationality, QStringLiteral("Ann"))),
             QStringLiteral("Remain at the home row position, Ann, and press the \"l\" key with "
                            "your right hand ring finger."));
}

void tst_FingerGuidance::semicolonPerKeyboard_data() {
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<QString>("expected");

    const QString underLittleFinger =
        QStringLiteral("The semicolon, Ann, is under your right hand little finger.");
    const QString downOneKey =
        QStringLiteral("The semicolon, Ann, is down one key then under your right middle finger.");
    QTest::newRow("English US") << Nationality::EnglishUS << underLittleFinger;
    QTest::newRow("English UK") << Nationality::EnglishUK << underLittleFinger;
    QTest::newRow("Spanish") << Nationality::Spanish << downOneKey;
    QTest::newRow("German") << Nationality::German << downOneKey;
    QTest::newRow("Italian") << Nationality::Italian << downOneKey;
    QTest::newRow("French") << Nationality::French << downOneKey;
}

void tst_FingerGuidance::semicolonPerKeyboard() {
    QFETCH(Nationality, nationality);
    QFETCH(QString, expected);
    QCOMPARE(orNothing(fingerGuidance(10, nationality, QStringLiteral("Ann"))), expected);
}

void tst_FingerGuidance::frenchHomeRowSwaps_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<int>("expected");

    for (const Nationality nationality : kAllNationalities) {
        const bool french = nationality == Nationality::French;
        QTest::addRow("a %s", nationalityName(nationality)) << 1 << nationality << (french ? 2 : 1);
        QTest::addRow("q %s", nationalityName(nationality))
            << 11 << nationality << (french ? 14 : 13);
    }
}

void tst_FingerGuidance::frenchHomeRowSwaps() {
    QFETCH(int, code);
    QFETCH(Nationality, nationality);
    QFETCH(int, expected);
    QCOMPARE(guidanceId(static_cast<KeyCode>(code), nationality), expected);
}

void tst_FingerGuidance::nationalCharacters_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<Nationality>("nationality");
    for (int code = 127; code <= 166; ++code) {
        for (const Nationality nationality : kAllNationalities)
            QTest::addRow("code %d %s", code, nationalityName(nationality)) << code << nationality;
    }
}

void tst_FingerGuidance::nationalCharacters() {
    QFETCH(int, code);
    QFETCH(Nationality, nationality);

    const std::optional<QString> shown =
        fingerGuidance(static_cast<KeyCode>(code), nationality, kUser);
    if (code == 127 && nationality == Nationality::Spanish)
        QCOMPARE(orNothing(shown), QStringLiteral("Type the blue key before the green."));
    else
        QVERIFY2(!shown, qPrintable(orNothing(shown)));
}

void tst_FingerGuidance::apostropheSentencesNameTheKeyWithTwoApostrophes_data() {
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Spanish")
        << Nationality::Spanish
        << QStringLiteral("Move your right hand little finger up two rows to type the '' key.");
    QTest::newRow("German")
        << Nationality::German
        << QStringLiteral("Mover your right hand little finger two keys to the right to type "
                          "the '' key.");
    QTest::newRow("Italian")
        << Nationality::Italian
        << QStringLiteral("Move your right hand little finger up two rows to type the '' key.");
    QTest::newRow("French")
        << Nationality::French
        << QStringLiteral("Move your left hand index finger two rows up to type the '' key.");
}

void tst_FingerGuidance::apostropheSentencesNameTheKeyWithTwoApostrophes() {
    QFETCH(Nationality, nationality);
    QFETCH(QString, expected);
    QCOMPARE(orNothing(fingerGuidance(35, nationality, kUser)), expected);
}

void tst_FingerGuidance::ampersandIsShownOnce() {
    QCOMPARE(
        orNothing(fingerGuidance(55, Nationality::French, kUser)),
        QStringLiteral("Move your left hand little finger up two rows to type the \"&\" key."));
    for (int id = 1; id <= kGuidanceTextCount; ++id)
        QVERIFY2(!guidanceText(id, kUser)->contains(QStringLiteral("&&")),
                 qPrintable(cellName(id)));
}

void tst_FingerGuidance::userNameIsShownAsTyped_data() {
    QTest::addColumn<QString>("userName");
    QTest::newRow("plain") << QStringLiteral("Jo");
    QTest::newRow("ampersands") << QStringLiteral("Tom && Jerry & Co");
    QTest::newRow("placeholders") << QStringLiteral("%1 %2 %L1");
    QTest::newRow("accented") << QStringLiteral("Zoë Müller-Ñúñez");
    QTest::newRow("forty characters") << QStringLiteral("A").repeated(40);
}

void tst_FingerGuidance::userNameIsShownAsTyped() {
    QFETCH(QString, userName);
    QCOMPARE(orNothing(fingerGuidance(10, Nationality::EnglishUK, userName)),
             QStringLiteral("The semicolon, ") + userName +
                 QStringLiteral(", is under your right hand little finger."));
    QCOMPARE(orNothing(fingerGuidance(10, Nationality::Italian, userName)),
             QStringLiteral("The semicolon, ") + userName +
                 QStringLiteral(", is down one key then under your right middle finger."));
}

void tst_FingerGuidance::germanKeyboardHasNoBrokenBar() {
    QCOMPARE(guidanceId(150, Nationality::German), kNoKeyEntry);
    QCOMPARE(guidanceId(150, Nationality::EnglishUK), kNoGuidance);
    QCOMPARE(guidanceId(68, Nationality::German), 135);
}

void tst_FingerGuidance::unknownNationalityHasNoKeys_data() {
    QTest::addColumn<int>("nationalityByte");
    QTest::newRow("6") << 6;
    QTest::newRow("255") << 255;
}

void tst_FingerGuidance::unknownNationalityHasNoKeys() {
    QFETCH(int, nationalityByte);
    const auto nationality = static_cast<Nationality>(nationalityByte);
    for (const KeyCode code : {KeyCode{1}, KeyCode{9}, KeyCode{68}, KeyCode{126}, KeyCode{166}}) {
        QCOMPARE(guidanceId(code, nationality), kNoKeyEntry);
        QVERIFY(!fingerGuidance(code, nationality, kUser));
    }
}

void tst_FingerGuidance::noEntryCellsAreTheKeysTheKeyboardLacks() {
    for (const Nationality nationality : kAllNationalities) {
        for (int code = 0; code <= 200; ++code) {
            const bool lacksKey = !keyEntry(KeyCode(code), nationality).has_value();
            if ((guidanceId(KeyCode(code), nationality) == kNoKeyEntry) != lacksKey)
                QFAIL(qPrintable(QStringLiteral("code %1 on %2: guidance and key table disagree")
                                     .arg(code)
                                     .arg(QLatin1String(nationalityName(nationality)))));
        }
    }
}

QTEST_APPLESS_MAIN(tst_FingerGuidance)
#include "tst_FingerGuidance.moc"
