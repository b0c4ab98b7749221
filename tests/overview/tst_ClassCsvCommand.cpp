// SPDX-License-Identifier: GPL-3.0-or-later
// The program run from a shell as "keyfarer --class-csv [FOLDER]", with no display at all.
#include "tests/common/FileBytes.h"
#include "tests/overview/ClassTestFolder.h"

#include <QProcess>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
               const QList<std::pair<QString, QString>>& variables = {}, int mostMs = 30000) {
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
    if (!program.waitForFinished(mostMs)) {
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
    void hostileFilesGiveRowsAtOnce();
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
    QVERIFY(run.out.contains("\r\n\"Zo\xc3\xab, Lee\",1000,92,95,17,k,3,85 90 92,23,50,,\r\n"));
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

// Files no running copy would make, in a folder anyone in the class may write to: the command
// still ends at once with a row for each, and nothing a name holds can run in a spreadsheet or
// drive the terminal.
void tst_ClassCsvCommand::hostileFilesGiveRowsAtOnce() {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(QStringLiteral("Zero.stu"))));
    QVERIFY(QFile::link(QStringLiteral("/dev/stdin"), folder.filePath(QStringLiteral("In.stu"))));
    QCOMPARE(
        ::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("Pipe.stu"))).constData(), 0600),
        0);
    QFile sparse(folder.filePath(QStringLiteral("Huge.stu")));
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(30) << 30));
    sparse.close();
    for (const QString& name :
         {QStringLiteral("=cmd|' -C calc'!A0.stu"), QStringLiteral("\x1b]0;owned\x07Esc.stu")}) {
        QFile f(folder.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(ann().bytes()) == ann().bytes().size());
    }
    // A name from a system that wrote Latin-1: listed, and told what to do.
    const QByteArray latin1 = QFile::encodeName(dir.path()) + "/Lat\xe9.stu";
    const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    QTemporaryDir home;

    const Run run = runProgram({QStringLiteral("--class-csv"), dir.path()}, home.path(),
                               QStringLiteral("C"), {}, 5000);
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);
    const QString csv = QString::fromUtf8(run.out);
    for (const char* unreadable : {"Huge", "In", "Pipe", "Zero"})
        QVERIFY2(csv.contains(QLatin1String(unreadable) + QStringLiteral(",unreadable file")),
                 unreadable);
    QVERIFY(csv.contains(QStringLiteral("\r\n'=cmd|' -C calc'!A0,") + kAnnCsvFigures));
    QVERIFY(!run.out.contains('\x1b') && !run.out.contains('\x07'));
    QVERIFY(csv.contains(QStringLiteral("\r\nLat\uFFFD,name not in UTF-8: rename the file,")));
}

QTEST_GUILESS_MAIN(tst_ClassCsvCommand)
#include "tst_ClassCsvCommand.moc"
