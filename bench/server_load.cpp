// Load on the game server: one tycora-server process, and from this process
// scripted players on loopback playing many four-seat games at once. Each
// player throws when offered the throw and says no to every question,
// after a think time (none by default: every player answers at once, which
// measures the server's throughput; with --think MS a player waits half to
// one and a half times MS, as a person at the table would). The games open
// a few at a time, so the set-up is no rush of thousands of connections.
// Prints the games, the time from a move in play (throw, answer, bid, jail
// choice) to the server's first answer, median and 99th percentile, and
// the connections dropped. With --split-cores the server runs on the first
// processor and the scripted players on the second, so that the players'
// own work does not count as the server's latency.
//
//   tycora_bench_server_load SERVER [GAMES] [SECONDS] [--think MS] [--pace Classic|Fast|Instant]
//                            [--split-cores]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>
#include <cstdio>
#include <random>
#include <memory>
#include <sched.h>
#include <sys/resource.h>
#include <vector>

namespace {

void raiseOpenFileLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

QString compact(const QJsonObject &o) { return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)); }

struct Player {
    QWebSocket socket;
    int seat = -1;
    QString code;
    qint64 sentAt = -1;
    bool inPlay = false; // the command waiting for its answer is a move in play
    bool dropped = false;
};

struct Load {
    QElapsedTimer clock;
    std::vector<double> latencies;
    int dropped = 0;
    int joinedGames = 0;
    int thinkMs = 0;
    std::mt19937 random{20261207};

    void send(Player &p, const QJsonObject &command, bool inPlay = false)
    {
        // Small messages go at once, as a game client's should.
        for (QAbstractSocket *tcp : p.socket.findChildren<QAbstractSocket *>())
            tcp->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        p.sentAt = clock.nsecsElapsed();
        p.inPlay = inPlay;
        p.socket.sendTextMessage(compact(command));
    }

    // A move in play, after the player's think time.
    void play(Player &p, const QJsonObject &command)
    {
        if (thinkMs <= 0) {
            send(p, command, true);
            return;
        }
        std::uniform_int_distribution<int> think(thinkMs / 2, thinkMs * 3 / 2);
        QTimer::singleShot(think(random), &p.socket, [this, &p, command] { send(p, command, true); });
    }

    // Answers whatever the server put to this player.
    void react(Player &p, const QJsonObject &message)
    {
        if (p.sentAt >= 0) {
            if (p.inPlay)
                latencies.push_back(double(clock.nsecsElapsed() - p.sentAt) / 1e6);
            p.sentAt = -1;
        }
        if (message.value("type") != "events")
            return;
        const QJsonArray events = message.value("events").toArray();
        for (const QJsonValue &v : events) {
            const QJsonObject e = v.toObject();
            const QString call = e.value("call").toString();
            const bool mine = e.value("player").toInt(-1) == p.seat;
            if (call == "setRollEnabled" && mine && e.value("enabled").toBool())
                play(p, {{"type", "throw"}});
            else if (call == "ask" && mine)
                play(p, {{"type", "answer"}, {"yes", false}});
            else if (call == "askBid" && mine)
                play(p, {{"type", "bid"}, {"amount", 0}});
            else if (call == "askJail" && mine)
                play(p, {{"type", "jail"}, {"choice", "Throw"}});
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    Load load;
    QString pace = QStringLiteral("Instant");
    const bool splitCores = args.removeAll(QStringLiteral("--split-cores")) > 0;
    for (int i = 0; i + 1 < args.size();) {
        if (args[i] == "--think")
            load.thinkMs = args[i + 1].toInt();
        else if (args[i] == "--pace")
            pace = args[i + 1];
        else {
            ++i;
            continue;
        }
        args.remove(i, 2);
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: tycora_bench_server_load SERVER [GAMES] [SECONDS] [--think MS] "
                             "[--pace Classic|Fast|Instant] [--split-cores]\n");
        return 2;
    }
    const int games = args.size() > 1 ? args[1].toInt() : 500;
    const int seconds = args.size() > 2 ? args[2].toInt() : 60;
    raiseOpenFileLimit();

    QTemporaryDir data;
    QProcess server;
    server.setProcessChannelMode(QProcess::SeparateChannels);
    server.start(args[0], {"--port", "0", "--address", "127.0.0.1", "--data", data.path()});
    server.setReadChannel(QProcess::StandardError);
    if (!server.waitForStarted() || !server.waitForReadyRead(5000)) {
        std::fprintf(stderr, "the server did not start\n");
        return 1;
    }
    const QRegularExpressionMatch port =
        QRegularExpression("listening on port (\\d+)").match(QString::fromLocal8Bit(server.readAllStandardError()));
    if (!port.hasMatch())
        return 1;
    const QUrl url(QStringLiteral("ws://127.0.0.1:%1").arg(port.captured(1)));
    if (splitCores) {
        const auto pin = [](pid_t pid, int cpu) {
            cpu_set_t set;
            CPU_ZERO(&set);
            CPU_SET(cpu, &set);
            return sched_setaffinity(pid, sizeof set, &set) == 0;
        };
        if (!pin(pid_t(server.processId()), 0) || !pin(0, 1))
            std::fprintf(stderr, "could not keep the server and the players on processors of their own\n");
    }

    load.clock.start();
    std::vector<std::unique_ptr<Player>> players;
    static const char *const pieces[] = {"Dog", "Car", "Hat", "Shoe"};
    static const char *const colours[] = {"Red", "Blue", "Green", "Yellow"};
    for (int g = 0; g < games; ++g) {
        for (int seat = 0; seat < 4; ++seat) {
            auto p = std::make_unique<Player>();
            Player *raw = p.get();
            QObject::connect(&raw->socket, &QWebSocket::disconnected, [raw, &load] {
                if (!raw->dropped) {
                    raw->dropped = true;
                    ++load.dropped;
                }
            });
            QObject::connect(&raw->socket, &QWebSocket::textMessageReceived, [raw, seat, &load](const QString &text) {
                const QJsonObject m = QJsonDocument::fromJson(text.toUtf8()).object();
                if (m.value("type") == "joined") {
                    raw->seat = m.value("seat").toInt();
                    raw->code = m.value("code").toString();
                    if (seat == 0)
                        ++load.joinedGames;
                }
                load.react(*raw, m);
            });
            players.push_back(std::move(p));
        }
        Player *seats[4] = {players[players.size() - 4].get(), players[players.size() - 3].get(),
                            players[players.size() - 2].get(), players[players.size() - 1].get()};
        // The host opens the game; the others join when its code is known;
        // the host starts once all four are in.
        QObject::connect(&seats[0]->socket, &QWebSocket::connected, [seats, &load, pace] {
            load.send(*seats[0], {{"type", "host"}, {"name", "P0"}, {"piece", "Dog"}, {"colour", "Red"}, {"pace", pace}});
        });
        QObject::connect(&seats[0]->socket, &QWebSocket::textMessageReceived, [seats, &load, url](const QString &text) {
            const QJsonObject m = QJsonDocument::fromJson(text.toUtf8()).object();
            if (m.value("type") == "joined") {
                for (int s = 1; s < 4; ++s) {
                    Player *p = seats[s];
                    const QString code = m.value("code").toString();
                    QObject::connect(&p->socket, &QWebSocket::connected, [p, s, code, &load] {
                        load.send(*p, {{"type", "join"}, {"code", code}, {"name", QStringLiteral("P%1").arg(s)},
                                       {"piece", pieces[s]}, {"colour", colours[s]}});
                    });
                    p->socket.open(url);
                }
            } else if (m.value("type") == "game" && m.value("seats").toArray().size() == 4 && !m.value("started").toBool()) {
                load.send(*seats[0], {{"type", "start"}});
            }
        });
        // Ten games open every 20 ms.
        QTimer::singleShot(g / 10 * 20, &seats[0]->socket, [seats, url] { seats[0]->socket.open(url); });
    }

    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();

    server.terminate();
    server.waitForFinished(5000);
    std::vector<double> l = load.latencies;
    std::sort(l.begin(), l.end());
    const auto at = [&](double q) { return l.empty() ? 0.0 : l[std::min(l.size() - 1, std::size_t(q * double(l.size())))]; };
    std::printf("games started %d of %d, %zu commands answered in %d s\n", load.joinedGames, games, l.size(), seconds);
    std::printf("think time %d ms, pace %s\n", load.thinkMs, qPrintable(pace));
    std::printf("move in play to first answer: median %.2f ms, 99th percentile %.2f ms\n", at(0.5), at(0.99));
    std::printf("dropped connections: %d\n", load.dropped);
    return 0;
}
