// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundServerProbe.h"

#include <QByteArray>
#include <QFile>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kf {

namespace {

// PULSE_SERVER lists addresses separated by spaces, each perhaps behind a "{machine id}".
QString firstServerAddress(const QString& servers) {
    QString address = servers.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    if (address.startsWith(QLatin1Char('{')))
        address = address.section(QLatin1Char('}'), 1);
    return address;
}

bool connects(const QString& socketPath) {
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

} // namespace

QString soundServerSocket() {
    if (const QString servers = qEnvironmentVariable("PULSE_SERVER"); !servers.isEmpty()) {
        const QString address = firstServerAddress(servers);
        if (address.startsWith(QStringLiteral("unix:")))
            return address.mid(5);
        return address.startsWith(QLatin1Char('/')) ? address : QString();
    }
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        runtime = QStringLiteral("/run/user/%1").arg(::getuid());
    return runtime + QStringLiteral("/pulse/native");
}

bool soundServerReachable() {
    const QString socketPath = soundServerSocket();
    if (socketPath.isEmpty())
        return true; // a server elsewhere: only playing can tell
    return connects(socketPath);
}

} // namespace kf
