// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/FolderStudentStore.h"
#include "students/RecordLayout.h"
#include "students/StudentFile.h"
#include "students/StudentSession.h"
#include "tests/common/FileBytes.h"
#include "tests/common/RecordPatterns.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <future>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kf;
using namespace std::chrono_literals;

class tst_FolderStudentStore : public QObject {
    Q_OBJECT

private slots:
    void aStudentIsLockedByOneCopyAtATime();
    void staleLocksAreTakenOver_data();
    void staleLocksAreTakenOver();
    void oddFilesAreRefusedWithoutAHang_data();
    void oddFilesAreRefusedWithoutAHang();
    void saveKeepsTheFilesGroupAndPermissions();
    void leftoversOfKilledSavesAreRemoved();
    void fullDiskKeepsTheOldFileAndTheRecord();
    void readOnlyFolderKeepsTheOldFileAndTheRecord();
    void fileChangedFromOutsideIsToldAndKept_data();
    void fileChangedFromOutsideIsToldAndKept();
    void writingAnewMakesAVanishedFolderAgain();
    void bytesPastTheRecordAreKeptAtEverySave();
    void logsTheFilesAndLocksOnlyWhenSwitchedOn();
};

namespace {

using test::readBytes;

bool makeStudent(const QString& folder, const QString& name) {
    StudentRecord record;
    return StudentFile::create(QDir(folder).filePath(name + QStringLiteral(".stu")), record).done();
}

// A pid that no process has: one that just ended.
qint64 endedPid() {
    QProcess p;
    p.start(QStringLiteral("true"), {});
    p.waitForFinished();
    return p.processId() != 0 ? p.processId() : 999999;
}

// A lock file as QLockFile writes it: process, program and machine.
bool writeLock(const QString& path, qint64 pid, const QString& program, const QString& host,
               const QDateTime& touched) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(QByteArray::number(pid) + '\n' + program.toUtf8() + '\n' + host.toUtf8() + '\n');
    return f.flush() && f.setFileTime(touched, QFileDevice::FileModificationTime);
}

// A small file system of its own, mounted while the test runs (root only).
struct Mount {
    explicit Mount(const QString& at, const char* options)
        : path(at) {
        mounted = ::mount("tmpfs", QFile::encodeName(at).constData(), "tmpfs", 0, options) == 0;
    }
    ~Mount() {
        if (!readOnlyView.isEmpty())
            ::umount2(QFile::encodeName(readOnlyView).constData(), MNT_DETACH);
        if (mounted)
            ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    }
    // The same files seen read-only at another place, as a class share mounted read-only.
    bool showReadOnlyAt(const QString& at) {
        const QByteArray target = QFile::encodeName(at);
        if (::mount(QFile::encodeName(path).constData(), target.constData(), nullptr, MS_BIND,
                    nullptr) != 0)
            return false;
        readOnlyView = at;
        return ::mount(nullptr, target.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                       nullptr) == 0;
    }
    QString path;
    QString readOnlyView;
    bool mounted = false;
};

// The messages of Keyfarer's own logging areas while it lives.
struct CapturedLog {
    CapturedLog() { previous = qInstallMessageHandler(&CapturedLog::capture); }
    ~CapturedLog() {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules({});
    }
    static void capture(QtMsgType, const QMessageLogContext& context, const QString& text) {
        if (QByteArrayView(context.category).startsWith("keyfarer."))
            lines << QString::fromLatin1(context.category) + QStringLiteral(": ") + text;
    }
    static inline QStringList lines;
    QtMessageHandler previous = nullptr;
};

// A student session on a real folder, with Ann current and a figure in memory only.
struct OnDisk {
    explicit OnDisk(const QString& folder)
        : store(WorkingFolder(folder)) {}
    void annIsCurrent() {
        QVERIFY(session.take(QStringLiteral("Ann")).changed());
        record.setI32(layout::kBegBestTime, 77);
    }
    FolderStudentStore store;
    StudentRecord record;
    QString name;
    DrillSessionFigures drill;
    SectionUsage usage;
    StudentSession session{store, record, name, drill, usage};
};

} // namespace

void tst_FolderStudentStore::aStudentIsLockedByOneCopyAtATime() {
    QTemporaryDir dir;
    QVERIFY(makeStudent(dir.path(), QStringLiteral("Ann")));
    FolderStudentStore first{WorkingFolder(dir.path())};
    FolderStudentStore second{WorkingFolder(dir.path())};

    QCOMPARE(first.lock(QStringLiteral("Ann")).status, LockOutcome::Status::Held);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Ann.stu.lock"))));
    const LockOutcome refused = second.lock(QStringLiteral("Ann"));
    QCOMPARE(refused.status, LockOutcome::Status::InUseElsewhere);
    QVERIFY(refused.message.startsWith(QStringLiteral("Ann is in use elsewhere")));
    QCOMPARE(second.lock(QStringLiteral("Bob")).status, LockOutcome::Status::Held);

    first.unlock(QStringLiteral("Ann"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Ann.stu.lock"))));
    QCOMPARE(second.lock(QStringLiteral("Ann")).status, LockOutcome::Status::Held);
}

void tst_FolderStudentStore::staleLocksAreTakenOver_data() {
    QTest::addColumn<bool>("thisMachine");
    QTest::addColumn<bool>("processAlive");
    QTest::addColumn<int>("minutesUntouched");
    QTest::addColumn<bool>("takenOver");
    QTest::newRow("killed here") << true << false << 0 << true;
    QTest::newRow("running here") << true << true << 0 << false;
    QTest::newRow("other machine, touched lately") << false << true << 1 << false;
    QTest::newRow("other machine, untouched") << false << true << 6 << true;
}

void tst_FolderStudentStore::staleLocksAreTakenOver() {
    QFETCH(bool, thisMachine);
    QFETCH(bool, processAlive);
    QFETCH(int, minutesUntouched);
    QFETCH(bool, takenOver);
    QTemporaryDir dir;
    FolderStudentStore store{WorkingFolder(dir.path())};
    // This test program stands for a running copy.
    const qint64 pid = processAlive ? QCoreApplication::applicationPid() : endedPid();
    const QString host =
        thisMachine ? QSysInfo::machineHostName() : QStringLiteral("another-machine");
    QVERIFY(writeLock(store.lockPath(QStringLiteral("Ann")), pid,
                      QCoreApplication::applicationName(), host,
                      QDateTime::currentDateTimeUtc().addSecs(-60 * minutesUntouched)));

    const LockOutcome outcome = store.lock(QStringLiteral("Ann"));
    QCOMPARE(outcome.status == LockOutcome::Status::Held, takenOver);
    if (!takenOver && !thisMachine)
        QVERIFY(outcome.message.contains(QStringLiteral("another-machine")));
}

void tst_FolderStudentStore::oddFilesAreRefusedWithoutAHang_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("told");
    QTest::newRow("named pipe") << QStringLiteral("pipe") << QStringLiteral("a named pipe");
    QTest::newRow("link to /dev/zero") << QStringLiteral("zero") << QStringLiteral("link");
    QTest::newRow("link to /dev/null") << QStringLiteral("null") << QStringLiteral("link");
    QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("a folder");
    QTest::newRow("link out of the folder") << QStringLiteral("out") << QStringLiteral("link");
}

void tst_FolderStudentStore::oddFilesAreRefusedWithoutAHang() {
    QFETCH(QString, kind);
    QFETCH(QString, told);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString path = dir.filePath(QStringLiteral("X.stu"));
    const QByteArray native = QFile::encodeName(path);
    if (kind == QStringLiteral("pipe"))
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    else if (kind == QStringLiteral("zero") || kind == QStringLiteral("null"))
        QVERIFY(QFile::link(QStringLiteral("/dev/") + kind, path));
    else if (kind == QStringLiteral("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("X.stu")));
    else {
        QVERIFY(makeStudent(elsewhere.path(), QStringLiteral("X")));
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("X.stu")), path));
    }
    FolderStudentStore store{WorkingFolder(dir.path())};

    // Opening a pipe would wait for a writer for ever: the answer must come at once.
    auto tried = std::async(std::launch::async, [&store] {
        StudentRecord record;
        return std::pair{store.load(QStringLiteral("X"), record),
                         store.save(QStringLiteral("X"), record)};
    });
    if (tried.wait_for(10s) != std::future_status::ready)
        qFatal("reading or writing an odd student file hung");
    const auto [loaded, saved] = tried.get();
    for (const FileOutcome& outcome : {loaded, saved}) {
        QCOMPARE(outcome.status, FileOutcome::Status::Failed);
        QVERIFY2(outcome.message.contains(QStringLiteral("\"X.stu\" is not a student file")),
                 qPrintable(outcome.message));
        QVERIFY2(outcome.message.contains(told), qPrintable(outcome.message));
    }
    if (kind == QStringLiteral("out"))
        QCOMPARE(readBytes(elsewhere.filePath(QStringLiteral("X.stu"))).size(), 110824);
}

void tst_FolderStudentStore::saveKeepsTheFilesGroupAndPermissions() {
    if (::geteuid() != 0)
        QSKIP("giving the file another group needs root");
    QTemporaryDir dir;
    QVERIFY(makeStudent(dir.path(), QStringLiteral("Ann")));
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("Ann.stu")));
    constexpr gid_t kClassGroup = 4242;
    QCOMPARE(::chown(path.constData(), uid_t(-1), kClassGroup), 0);
    QCOMPARE(::chmod(path.constData(), 0664), 0);

    FolderStudentStore store{WorkingFolder(dir.path())};
    StudentRecord record;
    record.setI32(layout::kBegBestTime, 5);
    QVERIFY(store.save(QStringLiteral("Ann"), record).done());

    struct stat st {};
    QCOMPARE(::stat(path.constData(), &st), 0);
    QCOMPARE(st.st_gid, kClassGroup);
    QCOMPARE(int(st.st_mode & 07777), 0664);
    QCOMPARE(readBytes(QString::fromLocal8Bit(path)).mid(layout::kBegBestTime, 1),
             QByteArray("\x05"));
}

void tst_FolderStudentStore::leftoversOfKilledSavesAreRemoved() {
    QTemporaryDir dir;
    QVERIFY(makeStudent(dir.path(), QStringLiteral("Ann")));
    const QDateTime hourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
    // Only a student file's name and six letters or digits is a leftover; old files of any
    // other name are the folder owner's and stay.
    const QStringList kept = {
        QStringLiteral("Ann.stu.bak"),     QStringLiteral("Ann.stu.aB12c"),
        QStringLiteral("Ann.stu.aB12cDe"), QStringLiteral("Ann.stu.aB1-cD"),
        QStringLiteral("notes.aB12cD"),    QStringLiteral("Ann.stu.aB12\u00e9D")};
    for (const QString& name : kept) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.setFileTime(hourAgo, QFileDevice::FileModificationTime));
    }
    for (const char* name :
         {"Ann.stu.aB12cD", "Bob.stu.Zz9Yx8", "Cy.stu.q1w2e3", "Di.STU.AB12CD"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'x'));
        QVERIFY(f.flush());
        if (name[0] != 'C') // Cy's save may still be going on in another copy
            QVERIFY(f.setFileTime(hourAgo, QFileDevice::FileModificationTime));
    }
    FolderStudentStore{WorkingFolder(dir.path())};
    QStringList left =
        kept + QStringList{QStringLiteral("Ann.stu"), QStringLiteral("Cy.stu.q1w2e3")};
    left.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), left);
}

void tst_FolderStudentStore::fullDiskKeepsTheOldFileAndTheRecord() {
    if (::geteuid() != 0)
        QSKIP("mounting a small disk needs root");
    QTemporaryDir dir;
    const Mount disk(dir.path(), "size=512k");
    if (!disk.mounted)
        QSKIP("tmpfs cannot be mounted here");
    QVERIFY(makeStudent(dir.path(), QStringLiteral("Ann")));
    OnDisk d(dir.path());
    d.annIsCurrent();
    const QByteArray before = readBytes(dir.filePath(QStringLiteral("Ann.stu")));
    // Fill the disk to the last few blocks.
    QFile filler(dir.filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
    }
    filler.close();

    const SaveOutcome failed = d.session.save();
    QCOMPARE(failed.status, SaveOutcome::Status::Failed);
    QVERIFY2(failed.message.contains(QStringLiteral("no space left"), Qt::CaseInsensitive),
             qPrintable(failed.message));
    QVERIFY(failed.message.contains(QStringLiteral("Ann.stu")));
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("Ann.stu"))), before);
    QCOMPARE(d.record.i32(layout::kBegBestTime), 77);
    QCOMPARE(d.session.owner(), QStringLiteral("Ann"));

    QVERIFY(QFile::remove(filler.fileName()));
    QCOMPARE(d.session.save().status, SaveOutcome::Status::Written);
    StudentRecord saved;
    QVERIFY(StudentFile::load(dir.filePath(QStringLiteral("Ann.stu")), saved).done());
    QCOMPARE(saved.i32(layout::kBegBestTime), 77);
}

void tst_FolderStudentStore::readOnlyFolderKeepsTheOldFileAndTheRecord() {
    QTemporaryDir dir;
    QTemporaryDir readOnly;
    std::unique_ptr<Mount> disk;
    QString folder = dir.path();
    if (::geteuid() == 0) {
        // Root writes wherever permissions would stop anybody else; a read-only mount stops it.
        disk = std::make_unique<Mount>(dir.path(), "size=1m");
        if (!disk->mounted)
            QSKIP("tmpfs cannot be mounted here");
        folder = readOnly.path();
    }
    QVERIFY(makeStudent(dir.path(), QStringLiteral("Ann")));
    if (disk)
        QVERIFY(disk->showReadOnlyAt(folder));
    else
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const QByteArray before = readBytes(QDir(folder).filePath(QStringLiteral("Ann.stu")));
    QCOMPARE(before.size(), 110824);
    OnDisk d(folder);
    d.annIsCurrent(); // no lock can be made there, and none is needed: nobody can write

    const SaveOutcome failed = d.session.save();
    QCOMPARE(failed.status, SaveOutcome::Status::Failed);
    QVERIFY2(failed.message.contains(
                 QStringLiteral("The working folder \"%1\" cannot be written to").arg(folder)),
             qPrintable(failed.message));
    QCOMPARE(readBytes(QDir(folder).filePath(QStringLiteral("Ann.stu"))), before);
    QCOMPARE(d.record.i32(layout::kBegBestTime), 77);
    QCOMPARE(d.session.owner(), QStringLiteral("Ann"));
    if (!disk)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_FolderStudentStore::fileChangedFromOutsideIsToldAndKept_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("told");
    const QString changed = QStringLiteral("The student file of Ann has changed on disk");
    const QString gone = QStringLiteral("The student file of Ann has gone");
    QTest::newRow("copied over in place") << QStringLiteral("cp") << changed;
    QTest::newRow("copied over keeping its old time") << QStringLiteral("cp -p") << changed;
    QTest::newRow("renamed over it") << QStringLiteral("mv") << changed;
    QTest::newRow("deleted") << QStringLiteral("rm") << gone;
    QTest::newRow("emptied") << QStringLiteral("truncate") << gone;
}

void tst_FolderStudentStore::fileChangedFromOutsideIsToldAndKept() {
    QFETCH(QString, how);
    QFETCH(QString, told);
    QTemporaryDir dir;
    QVERIFY(makeStudent(dir.path(), QStringLiteral("Ann")));
    const QString file = dir.filePath(QStringLiteral("Ann.stu"));
    const QDateTime lastYear = QFileInfo(file).lastModified().addYears(-1);
    OnDisk d(dir.path());
    d.annIsCurrent();
    // Saves of her own, however quick after one another, are never taken for a change.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(d.session.save().status, SaveOutcome::Status::Written);

    // Another whole record, an older copy of hers.
    StudentRecord older;
    older.applyCreateDefaults();
    older.setI32(layout::kBegBestTime, 5);
    const QString copy = dir.filePath(QStringLiteral("older"));
    QVERIFY(StudentFile::rewrite(copy, older).done());
    const QByteArray replacement = readBytes(copy);
    if (how == QStringLiteral("mv")) {
        QVERIFY(QFile::remove(file));
        QVERIFY(QFile::rename(copy, file));
    } else if (how == QStringLiteral("rm")) {
        QVERIFY(QFile::remove(file));
    } else {
        QFile inPlace(file); // the same file, written through, as cp does
        QVERIFY(inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (how != QStringLiteral("truncate"))
            QCOMPARE(inPlace.write(replacement), replacement.size());
        QVERIFY(inPlace.flush());
        if (how == QStringLiteral("cp -p"))
            QVERIFY(inPlace.setFileTime(lastYear, QFileDevice::FileModificationTime));
    }
    const QByteArray outside = readBytes(file);

    const SaveOutcome first = d.session.save();
    QCOMPARE(first.status, SaveOutcome::Status::Gone);
    QVERIFY2(first.message.startsWith(told), qPrintable(first.message));
    QCOMPARE(readBytes(file), outside);
    QCOMPARE(QFile::exists(file), how != QStringLiteral("rm"));
    QCOMPARE(d.session.save().status, SaveOutcome::Status::Gone); // asked again, still kept
    QCOMPARE(readBytes(file), outside);
    QCOMPARE(d.record.i32(layout::kBegBestTime), 77);

    // She asks for her work to be written anew: it is, and her saves go on from there.
    QCOMPARE(d.session.writeAnew().status, SaveOutcome::Status::Written);
    StudentRecord onDisk;
    QVERIFY(StudentFile::load(file, onDisk).done());
    QCOMPARE(onDisk.i32(layout::kBegBestTime), 77);
    QCOMPARE(d.session.save().status, SaveOutcome::Status::Written);
}

void tst_FolderStudentStore::writingAnewMakesAVanishedFolderAgain() {
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("class"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(makeStudent(folder, QStringLiteral("Ann")));
    OnDisk d(folder);
    d.annIsCurrent();
    QVERIFY(QDir(folder).removeRecursively());

    QCOMPARE(d.session.save().status, SaveOutcome::Status::Gone);
    QCOMPARE(d.session.writeAnew().status, SaveOutcome::Status::Written);
    StudentRecord onDisk;
    QVERIFY(StudentFile::load(QDir(folder).filePath(QStringLiteral("Ann.stu")), onDisk).done());
    QCOMPARE(onDisk.i32(layout::kBegBestTime), 77);
}

// A file with bytes past its record, as a later version may write: every save through the store
// keeps them, and the file the store read and wrote is never taken for one put in its place.
void tst_FolderStudentStore::bytesPastTheRecordAreKeptAtEverySave() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Ann.stu"));
    StudentRecord record;
    record.applyCreateDefaults();
    const QByteArray tail("bytes of a later version");
    QVERIFY(test::writeBytes(file, test::recordBytes(record) + tail));
    FolderStudentStore store{WorkingFolder(dir.path())};
    QVERIFY(store.load(QStringLiteral("Ann"), record).done());
    for (const int best : {7, 8}) {
        record.setI32(layout::kBegBestTime, best);
        QCOMPARE(store.save(QStringLiteral("Ann"), record).status, FileOutcome::Status::Done);
        QCOMPARE(readBytes(file), test::recordBytes(record) + tail);
    }
}

QTEST_GUILESS_MAIN(tst_FolderStudentStore)
#include "tst_FolderStudentStore.moc"

// Off by default; with the students' area switched on the admin reads which file was written
// and which lock was refused, and by whom.
void tst_FolderStudentStore::logsTheFilesAndLocksOnlyWhenSwitchedOn() {
    QTemporaryDir dir;
    QVERIFY(makeStudent(dir.path(), QStringLiteral("Ann")));
    CapturedLog log;
    StudentRecord record;
    FolderStudentStore first{WorkingFolder(dir.path())};
    FolderStudentStore second{WorkingFolder(dir.path())};
    QVERIFY(first.save(QStringLiteral("Ann"), record).done());
    QCOMPARE(first.lock(QStringLiteral("Ann")).status, LockOutcome::Status::Held);
    QCOMPARE(log.lines, QStringList());

    QLoggingCategory::setFilterRules(QStringLiteral("keyfarer.students=true"));
    QVERIFY(first.save(QStringLiteral("Ann"), record).done());
    QCOMPARE(second.lock(QStringLiteral("Ann")).status, LockOutcome::Status::InUseElsewhere);
    const QString annFile = dir.filePath(QStringLiteral("Ann.stu"));
    QCOMPARE(log.lines.size(), 2);
    QCOMPARE(log.lines[0],
             QStringLiteral("keyfarer.students: write ") + annFile + QStringLiteral(" - done"));
    QVERIFY2(log.lines[1].startsWith(QStringLiteral("keyfarer.students: lock refused ") + annFile +
                                     QStringLiteral(".lock - held by process ") +
                                     QString::number(QCoreApplication::applicationPid())),
             qPrintable(log.lines[1]));
}
