// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QTest>

using namespace kf;
using Outcome = CommandLine::Outcome;

class tst_CommandLine : public QObject {
    Q_OBJECT

private slots:
    void outcomes_data();
    void outcomes();
    void helpNamesEveryOptionButNotTheToolkits();
    void versionIsTheProjects();
    void refusalSaysWhatAndWhereToLook_data();
    void refusalSaysWhatAndWhereToLook();
};

void tst_CommandLine::outcomes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("workingFolder");
    QTest::addColumn<int>("exitStatus");
    const QString none;
    QTest::newRow("nothing") << QStringList{} << Outcome::Run << none << 0;
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << Outcome::ShowHelp << none
                            << 0;
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << Outcome::ShowHelp << none << 0;
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << Outcome::ShowVersion
                               << none << 0;
    QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << Outcome::ShowVersion << none << 0;
    QTest::newRow("help wins over version")
        << QStringList{QStringLiteral("--version"), QStringLiteral("--help")} << Outcome::ShowHelp
        << none << 0;
    QTest::newRow("--working-folder DIR")
        << QStringList{QStringLiteral("--working-folder"), QStringLiteral("/srv/class 4b")}
        << Outcome::Run << QStringLiteral("/srv/class 4b") << 0;
    QTest::newRow("--working-folder=DIR") << QStringList{QStringLiteral("--working-folder=rel/dir")}
                                          << Outcome::Run << QStringLiteral("rel/dir") << 0;
    QTest::newRow("toolkit options pass")
        << QStringList{QStringLiteral("-platform"),        QStringLiteral("offscreen"),
                       QStringLiteral("-reverse"),         QStringLiteral("-style=fusion"),
                       QStringLiteral("--working-folder"), QStringLiteral("w")}
        << Outcome::Run << QStringLiteral("w") << 0;
    QTest::newRow("unknown long option")
        << QStringList{QStringLiteral("--colour")} << Outcome::Refuse << none << 2;
    QTest::newRow("unknown short option")
        << QStringList{QStringLiteral("-x")} << Outcome::Refuse << none << 2;
    QTest::newRow("unknown option beside help")
        << QStringList{QStringLiteral("--help"), QStringLiteral("--bogus")} << Outcome::Refuse
        << none << 2;
    QTest::newRow("folder missing")
        << QStringList{QStringLiteral("--working-folder")} << Outcome::Refuse << none << 2;
    QTest::newRow("folder empty") << QStringList{QStringLiteral("--working-folder=")}
                                  << Outcome::Refuse << none << 2;
    QTest::newRow("stray argument")
        << QStringList{QStringLiteral("Bob.stu")} << Outcome::Refuse << none << 2;
}

void tst_CommandLine::outcomes() {
    QFETCH(QStringList, arguments);
    QFETCH(Outcome, outcome);
    QFETCH(QString, workingFolder);
    QFETCH(int, exitStatus);
    arguments.prepend(QStringLiteral("/usr/bin/keyfarer"));
    const CommandLine line = parseCommandLine(arguments);
    QCOMPARE(line.outcome, outcome);
    QCOMPARE(line.workingFolder, workingFolder);
    QCOMPARE(line.exitStatus(), exitStatus);
    QCOMPARE(line.text.isEmpty(), outcome == Outcome::Run);
}

void tst_CommandLine::helpNamesEveryOptionButNotTheToolkits() {
    const CommandLine line =
        parseCommandLine({QStringLiteral("/usr/bin/keyfarer"), QStringLiteral("--help")});
    QVERIFY2(line.text.startsWith(QStringLiteral("Usage: keyfarer [options]\n")),
             qPrintable(line.text));
    for (const char* option :
         {"--help", "--version", "--working-folder <folder>", "--class-csv", "KEYFARER_HOME"})
        QVERIFY2(line.text.contains(QLatin1String(option)), option);
    for (const char* hidden : {"platform", "stylesheet", "reverse"})
        QVERIFY2(!line.text.contains(QLatin1String(hidden)), hidden);
}

void tst_CommandLine::versionIsTheProjects() {
    const CommandLine line =
        parseCommandLine({QStringLiteral("keyfarer"), QStringLiteral("--version")});
    QCOMPARE(line.text, QStringLiteral("keyfarer ") + programVersion());
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                .match(programVersion())
                .hasMatch());
}

void tst_CommandLine::refusalSaysWhatAndWhereToLook_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("names");
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--colour")} << QStringLiteral("colour");
    QTest::newRow("missing value")
        << QStringList{QStringLiteral("--working-folder")} << QStringLiteral("working-folder");
    QTest::newRow("stray argument")
        << QStringList{QStringLiteral("Bob.stu")} << QStringLiteral("Bob.stu");
}

void tst_CommandLine::refusalSaysWhatAndWhereToLook() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, names);
    arguments.prepend(QStringLiteral("keyfarer"));
    const QString text = parseCommandLine(arguments).text;
    QVERIFY2(text.startsWith(QStringLiteral("keyfarer: ")), qPrintable(text));
    QVERIFY2(text.contains(names), qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral("Try 'keyfarer --help' for more information.")),
             qPrintable(text));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
