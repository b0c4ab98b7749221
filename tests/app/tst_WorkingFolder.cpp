// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kf;

class tst_WorkingFolder : public QObject {
    Q_OBJECT

private slots:
    void newFolderIsFilledWithTheShippedFiles();
    void existingFolderIsLeftAsItIs();
    void missingShippedFilesAreReported();
    void namesIgnoreLetterCase();
    void homeComesFromTheEnvironment();
};

namespace {

void write(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void tst_WorkingFolder::newFolderIsFilledWithTheShippedFiles() {
    QTemporaryDir shipped;
    write(shipped.filePath(QStringLiteral("keybord20.bmp")), "picture");
    write(shipped.filePath(QStringLiteral("click_2.wav")), "sound");
    QTemporaryDir parent;
    const QString home = parent.filePath(QStringLiteral("a/b/keyfarer"));
    const WorkingFolder folder(home);
    QCOMPARE(folder.prepare(shipped.path()), QString());
    QCOMPARE(read(folder.filePath(QStringLiteral("keybord20.bmp"))), QByteArray("picture"));
    QCOMPARE(read(folder.filePath(QStringLiteral("click_2.wav"))), QByteArray("sound"));
    // The copies can be rebuilt in place when the nationality changes.
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("keybord20.bmp"))).isWritable());
}

void tst_WorkingFolder::existingFolderIsLeftAsItIs() {
    QTemporaryDir shipped;
    write(shipped.filePath(QStringLiteral("keybord20.bmp")), "new picture");
    QTemporaryDir home;
    write(home.filePath(QStringLiteral("keybord20.bmp")), "the student's own");
    const WorkingFolder folder(home.path());
    QCOMPARE(folder.prepare(shipped.path()), QString());
    QCOMPARE(read(home.filePath(QStringLiteral("keybord20.bmp"))), QByteArray("the student's own"));
    QCOMPARE(QDir(home.path()).entryList(QDir::Files).size(), 1);
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
    write(home.filePath(QStringLiteral("italianbord20.bmp")), "lower");
    write(home.filePath(QStringLiteral("Bob.STU")), "x");
    const WorkingFolder folder(home.path());
    QCOMPARE(read(folder.filePath(QStringLiteral("Italianbord20.bmp"))), QByteArray("lower"));
    QVERIFY(folder.exists(QStringLiteral("ITALIANBORD20.BMP")));
    QVERIFY(!folder.exists(QStringLiteral("italianbord10.bmp")));
    QCOMPARE(folder.find(QStringLiteral("*.stu")), QStringList{QStringLiteral("Bob.STU")});
    // An exact match wins over one that differs only in case.
    write(home.filePath(QStringLiteral("Italianbord20.bmp")), "exact");
    QCOMPARE(read(folder.filePath(QStringLiteral("Italianbord20.bmp"))), QByteArray("exact"));
}

void tst_WorkingFolder::homeComesFromTheEnvironment() {
    const QByteArray saved = qgetenv("KEYFARER_HOME");
    qputenv("KEYFARER_HOME", "/tmp/some/classroom");
    QCOMPARE(WorkingFolder::defaultLocation(), QStringLiteral("/tmp/some/classroom"));
    qunsetenv("KEYFARER_HOME");
    QVERIFY(WorkingFolder::defaultLocation().endsWith(QStringLiteral("/share/keyfarer")));
    if (!saved.isEmpty())
        qputenv("KEYFARER_HOME", saved);
}

QTEST_GUILESS_MAIN(tst_WorkingFolder)
#include "tst_WorkingFolder.moc"
