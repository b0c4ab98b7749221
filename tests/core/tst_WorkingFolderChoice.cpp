// SPDX-License-Identifier: GPL-3.0-or-later
// Which working folder a run uses: the option, the variable, then the user's and the machine's
// settings files, read as real files under a temporary XDG root.
#include "core/WorkingFolderChoice.h"
#include "tests/common/FileBytes.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kf;
using test::writeBytes;

class tst_WorkingFolderChoice : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void strongestSourceWins_data();
    void strongestSourceWins();
    void badSettingFallsToTheNextSource_data();
    void badSettingFallsToTheNextSource();

private:
    QString machineFile() const { return m_root.filePath(QStringLiteral("etc/xdg/keyfarer.conf")); }
    QString userFile() const {
        return m_root.filePath(QStringLiteral("home/.config/keyfarer.conf"));
    }
    bool writeSetting(const QString& file, const QString& folder) const {
        return writeBytes(file, "[General]\nWorkingFolder=" + folder.toUtf8() + '\n');
    }

    QTemporaryDir m_root;
};

namespace {
const QString kMachineFolder = QStringLiteral("/srv/classes/7b");
const QString kUserFolder = QStringLiteral("/home/pat/typing");
const QString kHomeFolder = QStringLiteral("/tmp/from/variable");
const QString kOptionFolder = QStringLiteral("/tmp/from/option");
} // namespace

void tst_WorkingFolderChoice::initTestCase() {
    // Qt reads these once, when the first settings file is opened.
    QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("etc/xdg")));
    QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("home/.config")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_root.filePath(QStringLiteral("etc/xdg"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("home/.config"))));
}

void tst_WorkingFolderChoice::init() {
    qunsetenv("KEYFARER_HOME");
    for (const QString& file : {machineFile(), userFile()}) {
        QFile::remove(file);
        QDir(file).removeRecursively();
    }
}

void tst_WorkingFolderChoice::strongestSourceWins_data() {
    QTest::addColumn<bool>("machine");
    QTest::addColumn<bool>("user");
    QTest::addColumn<bool>("variable");
    QTest::addColumn<bool>("option");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("nothing: the data folder")
        << false << false << false << false << QString() << false;
    QTest::newRow("the machine's setting")
        << true << false << false << false << kMachineFolder << true;
    QTest::newRow("the user's over the machine's")
        << true << true << false << false << kUserFolder << true;
    QTest::newRow("the variable over both")
        << true << true << true << false << kHomeFolder << false;
    QTest::newRow("the option over all") << true << true << true << true << kOptionFolder << false;
}

void tst_WorkingFolderChoice::strongestSourceWins() {
    QFETCH(bool, machine);
    QFETCH(bool, user);
    QFETCH(bool, variable);
    QFETCH(bool, option);
    QFETCH(QString, expected);
    QFETCH(bool, fromFile);
    if (machine)
        QVERIFY(writeSetting(machineFile(), kMachineFolder));
    if (user)
        QVERIFY(writeSetting(userFile(), kUserFolder));
    if (variable)
        qputenv("KEYFARER_HOME", QFile::encodeName(kHomeFolder));
    if (expected.isEmpty())
        expected = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                       .filePath(QStringLiteral("keyfarer"));

    const WorkingFolderChoice choice = chooseWorkingFolder(option ? kOptionFolder : QString());
    QCOMPARE(choice.path, expected);
    QCOMPARE(choice.problems, QStringList());
    QCOMPARE(choice.report(), QString());
    if (fromFile)
        QCOMPARE(choice.source, user ? userFile() : machineFile());
}

void tst_WorkingFolderChoice::badSettingFallsToTheNextSource_data() {
    QTest::addColumn<QByteArray>("content"); // "<folder>": a folder stands where the file should
    QTest::addColumn<bool>("inUserFile");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("said");
    QTest::newRow("user's names a relative path")
        << QByteArray("[General]\nWorkingFolder=class/7b\n") << true << kMachineFolder
        << QStringLiteral("\"class/7b\" is not a full path");
    QTest::newRow("user's names nothing") << QByteArray("[General]\nWorkingFolder=\n") << true
                                          << kMachineFolder << QStringLiteral("names no folder");
    QTest::newRow("user's cannot be read")
        << QByteArray("<folder>") << true << kMachineFolder << QStringLiteral("cannot be read");
    QTest::newRow("user's is garbled")
        << QByteArray("[General\nWorkingFolder=/x\n") << true << kMachineFolder
        << QStringLiteral("not in the settings format");
    QTest::newRow("machine's names a file")
        << QByteArray("[General]\nWorkingFolder=/etc/passwd\n") << false << QString()
        << QStringLiteral("\"/etc/passwd\" is not a folder");
}

void tst_WorkingFolderChoice::badSettingFallsToTheNextSource() {
    QFETCH(QByteArray, content);
    QFETCH(bool, inUserFile);
    QFETCH(QString, expected);
    QFETCH(QString, said);
    const QString bad = inUserFile ? userFile() : machineFile();
    if (inUserFile)
        QVERIFY(writeSetting(machineFile(), kMachineFolder));
    if (content == "<folder>")
        QVERIFY(QDir().mkpath(bad));
    else
        QVERIFY(writeBytes(bad, content));
    if (expected.isEmpty())
        expected = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                       .filePath(QStringLiteral("keyfarer"));

    const WorkingFolderChoice choice = chooseWorkingFolder(QString());
    QCOMPARE(choice.path, expected);
    QCOMPARE(choice.problems.size(), 1);
    QVERIFY2(choice.problems.constFirst().contains(u'"' + bad + u'"'),
             qPrintable(choice.problems.constFirst()));
    QVERIFY2(choice.problems.constFirst().contains(said), qPrintable(choice.problems.constFirst()));
    QVERIFY(choice.report().endsWith(
        QStringLiteral("Keyfarer works in \"%1\" instead.").arg(expected)));
    // The variable and the option do not even look at the files.
    qputenv("KEYFARER_HOME", QFile::encodeName(kHomeFolder));
    QCOMPARE(chooseWorkingFolder(QString()).problems, QStringList());
}

QTEST_GUILESS_MAIN(tst_WorkingFolderChoice)
#include "tst_WorkingFolderChoice.moc"
