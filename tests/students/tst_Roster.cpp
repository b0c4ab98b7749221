// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/Roster.h"
#include "students/StudentRecord.h"
#include "tests/common/FileBytes.h"
#include "tests/common/RecordPatterns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace kf;

class tst_Roster : public QObject {
    Q_OBJECT

private slots:
    void nameLength_data();
    void nameLength();
    void forbiddenCharacters_data();
    void forbiddenCharacters();
    void windows1252Text_data();
    void windows1252Text();
    void purgeKey_data();
    void purgeKey();
    void deletionRefusals_data();
    void deletionRefusals();
    void listingIsSortedWhateverTheFolderOrder();
    void deviceNames_data();
    void deviceNames();
    void capitalExtensionIsListed();
    void aNameNeverReachesAnotherStudentsFile();
    void emptyFolderHasNoStudents();
    void createWritesOneDefaultRecord();
    void createNeverTouchesAnExistingFile_data();
    void createNeverTouchesAnExistingFile();
    void createInAnImpossibleFolderLeavesNothing();
    void createInAReadOnlyFolderLeavesNothing();
    void removeDeletesOnlyThatFile();
    void removingAVanishedFileIsNoError();
};

namespace {

using test::readBytes;
using test::recordBytes;
using test::writeBytes;

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// A record unlike a new one in nearly every byte.
StudentRecord scribbled() {
    return test::patternedRecord(5, 13);
}

} // namespace

void tst_Roster::nameLength_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    const QString forty(40, QLatin1Char('k'));
    QTest::newRow("1") << QStringLiteral("a") << QStringLiteral("a") << false;
    QTest::newRow("2") << QStringLiteral("ab") << QStringLiteral("ab") << true;
    QTest::newRow("40") << forty << forty << true;
    QTest::newRow("41") << forty + QLatin1Char('k') << forty + QLatin1Char('k') << false;
    QTest::newRow("empty") << QString() << QString() << false;
    QTest::newRow("only blanks") << QStringLiteral("      ") << QString() << false;
    QTest::newRow("blanks around 2") << QStringLiteral("   ab  ") << QStringLiteral("ab") << true;
    QTest::newRow("blanks around 1") << QStringLiteral("  a   ") << QStringLiteral("a") << false;
    QTest::newRow("blanks around 40")
        << QStringLiteral("  ") + forty + QStringLiteral("\t ") << forty << true;
    QTest::newRow("blank inside") << QStringLiteral(" Ann Lee ") << QStringLiteral("Ann Lee")
                                  << true;
    QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral(".") << false;
}

void tst_Roster::nameLength() {
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    const roster::NameCheck check = roster::checkUserName(typed);
    QCOMPARE(check.name, name);
    QCOMPARE(check.ok(), accepted);
    if (!accepted)
        QCOMPARE(check.problem, roster::kWrongLengthMessage);
}

void tst_Roster::forbiddenCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mentioned"); // what the message must name
    const QString all = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : all) {
        QTest::addRow("%c inside", char(c.unicode()))
            << QStringLiteral("ab") + c + QStringLiteral("cd") << QString(c);
        QTest::addRow("%c first", char(c.unicode())) << c + QStringLiteral("abc") << QString(c);
    }
    QTest::newRow("up and out") << QStringLiteral("../x") << QStringLiteral("/");
    QTest::newRow("backslash out") << QStringLiteral("..\\x") << QStringLiteral("\\");
    QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("..");
    QTest::newRow("dot dot blanks") << QStringLiteral(" .. ") << QStringLiteral("..");
    QTest::newRow("tab") << QStringLiteral("ab\tcd") << QStringLiteral("control");
    QTest::newRow("newline") << QStringLiteral("ab\ncd") << QStringLiteral("control");
    QTest::newRow("nul") << QStringLiteral("ab") + QChar(0) + QStringLiteral("cd")
                         << QStringLiteral("control");
    QTest::newRow("escape") << QStringLiteral("ab\x1b"
                                              "cd")
                            << QStringLiteral("control");
    QTest::newRow("delete") << QStringLiteral("ab\x7f"
                                              "cd")
                            << QStringLiteral("control");
    QTest::newRow("c1 control") << QStringLiteral("ab\u0085cd") << QStringLiteral("control");
}

void tst_Roster::forbiddenCharacters() {
    QFETCH(QString, typed);
    QFETCH(QString, mentioned);
    const roster::NameCheck check = roster::checkUserName(typed);
    QVERIFY(!check.ok());
    QVERIFY2(check.problem != roster::kWrongLengthMessage, qPrintable(check.problem));
    QVERIFY2(check.problem.startsWith(QStringLiteral("User name is not valid.")),
             qPrintable(check.problem));
    QVERIFY2(check.problem.contains(mentioned), qPrintable(check.problem));
}

void tst_Roster::windows1252Text_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("accents") << QStringLiteral("Zo\u00eb M\u00fcller") << true;
    QTest::newRow("n tilde") << QStringLiteral("Nu\u00f1ez") << true;
    QTest::newRow("euro sign") << QStringLiteral("\u20acuro") << true;
    QTest::newRow("s caron") << QStringLiteral("\u0160ime") << true;
    QTest::newRow("three dots") << QStringLiteral("...") << true;
    QTest::newRow("greek") << QStringLiteral("\u03a9mega") << false;
    QTest::newRow("l stroke") << QStringLiteral("\u0141ukasz") << false;
    QTest::newRow("cyrillic") << QStringLiteral("\u0418\u0432\u0430\u043d") << false;
    QTest::newRow("emoji") << QStringLiteral("Ann \U0001F600") << false;
}

void tst_Roster::windows1252Text() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    const roster::NameCheck check = roster::checkUserName(typed);
    QCOMPARE(check.ok(), accepted);
    if (!accepted) {
        QVERIFY(check.problem != roster::kWrongLengthMessage);
        QVERIFY2(check.problem.contains(QStringLiteral("cannot be used")),
                 qPrintable(check.problem));
    }
}

void tst_Roster::purgeKey_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exact") << QStringLiteral("RosterPurgeKey") << true;
    QTest::newRow("lower case") << QStringLiteral("rosterpurgekey") << false;
    QTest::newRow("blank before") << QStringLiteral(" RosterPurgeKey") << false;
    QTest::newRow("blank after") << QStringLiteral("RosterPurgeKey ") << false;
    QTest::newRow("one short") << QStringLiteral("RosterPurgeKe") << false;
    QTest::newRow("empty") << QString() << false;
}

void tst_Roster::purgeKey() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QCOMPARE(roster::isPurgeKey(typed), accepted);
}

void tst_Roster::deletionRefusals_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("listed");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("refusal");
    const QString last = QStringLiteral("You cannot delete the last username on the list.");
    const QString inUse =
        QStringLiteral("You cannot delete the username you are currently using. ");
    QTest::newRow("last, not current") << QStringLiteral("Ann") << 1 << QString() << last;
    QTest::newRow("last and current")
        << QStringLiteral("Ann") << 1 << QStringLiteral("Ann") << last;
    QTest::newRow("current") << QStringLiteral("Ann") << 3 << QStringLiteral("Ann") << inUse;
    QTest::newRow("other") << QStringLiteral("Bob") << 3 << QStringLiteral("Ann") << QString();
    QTest::newRow("other, differs in case")
        << QStringLiteral("ann") << 2 << QStringLiteral("Ann") << QString();
    QTest::newRow("no user yet") << QStringLiteral("Bob") << 2 << QString() << QString();
}

void tst_Roster::deletionRefusals() {
    QFETCH(QString, entry);
    QFETCH(int, listed);
    QFETCH(QString, current);
    QFETCH(QString, refusal);
    const auto got = roster::deletionRefusal(entry, listed, current);
    QCOMPARE(got.value_or(QString()), refusal);
    QCOMPARE(got.has_value(), !refusal.isEmpty());
}

void tst_Roster::listingIsSortedWhateverTheFolderOrder() {
    QTemporaryDir dir;
    // Created in an order that is neither alphabetical nor the order a directory reads back.
    for (const char* name : {"zed.stu", "Carl.stu", "ann.stu", "Bob.stu", "bea.stu", "Ann.stu",
                             "notes.txt", "old.stu.bak", "x.stu.AbCdEf", ".stu"})
        QVERIFY(writeBytes(dir.filePath(QString::fromLatin1(name)), "x"));
    const Roster roster{WorkingFolder(dir.path())};
    QCOMPARE(roster.names(),
             (QStringList{QStringLiteral("Ann"), QStringLiteral("ann"), QStringLiteral("bea"),
                          QStringLiteral("Bob"), QStringLiteral("Carl"), QStringLiteral("zed")}));
}

void tst_Roster::deviceNames_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    for (const char* name : {"CON", "prn", "Aux", "nul", "COM1", "com9", "LPT1", "lpt9", "con.txt",
                             "Com3.stu", " NUL.a.b "})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    for (const char* name : {"Connie", "COM10", "COM0", "LPT", "auxiliary", "Nula.txt", "my.con"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
}

void tst_Roster::deviceNames() {
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    const roster::NameCheck check = roster::checkUserName(typed);
    QCOMPARE(!check.ok(), refused);
    if (refused)
        QVERIFY2(check.problem.startsWith(QStringLiteral("User name is not valid.")),
                 qPrintable(check.problem));
}

void tst_Roster::capitalExtensionIsListed() {
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Bob.STU")), "x"));
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Eve.Stu")), "x"));
    const Roster roster{WorkingFolder(dir.path())};
    QVERIFY(roster.hasStudentFiles());
    QCOMPARE(roster.names(), (QStringList{QStringLiteral("Bob"), QStringLiteral("Eve")}));
    QVERIFY(roster.exists(QStringLiteral("bob")));
    QCOMPARE(roster.filePath(QStringLiteral("Bob")), dir.filePath(QStringLiteral("Bob.STU")));

    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Amy.stu")), "x"));
    QCOMPARE(roster.names(),
             (QStringList{QStringLiteral("Amy"), QStringLiteral("Bob"), QStringLiteral("Eve")}));
}

// "Ann" is meant; "ann.stu" is someone else's. Saving or deleting Ann's vanished file never
// reaches it.
void tst_Roster::aNameNeverReachesAnotherStudentsFile() {
    QTemporaryDir dir;
    const StudentRecord other = scribbled();
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("ann.stu")), recordBytes(other)));
    const QByteArray before = readBytes(dir.filePath(QStringLiteral("ann.stu")));
    const WorkingFolder folder(dir.path());
    const Roster roster{folder};
    QVERIFY(roster.filePath(QStringLiteral("Ann")) != dir.filePath(QStringLiteral("ann.stu")));
    StudentRecord ann;
    ann.applyCreateDefaults();
    QCOMPARE(StudentFile::save(studentFilePath(folder, QStringLiteral("Ann")), ann).status,
             FileOutcome::Status::Missing);
    QVERIFY(roster.remove(QStringLiteral("Ann")).done());
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("ann.stu"))), before);
    // Both files there: each name reaches its own.
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Ann.stu")), "x"));
    QCOMPARE(roster.filePath(QStringLiteral("Ann")), dir.filePath(QStringLiteral("Ann.stu")));
    QCOMPARE(roster.filePath(QStringLiteral("ann")), dir.filePath(QStringLiteral("ann.stu")));
}

void tst_Roster::emptyFolderHasNoStudents() {
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("stu")), "x"));
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Ann.stux")), "x"));
    const Roster roster{WorkingFolder(dir.path())};
    QVERIFY(!roster.hasStudentFiles());
    QVERIFY(roster.names().isEmpty());
}

void tst_Roster::createWritesOneDefaultRecord() {
    QTemporaryDir dir;
    const Roster roster{WorkingFolder(dir.path())};
    // The record in memory is the previous student's: nothing of it reaches the new file.
    StudentRecord record = scribbled();
    const mode_t mask = ::umask(022);
    QVERIFY(roster.create(QStringLiteral("Zo\u00eb"), record).done());
    ::umask(mask);
    QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("Zo\u00eb.stu")});
    const QString path = roster.filePath(QStringLiteral("Zo\u00eb"));
    // The folder's usual permissions for a new file, not the owner's alone.
    QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::ReadOther),
             QFile::ReadGroup | QFile::ReadOther);
    const QByteArray content = readBytes(path);
    QCOMPARE(content.size(), qsizetype(layout::kRecordSize));
    StudentRecord expected;
    expected.applyCreateDefaults();
    QCOMPARE(content, recordBytes(expected));
    QCOMPARE(roster.names(), QStringList{QStringLiteral("Zo\u00eb")});
}

void tst_Roster::createNeverTouchesAnExistingFile_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("typed");
    QTest::newRow("same name") << QStringLiteral("Ann.stu") << QStringLiteral("Ann");
    QTest::newRow("other letter case") << QStringLiteral("ann.stu") << QStringLiteral("ANN");
    QTest::newRow("capital extension") << QStringLiteral("Ann.STU") << QStringLiteral("Ann");
}

void tst_Roster::createNeverTouchesAnExistingFile() {
    QFETCH(QString, existing);
    QFETCH(QString, typed);
    QTemporaryDir dir;
    const QByteArray before = QByteArrayLiteral("not a record, but it is Ann's");
    QVERIFY(writeBytes(dir.filePath(existing), before));
    const Roster roster{WorkingFolder(dir.path())};
    StudentRecord record;
    const FileOutcome outcome = roster.create(typed, record);
    QCOMPARE(outcome.status, FileOutcome::Status::Exists);
    QCOMPARE(readBytes(dir.filePath(existing)), before);
    QCOMPARE(filesIn(dir.path()), QStringList{existing});
}

void tst_Roster::createInAnImpossibleFolderLeavesNothing() {
    QTemporaryDir dir;
    const QString plainFile = dir.filePath(QStringLiteral("not-a-folder"));
    QVERIFY(writeBytes(plainFile, "x"));
    for (const QString& folder : {plainFile, dir.filePath(QStringLiteral("never/made"))}) {
        const Roster roster{WorkingFolder(folder)};
        StudentRecord record;
        const FileOutcome outcome = roster.create(QStringLiteral("Ann"), record);
        QCOMPARE(outcome.status, FileOutcome::Status::Failed);
        QVERIFY2(outcome.message.contains(QStringLiteral("Ann.stu")), qPrintable(outcome.message));
    }
    QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("not-a-folder")});
}

void tst_Roster::createInAReadOnlyFolderLeavesNothing() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const bool refusesWrites = !QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    QFile::remove(folder + QStringLiteral("/probe"));
    if (!refusesWrites) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("this user writes into read-only folders (root); the impossible folder covers it");
    }
    const Roster roster{WorkingFolder(folder)};
    StudentRecord record;
    const FileOutcome outcome = roster.create(QStringLiteral("Ann"), record);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(outcome.status, FileOutcome::Status::Failed);
    QVERIFY(outcome.message.contains(QStringLiteral("Ann.stu")));
    QVERIFY(filesIn(folder).isEmpty());
}

void tst_Roster::removeDeletesOnlyThatFile() {
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Ann.stu")), "x"));
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Bob.stu")), "x"));
    const Roster roster{WorkingFolder(dir.path())};
    QVERIFY(roster.remove(QStringLiteral("Ann")).done());
    QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("Bob.stu")});
}

void tst_Roster::removingAVanishedFileIsNoError() {
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Bob.stu")), "x"));
    const Roster roster{WorkingFolder(dir.path())};
    QVERIFY(roster.remove(QStringLiteral("Ann")).done());
    QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("Bob.stu")});
}

QTEST_GUILESS_MAIN(tst_Roster)
#include "tst_Roster.moc"
