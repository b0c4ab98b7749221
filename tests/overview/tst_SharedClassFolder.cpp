// SPDX-License-Identifier: GPL-3.0-or-later
// A class folder shared through its group: what each account makes there stays readable and
// writable for the others, whatever their umask. Two pupils are two real accounts of one group,
// each running a copy of this program (as root the test switches ids with setpriv); two
// machines are two host names (unshare -u).
#include "core/WorkingFolder.h"
#include "overview/ClassFolder.h"
#include "students/FolderStudentStore.h"
#include "students/StudentRecord.h"
#include "students/StudentSettings.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace kf;

namespace {

constexpr gid_t kClassGroup = 61000;
constexpr uid_t kAnnAccount = 61001;
constexpr uid_t kBobAccount = 61002;

struct FileMode {
    mode_t mode = 0;
    gid_t group = 0;
};

FileMode modeOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {mode_t(st.st_mode & 07777), st.st_gid};
}

// One pupil's copy: takes and makes (or reads) their own student, writes a setting and a set's
// end, then takes a classmate over whose copy went away and saves them too, and lists the class
// as the overview reads it. The locks are left behind, as a copy that was switched off leaves
// them.
int actAsPupil(const QString& folder, const QString& own, const QString& classmate) {
    QTextStream out(stdout);
    FolderStudentStore store{WorkingFolder(folder)};
    for (const QString& name : {own, classmate}) {
        if (name.isEmpty())
            continue;
        StudentRecord record;
        const LockOutcome locked = store.lock(name);
        out << name << " lock " << locked.message << '\n';
        if (locked.status != LockOutcome::Status::Held)
            return 1;
        if (name == own && store.create(name, record).status != FileOutcome::Status::Exists) {
            StudentSettings(folder, name).setLanguage(QStringLiteral("de"));
        } else if (const FileOutcome read = store.load(name, record); !read.done()) {
            out << name << " read " << read.message << '\n';
            return 1;
        }
        record.setI32(0, record.i32(0) + 1);
        if (const FileOutcome saved = store.save(name, record); !saved.done()) {
            out << name << " save " << saved.message << '\n';
            return 1;
        }
    }
    for (const StudentOverview& row : classFolder::load(WorkingFolder(folder)))
        out << "row " << row.name << (row.readable ? " readable" : " unreadable") << '\n';
    out.flush();
    std::fflush(stdout);
    ::_exit(0);
}

// Takes the student and holds them until standard input closes, as a copy in use does; or, with
// hold false, only says whether the student could be taken.
int actAsDesk(const QString& folder, const QString& name, bool hold) {
    QTextStream out(stdout);
    FolderStudentStore store{WorkingFolder(folder)};
    const LockOutcome locked = store.lock(name);
    out << (locked.status == LockOutcome::Status::Held ? "held" : "refused: ") << locked.message
        << '\n';
    out.flush();
    if (hold && locked.status == LockOutcome::Status::Held) {
        QFile in;
        static_cast<void>(in.open(stdin, QIODevice::ReadOnly));
        in.readAll();
    }
    return locked.status == LockOutcome::Status::Held ? 0 : 1;
}

} // namespace

class tst_SharedClassFolder : public QObject {
    Q_OBJECT

private slots:
    void newFilesFollowTheFolder_data();
    void newFilesFollowTheFolder();
    void twoAccountsShareOneClass();
    void anotherMachinesLockIsRespectedUntilStale();

private:
    struct Run {
        int exitCode = -1;
        QString out;
    };
    Run runAs(uid_t account, const QString& program, const QStringList& arguments) const;
};

void tst_SharedClassFolder::newFilesFollowTheFolder_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("umask");
    QTest::addColumn<int>("expected");
    QTest::newRow("private folder, umask 022: as today") << 0755 << 022 << 0644;
    QTest::newRow("private folder, umask 077: as today") << 0700 << 077 << 0600;
    QTest::newRow("group-writable folder, umask 077") << 0770 << 077 << 0660;
    QTest::newRow("setgid folder, umask 077") << 02750 << 077 << 0660;
    QTest::newRow("open folder, umask 0: never world-writable") << 0777 << 0 << 0664;
}

// The student file, its settings file and its lock, made by this account.
void tst_SharedClassFolder::newFilesFollowTheFolder() {
    QFETCH(int, folderMode);
    QFETCH(int, umask);
    QFETCH(int, expected);
    QTemporaryDir dir;
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), mode_t(folderMode)), 0);
    const mode_t before = ::umask(mode_t(umask));
    FolderStudentStore store{WorkingFolder(dir.path())};
    StudentRecord record;
    const bool made = store.lock(QStringLiteral("Ann")).status == LockOutcome::Status::Held &&
                      store.create(QStringLiteral("Ann"), record).done() &&
                      store.save(QStringLiteral("Ann"), record).done();
    StudentSettings(dir.path(), QStringLiteral("Ann")).setSpeakKeys(true);
    ::umask(before);
    QVERIFY(made);
    for (const char* name : {"Ann.stu", "Ann.ini", "Ann.stu.lock"}) {
        const FileMode file = modeOf(dir.filePath(QString::fromLatin1(name)));
        QVERIFY2(
            file.mode == mode_t(expected),
            qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name)).arg(file.mode, 0, 8)));
    }
}

tst_SharedClassFolder::Run tst_SharedClassFolder::runAs(uid_t account, const QString& program,
                                                        const QStringList& arguments) const {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("C"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    // A strict umask, as some school desktops set; the child takes it over.
    const mode_t before = ::umask(077);
    process.start(QStringLiteral("setpriv"),
                  QStringList{QStringLiteral("--reuid=%1").arg(account),
                              QStringLiteral("--regid=%1").arg(kClassGroup),
                              QStringLiteral("--clear-groups"), QStringLiteral("--"), program} +
                      arguments);
    ::umask(before);
    Run run;
    if (process.waitForFinished(30000))
        run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAll());
    return run;
}

void tst_SharedClassFolder::twoAccountsShareOneClass() {
    if (::geteuid() != 0)
        QSKIP("switching between two accounts needs root");
    QTemporaryDir base;
    QCOMPARE(::chmod(QFile::encodeName(base.path()).constData(), 0755), 0);
    const QString folder = base.filePath(QStringLiteral("class"));
    const QByteArray folderName = QFile::encodeName(folder);
    QVERIFY(QDir().mkdir(folder));
    QCOMPARE(::chown(folderName.constData(), 0, kClassGroup), 0);
    QCOMPARE(::chmod(folderName.constData(), 02770), 0);
    const QString self = QCoreApplication::applicationFilePath();
    const auto pupil = [&](uid_t account, const QStringList& names) {
        return runAs(account, self, QStringList{QStringLiteral("--pupil"), folder} + names);
    };

    // Each makes a student and takes over the other's, left locked by a copy that went away.
    for (const auto& [account, names] :
         {std::pair{kAnnAccount, QStringList{QStringLiteral("Ann")}},
          std::pair{kBobAccount, QStringList{QStringLiteral("Bob"), QStringLiteral("Ann")}},
          std::pair{kAnnAccount, QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")}}}) {
        const Run run = pupil(account, names);
        QVERIFY2(run.exitCode == 0, qPrintable(run.out));
        if (names.size() > 1)
            QVERIFY2(run.out.contains(QStringLiteral("row Ann readable\nrow Bob readable\n")),
                     qPrintable(run.out));
    }
    // Ann's file was saved by each of them: twice by her, once by Bob.
    StudentRecord ann;
    QVERIFY(FolderStudentStore{WorkingFolder(folder)}.load(QStringLiteral("Ann"), ann).done());
    QCOMPARE(ann.i32(0), StudentRecord{}.i32(0) + 3);

    // The command line reads the class as either account.
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/keyfarer");
    for (const uid_t account : {kAnnAccount, kBobAccount}) {
        const Run csv = runAs(account, program, {QStringLiteral("--class-csv"), folder});
        QVERIFY2(csv.exitCode == 0, qPrintable(csv.out));
        QVERIFY2(csv.out.contains(QStringLiteral("\r\nAnn,")) &&
                     csv.out.contains(QStringLiteral("\r\nBob,")) &&
                     !csv.out.contains(QStringLiteral("unreadable")),
                 qPrintable(csv.out));
    }
    const QStringList made = QDir(folder).entryList(QDir::Files);
    QCOMPARE(made.size(), 6); // two student files, their settings and their locks
    for (const QString& name : made) {
        const FileMode file = modeOf(QDir(folder).filePath(name));
        QVERIFY2(file.group == kClassGroup && (file.mode & 0660) == 0660 && (file.mode & 0002) == 0,
                 qPrintable(QStringLiteral("%1: %2").arg(name).arg(file.mode, 0, 8)));
    }
}

// Two machines on one folder: each copy runs under a host name of its own (a UTS namespace).
void tst_SharedClassFolder::anotherMachinesLockIsRespectedUntilStale() {
    if (::geteuid() != 0)
        QSKIP("a host name of its own needs root");
    QTemporaryDir folder;
    const QString self = QCoreApplication::applicationFilePath();
    // A machine of its own: its host name, and its machine id, which the lock also records.
    const auto onDesk = [&](const QString& host, const QString& role, QProcess& process) {
        const QString id = folder.filePath(host + QStringLiteral(".machine-id"));
        QFile idFile(id);
        QVERIFY(idFile.open(QIODevice::WriteOnly));
        idFile.write(QCryptographicHash::hash(host.toUtf8(), QCryptographicHash::Md5).toHex() +
                     '\n');
        idFile.close();
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("unshare"),
                      {QStringLiteral("-m"), QStringLiteral("-u"), QStringLiteral("sh"),
                       QStringLiteral("-c"),
                       QStringLiteral("hostname \"$0\" && for f in /var/lib/dbus/machine-id "
                                      "/etc/machine-id; do [ ! -e $f ] || mount --bind \"$1\" "
                                      "$f || exit 1; done && shift && exec \"$@\""),
                       host, id, self, role, folder.path(), QStringLiteral("Ann")});
    };
    const auto tryOnDeskB = [&] {
        QProcess desk;
        onDesk(QStringLiteral("desk-b"), QStringLiteral("--try"), desk);
        desk.waitForFinished(30000);
        return QString::fromUtf8(desk.readAll());
    };
    QProcess deskA;
    onDesk(QStringLiteral("desk-a"), QStringLiteral("--hold"), deskA);
    QVERIFY(deskA.waitForReadyRead(30000));
    QCOMPARE(QString::fromUtf8(deskA.readLine()), QStringLiteral("held\n"));

    QString refused = tryOnDeskB();
    QVERIFY2(refused.startsWith(QStringLiteral("refused: ")) &&
                 refused.contains(QStringLiteral("(on desk-a)")),
             qPrintable(refused));
    // Desk A is switched off: its lock stays, and desk B cannot see whether its copy is gone.
    deskA.kill();
    deskA.waitForFinished();
    QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("Ann.stu.lock"))));
    refused = tryOnDeskB();
    QVERIFY2(refused.contains(QStringLiteral("(on desk-a)")), qPrintable(refused));
    // Untouched for longer than a running copy ever leaves it, it is taken over.
    QFile lock(folder.filePath(QStringLiteral("Ann.stu.lock")));
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(
        QDateTime::currentDateTimeUtc().addMSecs(-qint64(FolderStudentStore::kStaleLockMs) - 60000),
        QFileDevice::FileModificationTime));
    lock.close();
    QCOMPARE(tryOnDeskB(), QStringLiteral("held\n"));
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && (arguments.at(1) == u"--hold" || arguments.at(1) == u"--try"))
        return actAsDesk(arguments.at(2), arguments.at(3), arguments.at(1) == u"--hold");
    if (arguments.size() >= 4 && arguments.at(1) == u"--pupil")
        return actAsPupil(arguments.at(2), arguments.at(3), arguments.value(4));
    tst_SharedClassFolder test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SharedClassFolder.moc"
