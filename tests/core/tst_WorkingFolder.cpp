// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WorkingFolder.h"
#include "tests/common/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace kf;

class tst_WorkingFolder : public QObject {
    Q_OBJECT

private slots:
    void newFolderIsFilledWithTheShippedFiles();
    void existingFolderIsFilledOnlyWhenItHoldsNoShippedFile_data();
    void existingFolderIsFilledOnlyWhenItHoldsNoShippedFile();
    void somethingElseThanAFolderIsNamed_data();
    void somethingElseThanAFolderIsNamed();
    void missingShippedFilesAreReported();
    void namesIgnoreLetterCase();
    void shippedFolderIsOnlyRead();
    void shippedFolderIsRefusedAsWorkingFolder_data();
    void shippedFolderIsRefusedAsWorkingFolder();
};

namespace {

using test::readBytes;
using test::writeBytes;

} // namespace

void tst_WorkingFolder::newFolderIsFilledWithTheShippedFiles() {
    QTemporaryDir shipped;
    QVERIFY(writeBytes(shipped.filePath(QStringLiteral("keybord20.bmp")), "picture"));
    QVERIFY(writeBytes(shipped.filePath(QStringLiteral("click_2.wav")), "sound"));
    QTemporaryDir parent;
    const QString home = parent.filePath(QStringLiteral("a/b/keyfarer"));
    const WorkingFolder folder(home);
    QCOMPARE(folder.prepare(shipped.path()), QString());
    QCOMPARE(readBytes(folder.filePath(QStringLiteral("keybord20.bmp"))), QByteArray("picture"));
    QCOMPARE(readBytes(folder.filePath(QStringLiteral("click_2.wav"))), QByteArray("sound"));
    // The copies can be rebuilt in place when the nationality changes.
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("keybord20.bmp"))).isWritable());
}

void tst_WorkingFolder::existingFolderIsFilledOnlyWhenItHoldsNoShippedFile_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<bool>("filled");
    QTest::newRow("prepared and empty") << QStringList() << true;
    QTest::newRow("only student files, moved from another server")
        << QStringList{QStringLiteral("Ann.stu"), QStringLiteral("Ann.ini")} << true;
    QTest::newRow("some shipped files: the user's own")
        << QStringList{QStringLiteral("keybord20.bmp")} << false;
    QTest::newRow("one in another letter case")
        << QStringList{QStringLiteral("CLICK_2.WAV")} << false;
}

void tst_WorkingFolder::existingFolderIsFilledOnlyWhenItHoldsNoShippedFile() {
    QFETCH(QStringList, before);
    QFETCH(bool, filled);
    QTemporaryDir shipped;
    QVERIFY(writeBytes(shipped.filePath(QStringLiteral("keybord20.bmp")), "new picture"));
    QVERIFY(writeBytes(shipped.filePath(QStringLiteral("click_2.wav")), "new sound"));
    QTemporaryDir home;
    for (const QString& name : before)
        QVERIFY(writeBytes(home.filePath(name), "the user's own"));
    const WorkingFolder folder(home.path());
    QCOMPARE(folder.prepare(shipped.path()), QString());
    for (const QString& name : before)
        QCOMPARE(readBytes(home.filePath(name)), QByteArray("the user's own"));
    const qsizetype expected = before.size() + (filled ? 2 : 0);
    QCOMPARE(QDir(home.path()).entryList(QDir::Files).size(), expected);
    if (filled)
        QCOMPARE(readBytes(home.filePath(QStringLiteral("click_2.wav"))), QByteArray("new sound"));
}

void tst_WorkingFolder::somethingElseThanAFolderIsNamed_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a file") << QStringLiteral("a file");
    QTest::newRow("a named pipe") << QStringLiteral("a named pipe");
}

void tst_WorkingFolder::somethingElseThanAFolderIsNamed() {
    QFETCH(QString, kind);
    QTemporaryDir shipped;
    QVERIFY(writeBytes(shipped.filePath(QStringLiteral("click_2.wav")), "sound"));
    QTemporaryDir parent;
    const QString path = parent.filePath(QStringLiteral("class"));
    if (kind == u"a file")
        QVERIFY(writeBytes(path, "notes"));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const QString problem = WorkingFolder(path).prepare(shipped.path());
    QCOMPARE(problem, QStringLiteral("\"%1\" is %2, not a folder. Give Keyfarer a folder as its "
                                     "working folder.")
                          .arg(path, kind));
}

void tst_WorkingFolder::missingShippedFilesAreReported() {
    QTemporaryDir parent;
    const WorkingFolder folder(parent.filePath(QStringLiteral("home")));
    const QString problem = folder.prepare(parent.filePath(QStringLiteral("nowhere")));
    QVERIFY(!problem.isEmpty());
    QVERIFY(problem.contains(QStringLiteral("nowhere")));
}

void tst_WorkingFolder::namesIgnoreLetterCase() {
    QTemporaryDir home;
    QVERIFY(writeBytes(home.filePath(QStringLiteral("italianbord20.bmp")), "lower"));
    QVERIFY(writeBytes(home.filePath(QStringLiteral("Bob.STU")), "x"));
    const WorkingFolder folder(home.path());
    QCOMPARE(readBytes(folder.filePath(QStringLiteral("Italianbord20.bmp"))), QByteArray("lower"));
    QVERIFY(folder.exists(QStringLiteral("ITALIANBORD20.BMP")));
    QVERIFY(!folder.exists(QStringLiteral("italianbord10.bmp")));
    QCOMPARE(folder.filesEndingWith(QStringLiteral(".stu")),
             QStringList{QStringLiteral("Bob.STU")});
    // Hidden files count, folders and near misses do not, in the order QDir's own filter gives.
    for (const char* name : {"ann.stu", ".hidden.stu", "Cy.Stu", "notes.stux", "stu"})
        QVERIFY(writeBytes(home.filePath(QString::fromLatin1(name)), "x"));
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("folder.stu")));
    const QStringList byQDir =
        QDir(home.path(), QStringLiteral("*.stu"), QDir::Name | QDir::IgnoreCase,
             QDir::Files | QDir::Hidden | QDir::System)
            .entryList();
    QCOMPARE(byQDir.size(), 4);
    QCOMPARE(folder.filesEndingWith(QStringLiteral(".stu")), byQDir);
    // An exact match wins over one that differs only in case.
    QVERIFY(writeBytes(home.filePath(QStringLiteral("Italianbord20.bmp")), "exact"));
    QCOMPARE(readBytes(folder.filePath(QStringLiteral("Italianbord20.bmp"))), QByteArray("exact"));
}

void tst_WorkingFolder::shippedFolderIsOnlyRead() {
    // As installed: read-only files in a read-only folder.
    QTemporaryDir shipped;
    QVERIFY(writeBytes(shipped.filePath(QStringLiteral("keybord20.bmp")), "picture"));
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(shipped.filePath(QStringLiteral("keybord20.bmp")), readOnly));
    const QFileInfo before(shipped.filePath(QStringLiteral("keybord20.bmp")));
    QVERIFY(QFile::setPermissions(shipped.path(),
                                  readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
    QTemporaryDir parent;
    const WorkingFolder folder(parent.filePath(QStringLiteral("keyfarer")));
    QCOMPARE(folder.prepare(shipped.path()), QString());
    QVERIFY(QFile::setPermissions(shipped.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(QDir(shipped.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("keybord20.bmp")});
    const QFileInfo after(shipped.filePath(QStringLiteral("keybord20.bmp")));
    QCOMPARE(after.lastModified(), before.lastModified());
    QCOMPARE(after.permissions(), before.permissions());
    QCOMPARE(readBytes(after.filePath()), QByteArray("picture"));
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("keybord20.bmp"))).isWritable());
}

void tst_WorkingFolder::shippedFolderIsRefusedAsWorkingFolder_data() {
    QTest::addColumn<QString>("spelling");
    QTest::newRow("same path") << QStringLiteral("share/keyfarer");
    QTest::newRow("trailing slash") << QStringLiteral("share/keyfarer/");
    QTest::newRow("through a dot-dot") << QStringLiteral("share/../share/keyfarer");
    QTest::newRow("through a link") << QStringLiteral("link");
}

void tst_WorkingFolder::shippedFolderIsRefusedAsWorkingFolder() {
    QFETCH(QString, spelling);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("share/keyfarer")));
    const QString shipped = root.filePath(QStringLiteral("share/keyfarer"));
    QVERIFY(writeBytes(shipped + QStringLiteral("/keybord20.bmp"), "picture"));
    QVERIFY(QFile::link(shipped, root.filePath(QStringLiteral("link"))));
    const WorkingFolder folder(root.filePath(spelling));
    const QString problem = folder.prepare(shipped);
    QVERIFY2(problem.contains(QStringLiteral("--working-folder")), qPrintable(problem));
    // A folder beside it is fine.
    QCOMPARE(WorkingFolder(root.filePath(QStringLiteral("home"))).prepare(shipped), QString());
}

QTEST_GUILESS_MAIN(tst_WorkingFolder)
#include "tst_WorkingFolder.moc"
