// SPDX-License-Identifier: GPL-3.0-or-later
// A working folder others may write to, holding what no running copy of Keyfarer would put there:
// pipes, devices, links out of the folder, files far too large. Each is met where a pupil meets
// it (choosing a name, Preferences) and must neither hang, nor crash, nor write outside the folder.
#include "app/MainWindow.h"
#include "core/FolderFile.h"
#include "keyboard/PictureBuilder.h"
#include "options/PreferencesDialog.h"
#include "platform/MessageBoxDialogs.h"
#include "students/FolderStudentStore.h"
#include "students/RecordLayout.h"
#include "students/StudentFile.h"
#include "tests/app/OpenedMainWindow.h"
#include "tests/common/FileBytes.h"
#include "tests/common/RecordPatterns.h"
#include "tests/common/Watchdog.h"
#include "widgets/ClickableLabel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kf;
using namespace std::chrono_literals;

class tst_HostileFolder : public QObject {
    Q_OBJECT

private slots:
    void choosingANameNeverHangsNorWritesElsewhere_data();
    void choosingANameNeverHangsNorWritesElsewhere();
    void preferencesNeverWriteThroughALink_data();
    void preferencesNeverWriteThroughALink();
    void aPupilMakesHerOwnNameWhileTheOthersAreHeld();
    void aNameHeldElsewhereIsNotDeleted();
    void staleLocksOfAnotherAccountAreTakenOver_data();
    void staleLocksOfAnotherAccountAreTakenOver();
    void textFromTheFolderIsNeverMarkup();
    void anotherAccountSavesAStudentFileItDidNotMake_data();
    void anotherAccountSavesAStudentFileItDidNotMake();
    void aKeyboardPictureLinkIsReplacedNotWrittenThrough();
};

namespace {

constexpr auto kLongestWait = 5000ms;
// What reading one hostile file may cost at most; a file read whole costs gigabytes.
constexpr qint64 kMostGrowthKilobytes = 64 * 1024;

// What the test puts in the folder, by name: "pipe:Bob.stu", "link:Bob.stu.lock=/dev/zero",
// "sparse:Bob.stu", "host:Bob.stu.lock" (a lock with a 3 MB machine name), "dir:Bob.ini.lock",
// "outside:Bob.ini" (a link to a file of another folder, whose bytes must stay).
struct Planted {
    QString kind;
    QString name;
    QString target;
};

Planted parsePlanted(const QString& text) {
    const QString kind = text.section(u':', 0, 0);
    const QString rest = text.section(u':', 1);
    return {kind, rest.section(u'=', 0, 0), rest.section(u'=', 1)};
}

struct Fixture : test::OpenedMainWindow {
    Fixture() { ok = provideStartFiles(); }

    void writeStudent(const QString& name) const {
        QVERIFY(test::writeBytes(path(name + QStringLiteral(".stu")),
                                 test::recordBytes(test::markedRecord(1))));
    }
    void plant(const Planted& p) {
        const QString at = path(p.name);
        const QByteArray native = QFile::encodeName(at);
        if (p.kind == u"pipe") {
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        } else if (p.kind == u"link") {
            QVERIFY(QFile::link(p.target, at));
        } else if (p.kind == u"sparse") {
            QFile f(at);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(qint64(30) << 30));
        } else if (p.kind == u"host") {
            QVERIFY(test::writeBytes(at, "1\nkeyfarer\n" + QByteArray(3 << 20, 'x') + '\n'));
        } else if (p.kind == u"dir") {
            QVERIFY(folder().mkdir(p.name));
        } else if (p.kind == u"device") {
            // A null device of the test's own: a write through the link would replace this
            // node, never the machine's /dev/null.
            outsideDevice = QFile::encodeName(outside.filePath(QStringLiteral("null")));
            QCOMPARE(::mknod(outsideDevice.constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
            QVERIFY(QFile::link(QFile::decodeName(outsideDevice), at));
        } else if (p.kind == u"outside") {
            outsideFile = outside.filePath(QStringLiteral("theirs.txt"));
            QVERIFY(test::writeBytes(outsideFile, outsideBytes));
            QVERIFY(QFile::link(outsideFile, at));
        }
    }
    bool outsideUntouched() const {
        struct stat device {};
        const bool deviceKept =
            outsideDevice.isEmpty() ||
            (::lstat(outsideDevice.constData(), &device) == 0 && S_ISCHR(device.st_mode));
        return deviceKept &&
               (outsideFile.isEmpty() || test::readBytes(outsideFile) == outsideBytes);
    }

    void useName(const QString& name) const {
        QTest::mouseClick(&control<ClickableLabel>(QStringLiteral("LabelSelectUser")),
                          Qt::LeftButton);
        auto& list = control<QListWidget>(QStringLiteral("ListBoxUsers"));
        const auto found = list.findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list.setCurrentItem(found.first());
        QTest::mouseClick(&control<QPushButton>(QStringLiteral("ButtonUseName")), Qt::LeftButton);
    }

    void typeNewUser(const QString& typed) const {
        QTest::mouseClick(&control<ClickableLabel>(QStringLiteral("LabelNewUser")), Qt::LeftButton);
        auto& edit = control<QLineEdit>(QStringLiteral("EditNewUser"));
        edit.setText(typed);
        QTest::keyClick(&edit, Qt::Key_Return);
    }

    bool ok = true;
    QTemporaryDir outside;
    QString outsideFile;
    QByteArray outsideDevice;
    const QByteArray outsideBytes = "a file of someone else's\n";
};

// Runs what pupil B does in a process of B's own (another account, its own umask), and returns
// its exit status: 0 when it went as B expects.
constexpr uid_t kPupilB = 65534;
template <typename Work>
int asPupilB(mode_t umask, Work work) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::umask(umask);
        if (::setgid(kPupilB) != 0 || ::setuid(kPupilB) != 0)
            ::_exit(2);
        ::_exit(work());
    }
    int status = -1;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// A class folder as a group shares it: anyone may make and remove files in it.
bool makeShared(const QTemporaryDir& dir) {
    return ::chmod(QFile::encodeName(dir.path()).constData(), 02777) == 0;
}

} // namespace

void tst_HostileFolder::choosingANameNeverHangsNorWritesElsewhere_data() {
    QTest::addColumn<QString>("planted");
    QTest::addColumn<bool>("studentFileToo");
    QTest::addColumn<QString>("told"); // empty: Bob is taken without a word
    QTest::newRow("student file of 30 GB") << "sparse:Bob.stu" << false << "far more than";
    QTest::newRow("student file a pipe") << "pipe:Bob.stu" << false << "a named pipe";
    QTest::newRow("student file a link to /dev/zero")
        << "link:Bob.stu=/dev/zero" << false << "link leading out";
    QTest::newRow("student file a broken link")
        << "link:Bob.stu=Gone.stu" << false << "link that leads nowhere";
    QTest::newRow("lock a pipe") << "pipe:Bob.stu.lock" << true << "should be this student's lock";
    QTest::newRow("lock a link to /dev/zero")
        << "link:Bob.stu.lock=/dev/zero" << true << "should be this student's lock";
    QTest::newRow("lock a link to /dev/stdin")
        << "link:Bob.stu.lock=/dev/stdin" << true << "should be this student's lock";
    QTest::newRow("lock a folder") << "dir:Bob.stu.lock" << true << "a folder";
    QTest::newRow("lock with a 3 MB machine name")
        << "host:Bob.stu.lock" << true << "far more than any lock";
    QTest::newRow("settings a pipe") << "pipe:Bob.ini" << true << "";
    QTest::newRow("settings a link to /dev/zero") << "link:Bob.ini=/dev/zero" << true << "";
}

void tst_HostileFolder::choosingANameNeverHangsNorWritesElsewhere() {
    QFETCH(QString, planted);
    QFETCH(bool, studentFileToo);
    QFETCH(QString, told);
    Fixture f;
    QVERIFY(f.ok);
    f.writeStudent(QStringLiteral("Ann"));
    if (studentFileToo)
        f.writeStudent(QStringLiteral("Bob"));
    f.plant(parsePlanted(planted));
    f.open();
    f.useName(QStringLiteral("Ann"));
    const qint64 before = test::residentKilobytes();

    {
        const test::Watchdog watchdog("choosing Bob", kLongestWait);
        f.useName(QStringLiteral("Bob"));
    }

    QVERIFY(test::residentKilobytes() - before < kMostGrowthKilobytes);
    if (told.isEmpty()) {
        QVERIFY2(f.dialogs.shown.isEmpty(), qPrintable(f.dialogs.texts().join(u'\n')));
        QCOMPARE(f.globals.currentUserName, QStringLiteral("Bob"));
        return;
    }
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY2(f.dialogs.shown.first().text.contains(told), qPrintable(f.dialogs.texts().first()));
    // Ann stays the student, with her own record.
    QCOMPARE(f.globals.currentUserName, QStringLiteral("Ann"));
    QVERIFY(f.globals.record.bytes() == test::markedRecord(1).bytes());
}

void tst_HostileFolder::preferencesNeverWriteThroughALink_data() {
    QTest::addColumn<QString>("planted");
    QTest::addColumn<bool>("kept");
    QTest::newRow("settings a link out of the folder") << "outside:Bob.ini" << false;
    QTest::newRow("settings a link to a device") << "device:Bob.ini" << false;
    QTest::newRow("settings a pipe") << "pipe:Bob.ini" << false;
    QTest::newRow("settings a folder") << "dir:Bob.ini" << false;
    QTest::newRow("a folder where a settings lock was") << "dir:Bob.ini.lock" << true;
}

void tst_HostileFolder::preferencesNeverWriteThroughALink() {
    QFETCH(QString, planted);
    QFETCH(bool, kept);
    if (planted.startsWith(u"device:") && ::geteuid() != 0)
        QSKIP("making a device node needs root");
    Fixture f;
    QVERIFY(f.ok);
    f.writeStudent(QStringLiteral("Bob"));
    f.open();
    f.useName(QStringLiteral("Bob"));
    f.plant(parsePlanted(planted));
    const QFileInfo before(f.path(QStringLiteral("Bob.ini")));
    const QString linkTarget = before.symLinkTarget();
    f.dialogs.shown.clear();

    {
        const test::Watchdog watchdog("ticking spoken guidance", kLongestWait);
        QTest::mouseClick(&f.control<ClickableLabel>(QStringLiteral("LabelPreferences")),
                          Qt::LeftButton);
        auto* options = f.form->findChild<PreferencesDialog*>();
        QVERIFY(options != nullptr);
        auto* speak = options->findChild<QCheckBox*>(QStringLiteral("CheckBoxSpeakKeys"));
        QVERIFY(speak != nullptr && speak->isEnabled());
        speak->click();
    }

    QVERIFY(f.outsideUntouched());
    if (kept) {
        QVERIFY(f.dialogs.shown.isEmpty());
        QVERIFY(test::readBytes(f.path(QStringLiteral("Bob.ini"))).contains("SpeakKeys=true"));
        return;
    }
    // Refused, and the pupil is told what to do; the link still leads where it led.
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY2(f.dialogs.shown.first().text.contains(QStringLiteral("could not be kept")),
             qPrintable(f.dialogs.texts().first()));
    QCOMPARE(QFileInfo(f.path(QStringLiteral("Bob.ini"))).symLinkTarget(), linkTarget);
}

// Alice is held by a copy running elsewhere and is the only name: the pupil is told so, and can
// still make her own name instead of only quitting.
void tst_HostileFolder::aPupilMakesHerOwnNameWhileTheOthersAreHeld() {
    Fixture f;
    QVERIFY(f.ok);
    f.writeStudent(QStringLiteral("Alice"));
    FolderStudentStore elsewhere{WorkingFolder(f.dir.path())};
    QCOMPARE(elsewhere.lock(QStringLiteral("Alice")).status, LockOutcome::Status::Held);
    f.open();

    f.useName(QStringLiteral("Alice"));
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY(f.dialogs.shown.first().text.contains(QStringLiteral("in use elsewhere")));
    QVERIFY(f.globals.currentUserName.isEmpty());
    QVERIFY(f.control<ClickableLabel>(QStringLiteral("LabelNewUser")).isEnabled());
    f.typeNewUser(QStringLiteral("Beth"));

    QCOMPARE(f.globals.currentUserName, QStringLiteral("Beth"));
    QVERIFY(QFileInfo::exists(f.path(QStringLiteral("Beth.stu"))));
    QVERIFY(f.control<QWidget>(QStringLiteral("Panel2")).isHidden());
}

void tst_HostileFolder::aNameHeldElsewhereIsNotDeleted() {
    Fixture f;
    QVERIFY(f.ok);
    f.writeStudent(QStringLiteral("Ann"));
    f.writeStudent(QStringLiteral("Bob"));
    FolderStudentStore elsewhere{WorkingFolder(f.dir.path())};
    QCOMPARE(elsewhere.lock(QStringLiteral("Bob")).status, LockOutcome::Status::Held);
    f.open();
    f.useName(QStringLiteral("Ann"));
    QTest::mouseClick(&f.control<ClickableLabel>(QStringLiteral("LabelSelectUser")),
                      Qt::LeftButton);
    auto& list = f.control<QListWidget>(QStringLiteral("ListBoxUsers"));
    list.setCurrentItem(list.findItems(QStringLiteral("Bob"), Qt::MatchExactly).first());
    f.control<QLineEdit>(QStringLiteral("EditPassword")).setText(QStringLiteral("RosterPurgeKey"));
    f.dialogs.shown.clear();

    QTest::mouseClick(&f.control<QPushButton>(QStringLiteral("ButtonDeleteName")), Qt::LeftButton);

    QCOMPARE(f.dialogs.shown.size(), 2); // "Do you want to delete…?", then the refusal
    QVERIFY2(f.dialogs.shown.last().text.contains(QStringLiteral("cannot be deleted while")),
             qPrintable(f.dialogs.shown.last().text));
    QVERIFY(QFileInfo::exists(f.path(QStringLiteral("Bob.stu"))));
    QVERIFY(QFileInfo::exists(f.path(QStringLiteral("Bob.stu.lock"))));
    QCOMPARE(list.findItems(QStringLiteral("Bob"), Qt::MatchExactly).size(), 1);
}

void tst_HostileFolder::staleLocksOfAnotherAccountAreTakenOver_data() {
    QTest::addColumn<bool>("thisMachine");
    QTest::addColumn<bool>("processRuns");
    QTest::addColumn<int>("minutesUntouched");
    QTest::addColumn<bool>("takenOver");
    QTest::newRow("ended here, touched just now") << true << false << 0 << true;
    QTest::newRow("running here") << true << true << 0 << false;
    QTest::newRow("other machine, 20 minutes") << false << true << 20 << true;
    QTest::newRow("other machine, touched lately") << false << true << 1 << false;
}

// Pupil A's copy was killed holding Ann; its lock is A's (mode 0644) in a folder the class shares.
// Pupil B, another account, takes Ann over as soon as the lock is stale.
void tst_HostileFolder::staleLocksOfAnotherAccountAreTakenOver() {
    QFETCH(bool, thisMachine);
    QFETCH(bool, processRuns);
    QFETCH(int, minutesUntouched);
    QFETCH(bool, takenOver);
    if (::geteuid() != 0)
        QSKIP("acting as two accounts needs root");
    QTemporaryDir dir;
    QVERIFY(makeShared(dir));
    const QString lock = dir.filePath(QStringLiteral("Ann.stu.lock"));
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ended.waitForFinished();
    const qint64 pid = processRuns ? QCoreApplication::applicationPid() : ended.processId();
    const QByteArray host = thisMachine ? QSysInfo::machineHostName().toUtf8() : "elsewhere";
    QVERIFY(test::writeBytes(lock, QByteArray::number(pid) + "\nkeyfarer\n" + host + '\n'));
    QFile touched(lock);
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-60 * minutesUntouched),
                                QFileDevice::FileModificationTime));
    touched.close();
    QCOMPARE(::chmod(QFile::encodeName(lock).constData(), 0644), 0);

    const int status = asPupilB(022, [&dir] {
        FolderStudentStore store{WorkingFolder(dir.path())};
        return store.lock(QStringLiteral("Ann")).status == LockOutcome::Status::Held ? 0 : 1;
    });
    QCOMPARE(status, takenOver ? 0 : 1);
}

// A lock's machine name and a file's name are shown as they are written, never as a link.
void tst_HostileFolder::textFromTheFolderIsNeverMarkup() {
    Fixture f;
    QVERIFY(f.ok);
    const QString markup = QStringLiteral("<a href=\"https:evil.example\">Click here<a>");
    f.writeStudent(markup);
    f.writeStudent(QStringLiteral("Bob"));
    QVERIFY(test::writeBytes(f.path(QStringLiteral("Bob.stu.lock")),
                             "1\nkeyfarer\n" + markup.toUtf8() + '\n'));
    f.open();
    f.useName(QStringLiteral("Bob"));
    QVERIFY(f.dialogs.shown.first().text.contains(markup));
    f.useName(markup);
    auto& userLine = f.control<QLabel>(QStringLiteral("Label3"));
    QCOMPARE(userLine.textFormat(), Qt::PlainText);
    QVERIFY(userLine.text().contains(markup));

    // The real message box shows the lock's words as they are.
    Qt::TextFormat shownAs = Qt::RichText;
    QTimer::singleShot(0, [&shownAs] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                shownAs = box->textFormat();
                box->accept();
            }
        }
    });
    MessageBoxDialogs().error(f.dialogs.shown.first().text);
    QCOMPARE(shownAs, Qt::PlainText);
}

void tst_HostileFolder::anotherAccountSavesAStudentFileItDidNotMake_data() {
    QTest::addColumn<int>("umask");
    QTest::newRow("umask 022") << 022;
    QTest::newRow("umask 077") << 077;
}

// Pupil A made Alice's file (mode 0644, A's); A has closed, and B takes Alice and types a set.
// B's save must not need to write into A's file: the new file is B's, put in its place.
void tst_HostileFolder::anotherAccountSavesAStudentFileItDidNotMake() {
    QFETCH(int, umask);
    if (::geteuid() != 0)
        QSKIP("acting as two accounts needs root");
    QTemporaryDir dir;
    QVERIFY(makeShared(dir));
    StudentRecord alice;
    QVERIFY(StudentFile::create(dir.filePath(QStringLiteral("Alice.stu")), alice).done());
    QCOMPARE(
        ::chmod(QFile::encodeName(dir.filePath(QStringLiteral("Alice.stu"))).constData(), 0644), 0);

    const int status = asPupilB(mode_t(umask), [&dir] {
        FolderStudentStore store{WorkingFolder(dir.path())};
        StudentRecord record;
        if (store.lock(QStringLiteral("Alice")).status != LockOutcome::Status::Held ||
            !store.load(QStringLiteral("Alice"), record).done())
            return 1;
        record.setI32(layout::kBegBestTime, 42);
        const bool saved = store.save(QStringLiteral("Alice"), record).done();
        store.unlock(QStringLiteral("Alice"));
        return saved ? 0 : 3;
    });

    QCOMPARE(status, 0);
    StudentRecord onDisk;
    QVERIFY(StudentFile::load(dir.filePath(QStringLiteral("Alice.stu")), onDisk).done());
    QCOMPARE(onDisk.i32(layout::kBegBestTime), 42);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Alice.stu.lock"))));

    // A file nobody may write was made read-only on purpose: it stays as it is.
    const QByteArray kept = test::readBytes(dir.filePath(QStringLiteral("Alice.stu")));
    QCOMPARE(
        ::chmod(QFile::encodeName(dir.filePath(QStringLiteral("Alice.stu"))).constData(), 0444), 0);
    FolderStudentStore store{WorkingFolder(dir.path())};
    const FileOutcome refused = store.save(QStringLiteral("Alice"), alice);
    QCOMPARE(refused.status, FileOutcome::Status::Failed);
    QVERIFY2(refused.message.contains(QStringLiteral("read-only")), qPrintable(refused.message));
    QCOMPARE(test::readBytes(dir.filePath(QStringLiteral("Alice.stu"))), kept);
}

// An installation may link the working folder's pictures to its shipped copies (or anyone to any
// file): choosing a nationality makes the picture anew in the link's place and leaves its target.
void tst_HostileFolder::aKeyboardPictureLinkIsReplacedNotWrittenThrough() {
    Fixture f;
    QVERIFY(f.ok);
    const QString labelled = keyboardPictureNames(Nationality::EnglishUS).labelled;
    QVERIFY(QFile::remove(f.path(labelled)));
    f.plant(parsePlanted(QStringLiteral("outside:") + labelled));

    QCOMPARE(writeKeyboardPictures(f.globals.folder, Nationality::EnglishUS), QString());

    QVERIFY(f.outsideUntouched());
    const QFileInfo made(f.path(labelled));
    QVERIFY(!made.isSymLink() && made.isFile());
    QVERIFY(!folderFile::readPicture(made.filePath()).isNull());
}

QTEST_MAIN(tst_HostileFolder)
#include "tst_HostileFolder.moc"
