// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/FingerGuidance.h"
#include "keyboard/KeyPools.h"
#include "keyboard/KeyTable.h"
#include "keyboard/NextKeyChooser.h"
#include "keyboard/Windows1252.h"
#include "tests/keyboard/PoolTranscription.h"

#include <QMap>
#include <QStringList>
#include <QTest>
#include <array>
#include <cmath>
#include <map>

using namespace kf;

Q_DECLARE_METATYPE(kf::Nationality)
Q_DECLARE_METATYPE(kf::DrillKind)
Q_DECLARE_METATYPE(kf::KeyRect)
Q_DECLARE_METATYPE(kf::LabelPoint)

namespace {

// key code -> weight in sixths of the common chance
using Weights = QMap<int, int>;

constexpr std::array<Nationality, kNationalityCount> kAllNationalities{
    Nationality::EnglishUS, Nationality::EnglishUK, Nationality::Spanish,
    Nationality::German,    Nationality::Italian,   Nationality::French,
};

constexpr std::array<const char*, kDrillKindCount> kDrillKindNames{
    "Home Row Only",
    "Top Row Only",
    "Bottom Row Only",
    "Home and Top Rows",
    "Home and Bottom Row",
    "All Three Rows",
    "All and Common Punctuation",
    "Numbers Only",
    "Symbols Only",
    "Do Everything",
    "Choose Your Own Keys",
};

const char* nationalityName(Nationality nationality) {
    constexpr std::array<const char*, kNationalityCount> names{
        "English US", "English UK", "Spanish", "German", "Italian", "French"};
    return names[static_cast<std::size_t>(nationality)];
}

QByteArray poolName(DrillKind kind, Nationality nationality, bool lowerCaseOnly) {
    return QByteArray(kDrillKindNames[static_cast<std::size_t>(kind)]) + ", " +
           nationalityName(nationality) +
           (lowerCaseOnly ? ", lower case only" : ", upper case included");
}

QString withDoubleQuotes(QString text) {
    return text.replace(QStringLiteral("(double quote)"), QStringLiteral("\""));
}

AnsiChar ansi(QChar character) {
    const auto byte = toWindows1252(character);
    if (!byte)
        qFatal("a character of the transcription has no Windows-1252 byte");
    return *byte;
}

// character -> key code, read from the transcribed key code list
const std::map<AnsiChar, int>& codeOfCharacter() {
    static const std::map<AnsiChar, int> codes = [] {
        std::map<AnsiChar, int> out;
        const QString list = QString::fromUtf8(test::kKeyCodeList);
        for (const QString& line : list.split(u'\n', Qt::SkipEmptyParts)) {
            const qsizetype bar = line.indexOf(QStringLiteral(" | "));
            int code = line.left(bar).toInt();
            const QStringList characters =
                withDoubleQuotes(line.mid(bar + 3)).split(u' ', Qt::SkipEmptyParts);
            for (const QString& character : characters)
                out[ansi(character.at(0))] = code++;
        }
        return out;
    }();
    return codes;
}

QString characterName(int code) {
    for (const auto& [character, listed] : codeOfCharacter())
        if (listed == code)
            return QString(fromWindows1252(character));
    return QStringLiteral("code %1").arg(code);
}

int sixthsOf(const QString& factor) {
    static const QMap<QString, int> factors{
        {QString(), 6},
        {QStringLiteral("×2"), 12},
        {QStringLiteral("×1/2"), 3},
        {QStringLiteral("×1/3"), 2},
        {QStringLiteral("×2/3"), 4},
        {QStringLiteral("×3/2"), 9},
    };
    if (!factors.contains(factor))
        qFatal("unreadable weight in the pool table: %s", qPrintable(factor));
    return factors.value(factor);
}

Weights parsePool(const QString& cell) {
    Weights weights;
    for (const QString& token : withDoubleQuotes(cell).split(u' ', Qt::SkipEmptyParts)) {
        const auto code = codeOfCharacter().find(ansi(token.at(0)));
        if (code == codeOfCharacter().end())
            qFatal("a key of the pool table is not in the key code list: %s", qPrintable(token));
        if (weights.contains(code->second))
            qFatal("a key is listed twice in one cell of the pool table: %s", qPrintable(token));
        weights[code->second] = sixthsOf(token.mid(1));
    }
    return weights;
}

struct PublishedPool {
    DrillKind kind;
    Nationality nationality;
    bool lowerCaseOnly;
    Weights weights;
};

DrillKind drillKindNamed(const QString& name) {
    for (std::size_t kind = 0; kind < kDrillKindNames.size(); ++kind)
        if (name == QLatin1String(kDrillKindNames[kind]))
            return static_cast<DrillKind>(kind);
    qFatal("unknown drill kind in the pool table: %s", qPrintable(name));
}

Nationality nationalityNamed(const QString& name) {
    static const QMap<QString, Nationality> names{
        {QStringLiteral("US"), Nationality::EnglishUS},
        {QStringLiteral("UK"), Nationality::EnglishUK},
        {QStringLiteral("ES"), Nationality::Spanish},
        {QStringLiteral("DE"), Nationality::German},
        {QStringLiteral("IT"), Nationality::Italian},
        {QStringLiteral("FR"), Nationality::French},
    };
    if (!names.contains(name))
        qFatal("unknown nationality in the pool table: %s", qPrintable(name));
    return names.value(name);
}

constexpr int kBar = 68;
constexpr int kBrokenBar = 150;

// Every cell of the published pool table, one pool per drill kind, nationality and case.
QList<PublishedPool> publishedPools() {
    QList<PublishedPool> pools;
    const QString table = QString::fromUtf8(test::kPoolTable);
    const QString separator = QStringLiteral(" | ");
    for (const QString& line : table.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype first = line.indexOf(separator);
        const qsizetype second = line.indexOf(separator, first + 3);
        const qsizetype last = line.lastIndexOf(separator);
        const DrillKind kind = drillKindNamed(line.left(first));
        const QStringList nationalities =
            line.mid(first + 3, second - first - 3).split(QStringLiteral(", "));
        const Weights lower = parsePool(line.mid(second + 3, last - second - 3));
        const QString upperCell = line.mid(last + 3);
        const Weights upper =
            upperCell == QStringLiteral("same as left") ? lower : parsePool(upperCell);
        for (const QString& name : nationalities) {
            const Nationality nationality = nationalityNamed(name);
            pools.append({kind, nationality, true, lower});
            pools.append({kind, nationality, false, upper});
        }
    }
    // No key of a German keyboard types the broken bar: the German symbols drill offers "|"
    // in its place, at the same chance.
    for (PublishedPool& pool : pools) {
        if (pool.kind == DrillKind::SymbolsOnly && pool.nationality == Nationality::German) {
            if (!pool.weights.contains(kBrokenBar))
                qFatal("the transcribed German symbols lack the broken bar");
            pool.weights.insert(kBar, pool.weights.take(kBrokenBar));
        }
    }
    return pools;
}

Weights weightsOf(std::span<const PoolEntry> pool) {
    Weights weights;
    for (const PoolEntry& entry : pool)
        weights[entry.code] += entry.sixths;
    return weights;
}

// What differs between the pool and the table, key by key, in the table's own terms.
QString differences(const Weights& actual, const Weights& expected) {
    QStringList out;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (!actual.contains(it.key()))
            out << QStringLiteral("%1 missing").arg(characterName(it.key()));
        else if (actual.value(it.key()) != it.value())
            out << QStringLiteral("%1 weighs %2 sixths, the table says %3")
                       .arg(characterName(it.key()))
                       .arg(actual.value(it.key()))
                       .arg(it.value());
    }
    for (auto it = actual.cbegin(); it != actual.cend(); ++it)
        if (!expected.contains(it.key()))
            out << QStringLiteral("%1 not in the table").arg(characterName(it.key()));
    return out.join(QStringLiteral("; "));
}

// Each drill kind that draws, with each keyboard and each letter-case setting.
template <typename Row>
void forEveryDrawingPool(Row&& row) {
    for (int kind = 0; kind < kDrillKindCount; ++kind) {
        if (static_cast<DrillKind>(kind) == DrillKind::ChooseYourOwnKeys)
            continue;
        for (Nationality nationality : kAllNationalities)
            for (bool lowerCaseOnly : {true, false})
                row(static_cast<DrillKind>(kind), nationality, lowerCaseOnly);
    }
}

ChooserSettings ownKeys(const QByteArray& list, int position,
                        Nationality nationality = Nationality::EnglishUS) {
    ChooserSettings settings;
    settings.kind = DrillKind::ChooseYourOwnKeys;
    settings.nationality = nationality;
    settings.customKeys = list;
    settings.setPresses = position;
    return settings;
}

// The target a drill shows after the student's own key "x" on an English US keyboard.
CurrentKey keyAfterX() {
    NextKeyChooser chooser(1);
    ChooserSettings settings = ownKeys("x", 0);
    return chooser.choose(settings, CurrentKey{}, QString()).key;
}

void compareKeys(const CurrentKey& actual, const CurrentKey& expected) {
    QCOMPARE(actual.code, expected.code);
    QCOMPARE(actual.character, expected.character);
    QCOMPARE(actual.label, expected.label);
    QCOMPARE(actual.rect, expected.rect);
    QCOMPARE(actual.labelPoint, expected.labelPoint);
    QCOMPARE(actual.leftShift, expected.leftShift);
    QCOMPARE(actual.rightShift, expected.rightShift);
    QCOMPARE(actual.altGr, expected.altGr);
    QCOMPARE(actual.deadAcute, expected.deadAcute);
    QCOMPARE(actual.deadGrave, expected.deadGrave);
    QCOMPARE(actual.leftHand, expected.leftHand);
    QCOMPARE(actual.rightHand, expected.rightHand);
}

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

} // namespace

class tst_NextKeyChooser : public QObject {
    Q_OBJECT

private slots:
    void poolsMatchThePublishedTable_data();
    void poolsMatchThePublishedTable();
    void doEverythingOnOtherKeyboardsOffersEachOfTheirKeys_data();
    void doEverythingOnOtherKeyboardsOffersEachOfTheirKeys();
    void everyPoolKeyIsOnItsKeyboard();
    void drawsFollowThePoolWeights_data();
    void drawsFollowThePoolWeights();
    void numbersOnlyDrawsDigitsOnEveryKeyboard_data();
    void numbersOnlyDrawsDigitsOnEveryKeyboard();
    void doEverythingTurnsUpperCaseOn_data();
    void doEverythingTurnsUpperCaseOn();
    void otherDrillsKeepTheLetterCase();
    void ownKeysFollowTheListByPosition_data();
    void ownKeysFollowTheListByPosition();
    void ownKeyMissingFromTheKeyboardMarksNoKey_data();
    void ownKeyMissingFromTheKeyboardMarksNoKey();
    void lookUpFillsTheCurrentKey_data();
    void lookUpFillsTheCurrentKey();
    void guidanceFollowsTheKey_data();
    void guidanceFollowsTheKey();
    void sameSeedDrawsTheSameSequence();
    void consecutiveDrawsAreNotStuck();
    void targetPanelText_data();
    void targetPanelText();
    void targetPanelFontColour_data();
    void targetPanelFontColour();
};

void tst_NextKeyChooser::poolsMatchThePublishedTable_data() {
    QTest::addColumn<DrillKind>("kind");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<bool>("lowerCaseOnly");
    QTest::addColumn<Weights>("expected");
    for (const PublishedPool& pool : publishedPools())
        QTest::newRow(poolName(pool.kind, pool.nationality, pool.lowerCaseOnly).constData())
            << pool.kind << pool.nationality << pool.lowerCaseOnly << pool.weights;
}

void tst_NextKeyChooser::poolsMatchThePublishedTable() {
    QFETCH(DrillKind, kind);
    QFETCH(Nationality, nationality);
    QFETCH(bool, lowerCaseOnly);
    QFETCH(Weights, expected);
    const QString wrong =
        differences(weightsOf(keyPool(kind, nationality, lowerCaseOnly).entries), expected);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void tst_NextKeyChooser::doEverythingOnOtherKeyboardsOffersEachOfTheirKeys_data() {
    QTest::addColumn<Nationality>("nationality");
    for (Nationality nationality :
         {Nationality::Spanish, Nationality::German, Nationality::Italian, Nationality::French})
        QTest::newRow(nationalityName(nationality)) << nationality;
}

// The drills menu offers Do Everything only on the English keyboards, where it is every key of
// the keyboard. Should another keyboard ask for it, it gets every key of its own.
void tst_NextKeyChooser::doEverythingOnOtherKeyboardsOffersEachOfTheirKeys() {
    QFETCH(Nationality, nationality);
    Weights everyKey;
    for (int code = 1; code <= 166; ++code)
        if (keyEntry(static_cast<KeyCode>(code), nationality))
            everyKey[code] = kCommonWeight;
    for (bool lowerCaseOnly : {true, false}) {
        const QString wrong = differences(
            weightsOf(keyPool(DrillKind::DoEverything, nationality, lowerCaseOnly).entries),
            everyKey);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
}

void tst_NextKeyChooser::everyPoolKeyIsOnItsKeyboard() {
    forEveryDrawingPool([](DrillKind kind, Nationality nationality, bool lowerCaseOnly) {
        for (const PoolEntry& entry : keyPool(kind, nationality, lowerCaseOnly).entries) {
            QVERIFY2(keyEntry(entry.code, nationality).has_value(),
                     qPrintable(QStringLiteral("%1: %2 has no key")
                                    .arg(QLatin1String(poolName(kind, nationality, lowerCaseOnly)),
                                         characterName(entry.code))));
        }
    });
}

void tst_NextKeyChooser::drawsFollowThePoolWeights_data() {
    QTest::addColumn<DrillKind>("kind");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<bool>("lowerCaseOnly");
    forEveryDrawingPool([](DrillKind kind, Nationality nationality, bool lowerCaseOnly) {
        QTest::newRow(poolName(kind, nationality, lowerCaseOnly).constData())
            << kind << nationality << lowerCaseOnly;
    });
}

// 100,000 draws per pool: each key's count lies within five standard deviations of its
// expected count (the binomial spread). With some 5,000 keys checked, a sound draw stays inside
// by chance all but once in several hundred seeds, while a weight off by a third of the common
// chance moves a count by eight or more deviations.
void tst_NextKeyChooser::drawsFollowThePoolWeights() {
    QFETCH(DrillKind, kind);
    QFETCH(Nationality, nationality);
    QFETCH(bool, lowerCaseOnly);
    constexpr int kDraws = 100'000;
    const Weights weights = weightsOf(keyPool(kind, nationality, lowerCaseOnly).entries);
    int total = 0;
    for (int sixths : weights)
        total += sixths;

    NextKeyChooser chooser(20260607);
    std::array<int, 1 << 16> counts{};
    for (int draw = 0; draw < kDraws; ++draw)
        ++counts[chooser.drawKeyCode(kind, nationality, lowerCaseOnly)];

    for (std::size_t code = 0; code < counts.size(); ++code) {
        if (counts[code] != 0 && !weights.contains(int(code)))
            QFAIL(qPrintable(
                QStringLiteral("drew %1, not in the pool").arg(characterName(int(code)))));
    }
    for (auto it = weights.cbegin(); it != weights.cend(); ++it) {
        const double chance = double(it.value()) / total;
        const double expected = kDraws * chance;
        const double deviation = std::sqrt(kDraws * chance * (1 - chance));
        const int count = counts[it.key()];
        QVERIFY2(std::abs(count - expected) <= 5 * deviation,
                 qPrintable(QStringLiteral("%1 drawn %2 times, expected %3 ± %4")
                                .arg(characterName(it.key()))
                                .arg(count)
                                .arg(expected, 0, 'f', 0)
                                .arg(5 * deviation, 0, 'f', 0)));
    }
}

void tst_NextKeyChooser::numbersOnlyDrawsDigitsOnEveryKeyboard_data() {
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<bool>("lowerCaseOnly");
    for (Nationality nationality : kAllNationalities) {
        QTest::addRow("%s, lower case only", nationalityName(nationality)) << nationality << true;
        QTest::addRow("%s, upper case included", nationalityName(nationality))
            << nationality << false;
    }
}

void tst_NextKeyChooser::numbersOnlyDrawsDigitsOnEveryKeyboard() {
    QFETCH(Nationality, nationality);
    QFETCH(bool, lowerCaseOnly);
    NextKeyChooser chooser(7);
    ChooserSettings settings;
    settings.kind = DrillKind::NumbersOnly;
    settings.nationality = nationality;
    settings.lowerCaseOnly = lowerCaseOnly;
    QSet<AnsiChar> seen;
    for (int draw = 0; draw < 500; ++draw) {
        const CurrentKey key = chooser.choose(settings, CurrentKey{}, QString()).key;
        QVERIFY2(key.character >= '0' && key.character <= '9',
                 qPrintable(QStringLiteral("drew %1").arg(fromWindows1252(key.character))));
        QCOMPARE(key.rect.top, 14); // the number row
        seen.insert(key.character);
    }
    QCOMPARE(int(seen.size()), 10);
    QCOMPARE(settings.lowerCaseOnly, lowerCaseOnly);
}

void tst_NextKeyChooser::doEverythingTurnsUpperCaseOn_data() {
    QTest::addColumn<Nationality>("nationality");
    QTest::newRow("English US") << Nationality::EnglishUS;
    QTest::newRow("English UK") << Nationality::EnglishUK;
}

void tst_NextKeyChooser::doEverythingTurnsUpperCaseOn() {
    QFETCH(Nationality, nationality);
    NextKeyChooser chooser(11);
    ChooserSettings settings;
    settings.kind = DrillKind::DoEverything;
    settings.nationality = nationality;
    settings.lowerCaseOnly = true;
    chooser.choose(settings, CurrentKey{}, QString());
    QVERIFY(!settings.lowerCaseOnly);

    bool capitalDrawn = false;
    for (int draw = 0; draw < 1000 && !capitalDrawn; ++draw) {
        settings.lowerCaseOnly = true;
        const AnsiChar character = chooser.choose(settings, CurrentKey{}, QString()).key.character;
        capitalDrawn = character >= 'A' && character <= 'Z';
    }
    QVERIFY(capitalDrawn);
}

void tst_NextKeyChooser::otherDrillsKeepTheLetterCase() {
    NextKeyChooser chooser(12);
    ChooserSettings settings;
    settings.kind = DrillKind::AllThreeRows;
    settings.lowerCaseOnly = true;
    for (int draw = 0; draw < 1000; ++draw) {
        const AnsiChar character = chooser.choose(settings, CurrentKey{}, QString()).key.character;
        QVERIFY(!(character >= 'A' && character <= 'Z'));
    }
    QVERIFY(settings.lowerCaseOnly);
}

void tst_NextKeyChooser::ownKeysFollowTheListByPosition_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("position");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<int>("expectedCode"); // 0: the previous key "x" stays
    const auto us = Nationality::EnglishUS;
    QTest::newRow("first character") << QByteArray("aS;") << 0 << us << 1;
    QTest::newRow("second character") << QByteArray("aS;") << 1 << us << 102;
    QTest::newRow("third character") << QByteArray("aS;") << 2 << us << 10;
    QTest::newRow("tenth character") << QByteArray("abcdefghi%") << 9 << us << 53;
    QTest::newRow("national character") << QByteArray("a\xf1") << 1 << Nationality::Spanish << 166;
    QTest::newRow("space has no key code") << QByteArray("a b") << 1 << us << 0;
    QTest::newRow("euro sign has no key code") << QByteArray("a\x80") << 1 << us << 0;
    QTest::newRow("past the end of the list") << QByteArray("aB") << 2 << us << 0;
    QTest::newRow("far past the end") << QByteArray("aB") << 30 << us << 0;
    QTest::newRow("negative position") << QByteArray("aB") << -1 << us << 0;
    QTest::newRow("empty list") << QByteArray() << 0 << us << 0;
}

void tst_NextKeyChooser::ownKeysFollowTheListByPosition() {
    QFETCH(QByteArray, list);
    QFETCH(int, position);
    QFETCH(Nationality, nationality);
    QFETCH(int, expectedCode);
    const CurrentKey previous = keyAfterX();
    NextKeyChooser chooser(2);
    ChooserSettings settings = ownKeys(list, position, nationality);
    const ChosenKey chosen = chooser.choose(settings, previous, QStringLiteral("Ann"));
    if (expectedCode == 0) {
        compareKeys(chosen.key, previous);
        return;
    }
    QCOMPARE(int(chosen.key.code), expectedCode);
    QCOMPARE(int(chosen.key.character), int(characterOfKeyCode(chosen.key.code)));
    QCOMPARE(chosen.key.label, chosen.key.character);
}

void tst_NextKeyChooser::ownKeyMissingFromTheKeyboardMarksNoKey_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<bool>("leftHand"); // characters from Space to "~" keep their hand
    QTest::addColumn<int>("code");      // the character's key code, the same on every keyboard
    QTest::newRow("broken bar on German")
        << QByteArray("\xa6") << Nationality::German << false << 150;
    QTest::newRow("a acute on English UK")
        << QByteArray("\xe1") << Nationality::EnglishUK << false << 127;
    QTest::newRow("grave accent on French") << QByteArray("`") << Nationality::French << true << 48;
    QTest::newRow("tilde on Spanish") << QByteArray("~") << Nationality::Spanish << true << 49;
}

// The student's list may hold a character whose key this keyboard lacks. It is still the target,
// but no key is marked, no modifier is asked for and no sentence is written; only a character
// from Space to "~" has a hand, the one that types it on English US.
void tst_NextKeyChooser::ownKeyMissingFromTheKeyboardMarksNoKey() {
    QFETCH(QByteArray, list);
    QFETCH(Nationality, nationality);
    QFETCH(bool, leftHand);
    CurrentKey previous = keyAfterX();
    previous.rightShift = true;
    NextKeyChooser chooser(3);
    ChooserSettings settings = ownKeys(list, 0, nationality);
    const ChosenKey chosen = chooser.choose(settings, previous, QStringLiteral("Ann"));
    const auto character = static_cast<AnsiChar>(list.at(0));
    QTEST(int(chosen.key.code), "code");
    QCOMPARE(chosen.key.character, character);
    QCOMPARE(chosen.key.label, AnsiChar{0});
    QCOMPARE(chosen.key.rect, KeyRect{});
    QCOMPARE(chosen.key.labelPoint, LabelPoint{});
    QVERIFY(!chosen.key.rightShift);
    QCOMPARE(chosen.key.leftHand, leftHand);
    QVERIFY(!chosen.key.rightHand);
    QVERIFY(!chosen.guidance.has_value());
}

void tst_NextKeyChooser::lookUpFillsTheCurrentKey_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<KeyRect>("rect");
    QTest::addColumn<LabelPoint>("labelPoint");
    QTest::addColumn<QString>("modifiers"); // LS RS AG acute grave
    QTest::addColumn<QString>("hand");
    const auto us = Nationality::EnglishUS;
    const auto es = Nationality::Spanish;
    const auto de = Nationality::German;
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    // Rectangles and label points of the published slot table.
    const KeyRect h0{81, 98, 113, 136}, h5{266, 98, 298, 136}, t0{70, 56, 102, 94},
        t2{144, 56, 176, 94}, t5{255, 56, 287, 94}, t8{366, 56, 398, 94}, t10{440, 56, 472, 94},
        b0{63, 140, 95, 178}, b1{101, 140, 133, 178}, b8narrow{358, 140, 391, 178},
        b8{359, 140, 391, 178}, n1{52, 14, 84, 52};
    QTest::newRow("a, English US")
        << QByteArray("a") << us << h0 << LabelPoint{91, 100} << s("") << s("L");
    QTest::newRow("A, English US")
        << QByteArray("A") << us << h0 << LabelPoint{91, 100} << s("RS") << s("L");
    QTest::newRow("H, English US")
        << QByteArray("H") << us << h5 << LabelPoint{275, 100} << s("LS") << s("R");
    QTest::newRow("<, English US")
        << QByteArray("<") << us << b8narrow << LabelPoint{374, 149} << s("LS") << s("R");
    QTest::newRow("Z, German") << QByteArray("Z") << de << t5 << LabelPoint{265, 58} << s("LS")
                               << s("R");
    QTest::newRow("Y, German") << QByteArray("Y") << de << b1 << LabelPoint{111, 142} << s("RS")
                               << s("L");
    QTest::newRow("@, German") << QByteArray("@") << de << t0 << LabelPoint{79, 58} << s("AG")
                               << s("L");
    QTest::newRow("|, German") << QByteArray("|") << de << b0 << LabelPoint{76, 147} << s("AG")
                               << s("L");
    QTest::newRow(";, Spanish") << QByteArray(";") << es << b8 << LabelPoint{374, 149} << s("LS")
                                << s("R");
    QTest::newRow("é, Spanish") << QByteArray("\xe9") << es << t2 << LabelPoint{156, 58}
                                << s("acute") << s("L");
    QTest::newRow("Á, Spanish") << QByteArray("\xc1") << es << h0 << LabelPoint{91, 100}
                                << s("RS acute") << s("L");
    QTest::newRow("ò, Spanish") << QByteArray("\xf2") << es << t8 << LabelPoint{376, 58}
                                << s("grave") << s("R");
    QTest::newRow("{, Italian") << QByteArray("{") << Nationality::Italian << t10
                                << LabelPoint{454, 65} << s("LS AG") << s("R");
    QTest::newRow(";, French") << QByteArray(";") << Nationality::French << b8narrow
                               << LabelPoint{374, 149} << s("") << s("R");
    QTest::newRow("1, French") << QByteArray("1") << Nationality::French << n1 << LabelPoint{64, 30}
                               << s("RS") << s("L");
}

void tst_NextKeyChooser::lookUpFillsTheCurrentKey() {
    QFETCH(QByteArray, list);
    QFETCH(Nationality, nationality);
    QFETCH(KeyRect, rect);
    QFETCH(LabelPoint, labelPoint);
    QFETCH(QString, modifiers);
    QFETCH(QString, hand);
    // The previous key asked for every modifier: the new key clears what it does not need.
    CurrentKey previous = keyAfterX();
    previous.leftShift = previous.rightShift = previous.altGr = true;
    previous.deadAcute = previous.deadGrave = true;
    previous.leftHand = previous.rightHand = true;
    NextKeyChooser chooser(4);
    ChooserSettings settings = ownKeys(list, 0, nationality);
    const CurrentKey key = chooser.choose(settings, previous, QString()).key;
    const auto character = static_cast<AnsiChar>(list.at(0));
    QCOMPARE(key.character, character);
    QCOMPARE(key.label, character);
    QCOMPARE(key.rect, rect);
    QCOMPARE(key.labelPoint, labelPoint);
    const QStringList wanted = modifiers.split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(key.leftShift, wanted.contains(QStringLiteral("LS")));
    QCOMPARE(key.rightShift, wanted.contains(QStringLiteral("RS")));
    QCOMPARE(key.altGr, wanted.contains(QStringLiteral("AG")));
    QCOMPARE(key.deadAcute, wanted.contains(QStringLiteral("acute")));
    QCOMPARE(key.deadGrave, wanted.contains(QStringLiteral("grave")));
    QCOMPARE(key.leftHand, hand == QStringLiteral("L"));
    QCOMPARE(key.rightHand, hand == QStringLiteral("R"));
}

void tst_NextKeyChooser::guidanceFollowsTheKey_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<bool>("namesTheStudent");
    QTest::newRow("l, English US") << QByteArray("l") << Nationality::EnglishUS << true;
    QTest::newRow(";, English UK") << QByteArray(";") << Nationality::EnglishUK << true;
    QTest::newRow("q, French") << QByteArray("q") << Nationality::French << false;
    QTest::newRow("é, Spanish (no sentence)")
        << QByteArray("\xe9") << Nationality::Spanish << false;
}

void tst_NextKeyChooser::guidanceFollowsTheKey() {
    QFETCH(QByteArray, list);
    QFETCH(Nationality, nationality);
    QFETCH(bool, namesTheStudent);
    const QString student = QStringLiteral("Maria");
    NextKeyChooser chooser(5);
    ChooserSettings settings = ownKeys(list, 0, nationality);
    const ChosenKey chosen = chooser.choose(settings, keyAfterX(), student);
    const auto expected = fingerGuidance(chosen.key.code, nationality, student);
    QCOMPARE(chosen.guidance, expected);
    if (namesTheStudent)
        QVERIFY(chosen.guidance.value_or(QString()).contains(student));
}

void tst_NextKeyChooser::sameSeedDrawsTheSameSequence() {
    NextKeyChooser first(424242);
    NextKeyChooser second(424242);
    NextKeyChooser other(424243);
    ChooserSettings settings;
    settings.kind = DrillKind::DoEverything;
    settings.nationality = Nationality::EnglishUK;
    QList<KeyCode> firstCodes, secondCodes, otherCodes;
    for (int draw = 0; draw < 1000; ++draw) {
        firstCodes << first.choose(settings, CurrentKey{}, QString()).key.code;
        secondCodes << second.choose(settings, CurrentKey{}, QString()).key.code;
        otherCodes << other.choose(settings, CurrentKey{}, QString()).key.code;
    }
    QCOMPARE(firstCodes, secondCodes);
    QVERIFY(firstCodes != otherCodes);
}

// Draws made in quick succession must not repeat one key: a generator seeded anew from a clock
// before every draw would give the same key for as long as the clock shows the same value.
void tst_NextKeyChooser::consecutiveDrawsAreNotStuck() {
    NextKeyChooser chooser;
    ChooserSettings settings;
    settings.kind = DrillKind::HomeRowOnly;
    QSet<KeyCode> seen;
    KeyCode last = 0;
    int run = 0;
    int longestRun = 0;
    for (int draw = 0; draw < 2000; ++draw) {
        const KeyCode code = chooser.choose(settings, CurrentKey{}, QString()).key.code;
        run = code == last ? run + 1 : 1;
        longestRun = std::max(longestRun, run);
        last = code;
        seen.insert(code);
    }
    QCOMPARE(int(seen.size()), 10);
    QVERIFY2(longestRun <= 8,
             qPrintable(QStringLiteral("one key %1 times in a row").arg(longestRun)));
}

void tst_NextKeyChooser::targetPanelText_data() {
    QTest::addColumn<int>("character");
    QTest::addColumn<QString>("text");
    QTest::newRow("ampersand doubled") << int('&') << QStringLiteral("&&");
    QTest::newRow("letter") << int('a') << QStringLiteral("a");
    QTest::newRow("capital N tilde") << 0xD1 << QString::fromUtf8("Ñ");
    QTest::newRow("broken bar") << 0xA6 << QString::fromUtf8("¦");
    QTest::newRow("no character") << 0 << QString();
}

void tst_NextKeyChooser::targetPanelText() {
    QFETCH(int, character);
    QFETCH(QString, text);
    QCOMPARE(kf::targetPanelText(static_cast<AnsiChar>(character)), text);
}

void tst_NextKeyChooser::targetPanelFontColour_data() {
    QTest::addColumn<int>("character");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<QRgb>("panel");
    QTest::addColumn<QRgb>("colour");
    const auto us = Nationality::EnglishUS;
    const auto de = Nationality::German;
    QTest::newRow("A") << int('A') << us << kWhite << kRed;
    QTest::newRow("Z on a black panel") << int('Z') << us << kBlack << kRed;
    QTest::newRow("a") << int('a') << us << kWhite << kBlack;
    QTest::newRow("a on a black panel") << int('a') << us << kBlack << kWhite;
    QTest::newRow("a on a transparent black panel") << int('a') << us << QRgb(0) << kWhite;
    QTest::newRow("a on a nearly black panel") << int('a') << us << qRgb(0, 0, 1) << kBlack;
    QTest::newRow("a on a green panel") << int('a') << us << qRgb(0, 128, 0) << kBlack;
    QTest::newRow("Ñ") << 0xD1 << Nationality::Spanish << kWhite << kRed;
    QTest::newRow("ñ") << 0xF1 << Nationality::Spanish << kWhite << kBlack;
    QTest::newRow("Ö, German") << 0xD6 << de << kWhite << kRed;
    QTest::newRow("Ü, German") << 0xDC << de << kWhite << kRed;
    QTest::newRow("Ä, German") << 0xC4 << de << kWhite << kRed;
    QTest::newRow("ö, German") << 0xF6 << de << kWhite << kBlack;
    QTest::newRow("Ö, Spanish") << 0xD6 << Nationality::Spanish << kWhite << kBlack;
    QTest::newRow("Á, Spanish") << 0xC1 << Nationality::Spanish << kBlack << kWhite;
    QTest::newRow("& on a black panel") << int('&') << us << kBlack << kBlack;
    QTest::newRow("1 on a black panel") << int('1') << us << kBlack << kWhite;
}

void tst_NextKeyChooser::targetPanelFontColour() {
    QFETCH(int, character);
    QFETCH(Nationality, nationality);
    QFETCH(QRgb, panel);
    QFETCH(QRgb, colour);
    QCOMPARE(kf::targetPanelFontColour(static_cast<AnsiChar>(character), nationality, panel),
             colour);
}

QTEST_GUILESS_MAIN(tst_NextKeyChooser)
#include "tst_NextKeyChooser.moc"
