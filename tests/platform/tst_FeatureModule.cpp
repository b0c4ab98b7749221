// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FeatureModule.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kf;

class tst_FeatureModule : public QObject {
    Q_OBJECT
private slots:
    void findsTheModuleInTheFirstFolderHoldingIt();
    void aMissingModuleNamesWhereItWasLookedFor();
    void aMissingEntryPointIsReported();
    void aBrokenModuleFileIsReportedNotSkipped();
    void theProgramsModulesAreFoundBesideItsBuild();
    void theEnvironmentFolderComesFirst();
};

void tst_FeatureModule::findsTheModuleInTheFirstFolderHoldingIt() {
    QTemporaryDir empty;
    FeatureModule module(QStringLiteral("sound"),
                         {empty.path(), QStringLiteral(KF_FIXTURE_MODULES)});
    QVERIFY(!module.isLoaded());
    auto* answer = module.resolve<int()>("kf_fixture_answer");
    QVERIFY2(answer, qPrintable(module.errorString()));
    QCOMPARE(answer(), 42);
    QVERIFY(module.isLoaded());
    // The second look finds the same entry without loading again.
    QVERIFY(module.resolve<int()>("kf_fixture_answer") == answer);
}

void tst_FeatureModule::aMissingModuleNamesWhereItWasLookedFor() {
    QTemporaryDir empty;
    FeatureModule module(QStringLiteral("charts"), {empty.path()});
    QVERIFY(!module.resolve("kf_open_charts"));
    QVERIFY(!module.isLoaded());
    QVERIFY(module.errorString().contains(QStringLiteral("\"charts\"")));
    QVERIFY(module.errorString().contains(empty.path()));
}

void tst_FeatureModule::aMissingEntryPointIsReported() {
    FeatureModule module(QStringLiteral("printer"), {QStringLiteral(KF_FIXTURE_MODULES)});
    QVERIFY(!module.resolve("kf_no_such_entry"));
    QVERIFY(module.isLoaded());
    QVERIFY(!module.errorString().isEmpty());
}

void tst_FeatureModule::aBrokenModuleFileIsReportedNotSkipped() {
    QTemporaryDir broken;
    QFile file(broken.filePath(FeatureModule::fileName(QStringLiteral("sound"))));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a shared library");
    file.close();
    // A later folder holds a good module, but the first one found is the one meant.
    FeatureModule module(QStringLiteral("sound"),
                         {broken.path(), QStringLiteral(KF_FIXTURE_MODULES)});
    QVERIFY(!module.resolve("kf_fixture_answer"));
    QVERIFY(!module.isLoaded());
    QVERIFY(!module.errorString().isEmpty());
    QVERIFY(!module.errorString().contains(QStringLiteral("not found")));
}

void tst_FeatureModule::theProgramsModulesAreFoundBesideItsBuild() {
    qunsetenv("KEYFARER_MODULES");
    const QStringList folders = FeatureModule::modulesFolders();
    QCOMPARE(folders.size(), 1);
    for (const char* name : {"charts", "printer", "sound", "speech"}) {
        const QString path =
            folders.first() + QLatin1Char('/') + FeatureModule::fileName(QLatin1String(name));
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }
}

void tst_FeatureModule::theEnvironmentFolderComesFirst() {
    qputenv("KEYFARER_MODULES", "/opt/elsewhere");
    const QStringList folders = FeatureModule::modulesFolders();
    qunsetenv("KEYFARER_MODULES");
    QCOMPARE(folders.size(), 2);
    QCOMPARE(folders.first(), QStringLiteral("/opt/elsewhere"));
}

QTEST_GUILESS_MAIN(tst_FeatureModule)
#include "tst_FeatureModule.moc"
