// SPDX-License-Identifier: GPL-3.0-or-later
// A working folder others may write to, holding what no running copy of Keyfarer would put there:
// pipes, devices, links out of the folder, files far too large. Each is met where a pupil meets
// it (choosing a name, Preferences) and must neither hang, nor crash, nor write outside the folder.
#include "app/MainWindow.h"
#include "options/PreferencesDialog.h"
#include "tests/app/OpenedMainWindow.h"
#include "tests/common/FileBytes.h"
#include "tests/common/RecordPatterns.h"
#include "tests/common/Watchdog.h"
#include "widgets/ClickableLabel.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <sys/stat.h>
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
        } else if (p.kind == u"outside") {
            outsideFile = outside.filePath(QStringLiteral("theirs.txt"));
            QVERIFY(test::writeBytes(outsideFile, outsideBytes));
            QVERIFY(QFile::link(outsideFile, at));
        }
    }
    bool outsideUntouched() const {
        return outsideFile.isEmpty() || test::readBytes(outsideFile) == outsideBytes;
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

    bool ok = true;
    QTemporaryDir outside;
    QString outsideFile;
    const QByteArray outsideBytes = "a file of someone else's\n";
};

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
    QTest::newRow("settings a link to /dev/null") << "link:Bob.ini=/dev/null" << false;
    QTest::newRow("settings a pipe") << "pipe:Bob.ini" << false;
    QTest::newRow("settings a folder") << "dir:Bob.ini" << false;
    QTest::newRow("a folder where a settings lock was") << "dir:Bob.ini.lock" << true;
}

void tst_HostileFolder::preferencesNeverWriteThroughALink() {
    QFETCH(QString, planted);
    QFETCH(bool, kept);
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

QTEST_MAIN(tst_HostileFolder)
#include "tst_HostileFolder.moc"
