#include "net/room_store.h"

#include "game/player_setup.h"
#include "save/game_file.h"

#include <QDir>

#include <algorithm>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tycora::net {

namespace {

QString gamePath(const QString &folder, const QString &code) { return QDir(folder).filePath(code + ".tycora"); }
QString seatsPath(const QString &folder, const QString &code) { return QDir(folder).filePath(code + ".seats"); }

bool isToken(const QString &text)
{
    return text.size() == 32 && std::all_of(text.begin(), text.end(), [](QChar c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

} // namespace

bool isGameCode(const QString &text)
{
    return text.size() == 6 && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= 'A' && c <= 'Z'; });
}

namespace {

QByteArray seatsDocument(const GameRoom &room)
{
    QJsonArray tokens;
    for (const Seat &s : room.seats())
        tokens.append(s.computer ? QJsonValue(QJsonValue::Null) : QJsonValue(s.token));
    return QJsonDocument(QJsonObject{{"tokens", tokens}}).toJson(QJsonDocument::Compact);
}

QString writeGame(const QString &folder, const QString &code, const QByteArray &seats, const SavedGame &game)
{
    // The seats first: a game file is never without the tokens of its seats.
    if (QString problem = save::writeFileBytes(seatsPath(folder, code), seats); !problem.isEmpty())
        return problem;
    return save::saveGameFile(gamePath(folder, code), game, save::currentProvenance(QStringLiteral(TYCORA_VERSION)));
}

} // namespace

RoomStore::RoomStore(QString folder) : folder_(std::move(folder)), writer_(std::make_unique<QThreadPool>())
{
    writer_->setMaxThreadCount(1);
}

RoomStore::~RoomStore() { finishWrites(); }

QString RoomStore::keep(const GameRoom &room) const
{
    return writeGame(folder_, room.code(), seatsDocument(room), room.capture());
}

void RoomStore::keepLater(const GameRoom &room)
{
    std::lock_guard lock(mutex_);
    const bool idle = waiting_.empty();
    waiting_[room.code()] = {seatsDocument(room), room.capture(), false};
    if (idle)
        writer_->start([this] { writeWaiting(); });
}

void RoomStore::forgetLater(const QString &code)
{
    std::lock_guard lock(mutex_);
    const bool idle = waiting_.empty();
    waiting_[code] = {{}, {}, true};
    if (idle)
        writer_->start([this] { writeWaiting(); });
}

void RoomStore::writeWaiting()
{
    while (true) {
        std::pair<QString, Pending> next;
        {
            std::lock_guard lock(mutex_);
            if (waiting_.empty())
                return;
            next = std::move(*waiting_.begin());
            waiting_.erase(waiting_.begin());
        }
        if (next.second.forget) {
            forget(next.first);
        } else if (const QString problem = writeGame(folder_, next.first, next.second.seats, next.second.game);
                   !problem.isEmpty()) {
            qWarning("tycora-server: %s", qUtf8Printable(problem));
        }
    }
}

void RoomStore::finishWrites() { writer_->waitForDone(); }

std::vector<StoredGame> RoomStore::games(QStringList *problems) const
{
    std::vector<StoredGame> found;
    const QStringList files = QDir(folder_).entryList({QStringLiteral("*.tycora")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString code = file.chopped(7);
        if (!isGameCode(code))
            continue;
        save::LoadedGame loaded = save::loadGameFile(gamePath(folder_, code));
        if (!loaded.error.isEmpty()) {
            problems->append(loaded.error);
            continue;
        }
        QByteArray bytes;
        const QString seatsFile = seatsPath(folder_, code);
        if (const QString problem = save::readFileBytes(seatsFile, bytes); !problem.isEmpty()) {
            problems->append("\"" + seatsFile + "\" cannot be read: " + problem + ".");
            continue;
        }
        const QJsonArray tokens = QJsonDocument::fromJson(bytes).object().value(QLatin1String("tokens")).toArray();
        if (tokens.size() != qsizetype(loaded.game.players.size())) {
            problems->append("\"" + seatsFile + "\" does not hold a token for each seat.");
            continue;
        }
        StoredGame stored{code, std::move(loaded.game), {}};
        bool good = true;
        for (std::size_t i = 0; i < stored.game.players.size(); ++i) {
            const NewPlayer &p = stored.game.players[i];
            const bool computer = typeIndex(p.type) == Computer;
            const QString token = tokens[qsizetype(i)].toString();
            if (!computer && !isToken(token))
                good = false;
            stored.seats.push_back({QString::fromStdString(p.name), QString::fromStdString(p.piece).trimmed(),
                                    QString::fromStdString(p.colour), computer, computer ? QString() : token, false,
                                    false});
        }
        if (!good) {
            problems->append("\"" + seatsFile + "\" holds a token that no seat could have.");
            continue;
        }
        found.push_back(std::move(stored));
    }
    return found;
}

void RoomStore::forget(const QString &code) const
{
    QFile::remove(gamePath(folder_, code));
    QFile::remove(seatsPath(folder_, code));
}

} // namespace tycora::net
