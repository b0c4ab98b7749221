// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LazyPrinter.h"
#include "platform/LazySoundPlayer.h"
#include "platform/SoundServerProbe.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace kf;

namespace {

const QStringList kFixture{QStringLiteral(KF_FIXTURE_MODULES)};

// A local socket that accepts connections while it lives, as a sound server's does.
class ListeningSocket {
public:
    explicit ListeningSocket(const QString& path) {
        const QByteArray name = QFile::encodeName(path);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        m_ok = ::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
               ::listen(m_fd, 4) == 0;
    }
    ~ListeningSocket() { ::close(m_fd); }
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;
    bool ok() const { return m_ok; }

private:
    int m_fd = -1;
    bool m_ok = false;
};

// Sets an environment variable for one scope, restoring what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

class tst_LazyServices : public QObject {
    Q_OBJECT
private slots:
    void theSoundModuleWaitsForTheFirstSound();
    void withoutTheSoundModuleNothingPlays();
    void preparingLoadsTheModuleOnlyForAServer_data();
    void preparingLoadsTheModuleOnlyForAServer();
    void printingLoadsThePrinterModule();
    void withoutThePrinterModulePrintingFailsWithTheReason();
    void soundServerReachable_data();
    void soundServerReachable();
};

void tst_LazyServices::theSoundModuleWaitsForTheFirstSound() {
    LazySoundPlayer player(kFixture);
    player.outputDeviceCount();
    player.beep();
    QVERIFY(!player.moduleLoaded());
    player.play(QStringLiteral("/nowhere/click_2.wav"));
    QVERIFY(player.moduleLoaded());
    // Once loaded the module's own player counts the devices.
    QCOMPARE(player.outputDeviceCount(), 3);
}

void tst_LazyServices::withoutTheSoundModuleNothingPlays() {
    QTemporaryDir empty;
    LazySoundPlayer player({empty.path()});
    player.play(QStringLiteral("/nowhere/click_2.wav"));
    player.play(QStringLiteral("/nowhere/click_2.wav"));
    QVERIFY(!player.moduleLoaded());
}

void tst_LazyServices::preparingLoadsTheModuleOnlyForAServer_data() {
    QTest::addColumn<bool>("serverUp");
    QTest::newRow("a server answers") << true;
    QTest::newRow("no server") << false;
}

void tst_LazyServices::preparingLoadsTheModuleOnlyForAServer() {
    QFETCH(bool, serverUp);
    QTemporaryDir runtime;
    std::unique_ptr<ListeningSocket> server;
    if (serverUp) {
        server = std::make_unique<ListeningSocket>(runtime.filePath(QStringLiteral("native")));
        QVERIFY(server->ok());
    }
    const ScopedEnvironment address(
        "PULSE_SERVER",
        QFile::encodeName(QStringLiteral("unix:") + runtime.filePath(QStringLiteral("native"))));
    LazySoundPlayer player(kFixture);
    player.prepareWhenIdle();
    QVERIFY(!player.moduleLoaded()); // not before the event loop runs
    if (serverUp)
        QTRY_VERIFY(player.moduleLoaded());
    else {
        QTest::qWait(400);
        QVERIFY(!player.moduleLoaded());
    }
}

void tst_LazyServices::printingLoadsThePrinterModule() {
    LazyPrinter printer(kFixture);
    QVERIFY(!printer.moduleLoaded());
    const Printer::Outcome lines = printer.printLines({QStringLiteral("a line")}, QFont());
    QVERIFY(printer.moduleLoaded());
    QCOMPARE(lines.error, QStringLiteral("answered by the module"));
    QCOMPARE(printer.printImage(QImage(4, 4, QImage::Format_RGB32)).error,
             QStringLiteral("answered by the module"));
    QCOMPARE(printer.printTable(PrintedTable{}).error, QStringLiteral("answered by the module"));
}

void tst_LazyServices::withoutThePrinterModulePrintingFailsWithTheReason() {
    QTemporaryDir empty;
    LazyPrinter printer({empty.path()});
    const Printer::Outcome outcome = printer.printImage(QImage(4, 4, QImage::Format_RGB32));
    QCOMPARE(outcome.status, Printer::Status::Failed);
    QVERIFY(outcome.error.contains(QStringLiteral("\"printer\"")));
}

void tst_LazyServices::soundServerReachable_data() {
    QTest::addColumn<QString>("pulseServer"); // %1 stands for the listening socket's folder
    QTest::addColumn<bool>("listening");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("runtime folder, server up") << QString() << true << true;
    QTest::newRow("runtime folder, no server") << QString() << false << false;
    QTest::newRow("unix address, server up")
        << QStringLiteral("unix:%1/pulse/native") << true << true;
    QTest::newRow("unix address, no server")
        << QStringLiteral("unix:%1/pulse/native") << false << false;
    QTest::newRow("plain path behind a machine id")
        << QStringLiteral("{0123abcd}%1/pulse/native tcp:elsewhere") << true << true;
    QTest::newRow("a server elsewhere") << QStringLiteral("tcp:elsewhere:4713") << false << true;
}

void tst_LazyServices::soundServerReachable() {
    QFETCH(QString, pulseServer);
    QFETCH(bool, listening);
    QFETCH(bool, reachable);
    QTemporaryDir runtime;
    QVERIFY(QDir(runtime.path()).mkdir(QStringLiteral("pulse")));
    std::unique_ptr<ListeningSocket> server;
    if (listening) {
        server =
            std::make_unique<ListeningSocket>(runtime.filePath(QStringLiteral("pulse/native")));
        QVERIFY(server->ok());
    }
    const ScopedEnvironment runtimeFolder("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const ScopedEnvironment serverAddress(
        "PULSE_SERVER",
        pulseServer.isEmpty() ? QByteArray() : pulseServer.arg(runtime.path()).toUtf8());
    QCOMPARE(kf::soundServerReachable(), reachable);
    QCOMPARE(LazySoundPlayer(QStringList()).outputDeviceCount(), reachable ? 1 : 0);
}

QTEST_MAIN(tst_LazyServices)
#include "tst_LazyServices.moc"
