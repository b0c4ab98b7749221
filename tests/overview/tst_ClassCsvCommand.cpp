// SPDX-License-Identifier: GPL-3.0-or-later
// The program run from a shell as "keyfarer --class-csv [FOLDER]", with no display at all.
#include "tests/common/FileBytes.h"
#include "tests/overview/ClassTestFolder.h"

#include <QProcess>
#include <QTest>

using namespace kf;
using namespace kf::test;

namespace {

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    QByteArray out;
    QByteArray err;
};

// Runs the program as a cron job would: no DISPLAY, no Wayland, no platform chosen.
// The desktop speaks the language given ("C": English).
// An empty home leaves KEYFARER_HOME out.
Run runProgram(const QStringList& arguments, const QString& home,
               const QString& language = QStringLiteral("C"),
               const QList<std::pair<QString, QString>>& variables = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), language);
    env.insert(QStringLiteral("LC_ALL"), language == u"C" ? language : language + u".UTF-8");
    for (const QString& name : {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                QStringLiteral("QT_QPA_PLATFORM")})
        env.remove(name);
    env.remove(QStringLiteral("KEYFARER_HOME"));
    if (!home.isEmpty())
        env.insert(QStringLiteral("KEYFARER_HOME"), home);
    for (const auto& [name, value] : variables)
        env.insert(name, value);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/keyfarer"), arguments);
    Run run;
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.exitCode = program.exitCode();
    run.exitStatus = program.exitStatus();
    run.out = program.readAllStandardOutput();
    run.err = program.readAllStandardError();
    return run;
}

} // namespace

class tst_ClassCsvCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void writesTheFolderGiven_data();
    void writesTheFolderGiven();
    void missingFolderFails();
    void machineSettingNamesTheWorkingFolder();
    void headerSpeaksTheDesktopsLanguage();
};

void tst_ClassCsvCommand::initTestCase() {
    QVERIFY2(QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/keyfarer"))
                 .isExecutable(),
             "the program is built beside the tests");
}

void tst_ClassCsvCommand::writesTheFolderGiven_data() {
    QTest::addColumn<bool>("folderGiven");
    QTest::newRow("folder given") << true;
    QTest::newRow("the working folder") << false;
}

void tst_ClassCsvCommand::writesTheFolderGiven() {
    QFETCH(bool, folderGiven);
    ClassFolderFixture f;
    QVERIFY(f.ok);
    // A name that needs quoting and is not ASCII.
    QVERIFY(f.write(QStringLiteral("Zoë, Lee.stu"), ann().bytes()));
    const auto before = f.snapshot();
    QTemporaryDir elsewhere;

    const Run run = folderGiven
                        ? runProgram({QStringLiteral("--class-csv"), f.path()}, elsewhere.path())
                        : runProgram({QStringLiteral("--class-csv")}, f.path());
    QVERIFY2(run.exitStatus == QProcess::NormalExit, run.err.constData());
    QCOMPARE(run.exitCode, 0);
    // Listed last, quoted, in UTF-8, with Ann's figures.
    const QString zoe = QStringLiteral("\"Zo\u00EB, Lee\",") + kAnnCsvFigures;
    QCOMPARE(QString::fromUtf8(run.out), classCsv(kClassCsvRows + QStringList{zoe}));
    QVERIFY(run.out.contains("\r\n\"Zo\xc3\xab, Lee\",1000,92,95,17,k,3,85 90 92,23,50\r\n"));
    QCOMPARE(f.snapshot(), before);
    // The working folder named by KEYFARER_HOME is not made or filled when another is given.
    QVERIFY(QDir(elsewhere.path()).isEmpty());
}

void tst_ClassCsvCommand::missingFolderFails() {
    QTemporaryDir dir;
    const QString absent = dir.filePath(QStringLiteral("absent"));
    const Run run = runProgram({QStringLiteral("--class-csv"), absent}, dir.path());
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains("absent"));
    QVERIFY(!QFileInfo::exists(absent));
}

// An admin's /etc/xdg/keyfarer.conf names the class folder; a user's own settings file that
// names something unusable is passed over and reported with its name.
void tst_ClassCsvCommand::machineSettingNamesTheWorkingFolder() {
    ClassFolderFixture f;
    QVERIFY(f.ok);
    QVERIFY(f.write(QStringLiteral("Ann.stu"), ann().bytes()));
    QTemporaryDir root;
    const QString machine = root.filePath(QStringLiteral("etc/xdg"));
    const QString user = root.filePath(QStringLiteral("home/.config"));
    QVERIFY(QDir().mkpath(machine) && QDir().mkpath(user));
    QVERIFY(writeBytes(machine + QStringLiteral("/keyfarer.conf"),
                       "[General]\nWorkingFolder=" + f.path().toUtf8() + '\n'));
    QVERIFY(
        writeBytes(user + QStringLiteral("/keyfarer.conf"), "[General]\nWorkingFolder=my class\n"));
    const Run run = runProgram(
        {QStringLiteral("--class-csv")}, QString(), QStringLiteral("C"),
        {{QStringLiteral("XDG_CONFIG_DIRS"), machine}, {QStringLiteral("XDG_CONFIG_HOME"), user}});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.startsWith("Student,") && run.out.contains("\r\nAnn,"), run.out.constData());
    QVERIFY2(run.err.contains(QFile::encodeName(user + QStringLiteral("/keyfarer.conf"))) &&
                 run.err.contains("\"my class\" is not a full path"),
             run.err.constData());
}

// Only the column titles change with the desktop's language: every figure stays as it is.
void tst_ClassCsvCommand::headerSpeaksTheDesktopsLanguage() {
    ClassFolderFixture f;
    QVERIFY(f.ok);
    QVERIFY(f.write(QStringLiteral("Ann.stu"), ann().bytes()));
    QTemporaryDir home;
    const Run english = runProgram({QStringLiteral("--class-csv"), f.path()}, home.path());
    const Run german =
        runProgram({QStringLiteral("--class-csv"), f.path()}, home.path(), QStringLiteral("de_DE"));
    QCOMPARE(german.exitCode, 0);
    const qsizetype englishHeaderEnd = english.out.indexOf("\r\n");
    const qsizetype germanHeaderEnd = german.out.indexOf("\r\n");
    QVERIFY(english.out.startsWith("Student,"));
    QVERIFY2(german.out.startsWith("Sch\xc3\xbcler/in,"), german.out.left(80).constData());
    // The word for a file that cannot be read is a note, not a figure: it is said in German too.
    QByteArray germanRows = german.out.mid(germanHeaderEnd);
    QVERIFY(germanRows.contains("unlesbare Datei"));
    germanRows.replace("unlesbare Datei", "unreadable file");
    QCOMPARE(germanRows, english.out.mid(englishHeaderEnd));
}

QTEST_GUILESS_MAIN(tst_ClassCsvCommand)
#include "tst_ClassCsvCommand.moc"
