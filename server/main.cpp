// tycora-server [--port 8765] [--data DIR] [--cert FILE --key FILE]
// Serves games of Tycora over WebSocket until it is stopped, keeping each
// game in DIR at every hand-over and going on with them when restarted.

#include "net/game_server.h"
#include "toolkit/qt_clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSslCertificate>
#include <QSslKey>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int usage(const char *problem)
{
    std::fprintf(stderr, "tycora-server: %s\nUsage: tycora-server [--port PORT] [--data DIR] [--cert FILE --key FILE]\n", problem);
    return 2;
}

QByteArray readSmallFile(const QString &path, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024) {
        *problem = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    return file.readAll();
}

} // namespace

int main(int argc, char *argv[])
{
    // A connection is a file: as many as the system allows this process.
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }

    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    quint16 port = 8765;
    QString cert, key, address = QStringLiteral("0.0.0.0");
    // Under systemd the unit's private state folder; otherwise the user's.
    QString data = qEnvironmentVariable("STATE_DIRECTORY").section(QLatin1Char(':'), 0, 0);
    if (data.isEmpty())
        data = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath("tycora-server");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--port") && hasValue) {
            bool ok = false;
            const uint value = args[++i].toUInt(&ok);
            if (!ok || value > 65535)
                return usage("the port is a number from 0 to 65535");
            port = quint16(value);
        } else if (a == QLatin1String("--address") && hasValue) {
            address = args[++i];
        } else if (a == QLatin1String("--data") && hasValue) {
            data = args[++i];
        } else if (a == QLatin1String("--cert") && hasValue) {
            cert = args[++i];
        } else if (a == QLatin1String("--key") && hasValue) {
            key = args[++i];
        } else {
            return usage("unknown or incomplete argument");
        }
    }
    if (cert.isEmpty() != key.isEmpty())
        return usage("--cert and --key go together");

    QSslConfiguration tls;
    QString problem;
    if (!cert.isEmpty()) {
        const QList<QSslCertificate> chain = QSslCertificate::fromData(readSmallFile(cert, &problem), QSsl::Pem);
        const QSslKey privateKey(readSmallFile(key, &problem), QSsl::Rsa, QSsl::Pem);
        if (!problem.isEmpty() || chain.isEmpty() || privateKey.isNull())
            return usage("the certificate or its key cannot be read");
        tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificateChain(chain);
        tls.setPrivateKey(privateKey);
    }

    // SIGTERM and SIGINT end the event loop, so every socket closes cleanly:
    // the handler only writes a byte, which the loop reads.
    static int signalPipe[2];
    if (::pipe(signalPipe) != 0)
        return usage("cannot make a pipe for the signals");
    std::signal(SIGTERM, [](int) { [[maybe_unused]] auto n = ::write(signalPipe[1], "x", 1); });
    std::signal(SIGINT, [](int) { [[maybe_unused]] auto n = ::write(signalPipe[1], "x", 1); });
    QSocketNotifier stopper(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopper, &QSocketNotifier::activated, &app, &QCoreApplication::quit);

    if (!QDir().mkpath(data) || !QFileInfo(data).isDir() || !QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        std::fprintf(stderr, "tycora-server: cannot use the folder %s for the games\n", data.toLocal8Bit().constData());
        return 1;
    }

    tycora::ui::QtClock clock;
    tycora::net::GameServer server(clock);
    for (const QString &unread : server.keepGamesIn(data))
        std::fprintf(stderr, "tycora-server: %s\n", unread.toLocal8Bit().constData());
    if (!server.listen(address, port, &problem, cert.isEmpty() ? nullptr : &tls)) {
        std::fprintf(stderr, "tycora-server: cannot listen on port %u: %s\n", unsigned(port),
                     problem.toLocal8Bit().constData());
        return 1;
    }
    std::fprintf(stderr, "tycora-server: listening on port %u\n", unsigned(server.port()));
    return app.exec();
}
