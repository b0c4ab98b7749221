// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/TroubleKeys.h"
#include "students/ClassGoals.h"
#include "students/JournalReader.h"
#include "students/PressJournal.h"
#include "tests/common/FileBytes.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using namespace kf;

// Which keys hold a student back, from presses written to a real journal, and the class goals
// they are measured against, as a second running copy reads them.
class tst_TroubleKeys : public QObject {
    Q_OBJECT

private slots:
    void keysAreRankedAgainstTheGoals_data();
    void keysAreRankedAgainstTheGoals();
    void historyHoldsTheLastSetsThatHadTheKey();
    void goalsAreReadByASecondCopy_data();
    void goalsAreReadByASecondCopy();
};

namespace {

// Sets written as words: "f600" a hit of f in 600 ms, "jx" j missed with an x.
std::map<int, KeyTrend> journalled(const QStringList& sets) {
    QTemporaryDir dir;
    const QString path = PressJournal::pathFor(dir.path(), QStringLiteral("Pat"));
    PressJournal journal;
    for (const QString& set : sets) {
        for (const QString& word : set.split(u' ', Qt::SkipEmptyParts)) {
            JournalPress press;
            press.target = word[0].toLatin1();
            press.hit = word[1].isDigit();
            press.typed = press.hit ? press.target : word[1].toLatin1();
            press.reactionMs = press.hit ? word.mid(1).toInt() : 900;
            journal.add(press);
        }
        journal.closeSet();
    }
    journal.write(path);
    return JournalReader(path).keyTrends();
}

QStringList repeated(const QString& set, int times) {
    QStringList sets;
    for (int i = 0; i < times; ++i)
        sets << set;
    return sets;
}

QString keysOf(const std::vector<int>& keys) {
    QString out;
    for (int key : keys)
        out += QChar(key);
    return out;
}

} // namespace

void tst_TroubleKeys::keysAreRankedAgainstTheGoals_data() {
    QTest::addColumn<QStringList>("sets");
    QTest::addColumn<int>("wordsPerMinute");
    QTest::addColumn<QString>("trouble");
    // 35 words a minute is 343 ms a key; 20 is 600 ms.
    QTest::newRow("the slow key holds back")
        << repeated(QStringLiteral("f600 j300 d200"), 3) << 35 << QStringLiteral("f");
    QTest::newRow("a miss in five is below 95 %")
        << repeated(QStringLiteral("f200 f200 f200 f200 fx j300"), 2) << 35 << QStringLiteral("f");
    QTest::newRow("weakest first")
        << repeated(QStringLiteral("f200 f200 f200 f200 fx j500 d900"), 2) << 35
        << QStringLiteral("djf");
    QTest::newRow("a key never hit is weakest")
        << repeated(QStringLiteral("kx j500"), 2) << 35 << QStringLiteral("kj");
    QTest::newRow("every key at the goal")
        << repeated(QStringLiteral("f300 j250"), 4) << 35 << QString();
    QTest::newRow("a lower goal") << repeated(QStringLiteral("f500 j300"), 2) << 20 << QString();
    // One slow set, then nine at 200 ms: a tenth a set leaves 510 ms, still slow. A plain mean of
    // the sets (280 ms) would call the key fast.
    QTest::newRow("old sets fade a tenth a set")
        << (QStringList{QStringLiteral("f1000")} + repeated(QStringLiteral("f200"), 9)) << 35
        << QStringLiteral("f");
    QTest::newRow("no presses, no trouble") << QStringList() << 35 << QString();
}

void tst_TroubleKeys::keysAreRankedAgainstTheGoals() {
    QFETCH(QStringList, sets);
    QFETCH(int, wordsPerMinute);
    QFETCH(QString, trouble);
    ClassGoals goals;
    goals.wordsPerMinute = wordsPerMinute;
    const std::vector<KeyStanding> ranked = rankKeys(journalled(sets), goals);
    QCOMPARE(keysOf(troubleKeys(ranked, 3)), trouble);
    QCOMPARE(meetsGoals(ranked), trouble.isEmpty() && !sets.isEmpty());
}

void tst_TroubleKeys::historyHoldsTheLastSetsThatHadTheKey() {
    QTemporaryDir dir;
    const QString path = PressJournal::pathFor(dir.path(), QStringLiteral("Pat"));
    PressJournal journal;
    for (int set = 1; set <= 25; ++set) {
        JournalPress press;
        press.target = set % 5 == 0 ? 'j' : 'f'; // every fifth set has no f
        press.typed = press.target;
        press.hit = true;
        press.reactionMs = 1000 + set; // tells the sets apart
        journal.add(press);
        journal.closeSet();
    }
    QCOMPARE(journal.write(path).status, JournalOutcome::Status::Written);
    const std::vector<KeySetPoint> history = keyHistory(JournalReader(path).keySets(), 'f', 16);
    QCOMPARE(history.size(), std::size_t(16));
    QCOMPARE(history.front().set, 6); // 24 back to 6, leaving out 20, 15 and 10
    QCOMPARE(history.back().set, 24);
    QCOMPARE(history.back().wordsPerMinute, wordsPerMinuteAt(1024));
    QCOMPARE(history.back().accuracy, 1.0);
}

void tst_TroubleKeys::goalsAreReadByASecondCopy_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("read");
    QTest::newRow("none: the defaults") << QByteArray() << QStringLiteral("35 95");
    QTest::newRow("set by the teacher")
        << QByteArray("[Goals]\nWordsPerMinute=40\nAccuracyPercent=90\n")
        << QStringLiteral("40 90");
    QTest::newRow("edited beyond reason")
        << QByteArray("[Goals]\nWordsPerMinute=-3\nAccuracyPercent=250\n")
        << QStringLiteral("1 100");
    QTest::newRow("not numbers") << QByteArray("[Goals]\nWordsPerMinute=fast\n")
                                 << QStringLiteral("35 95");
}

void tst_TroubleKeys::goalsAreReadByASecondCopy() {
    QFETCH(QByteArray, file);
    QFETCH(QString, read);
    QTemporaryDir dir;
    if (!file.isEmpty())
        QVERIFY(test::writeBytes(dir.filePath(QLatin1String(ClassGoals::kFileName)), file));
    // The teacher's copy writes what it read back: a second copy finds it unchanged.
    QVERIFY(ClassGoals::read(dir.path()).write(dir.path()));
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KF_PRINT_GOALS_OF"), dir.path());
    second.setProcessEnvironment(env);
    second.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(QString::fromLatin1(second.readAllStandardOutput()).trimmed(), read);
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("KF_PRINT_GOALS_OF")) {
        const ClassGoals goals = ClassGoals::read(qEnvironmentVariable("KF_PRINT_GOALS_OF"));
        std::printf("%d %d\n", goals.wordsPerMinute, goals.accuracyPercent);
        return 0;
    }
    tst_TroubleKeys test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_TroubleKeys.moc"
