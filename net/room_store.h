#pragma once

// The server's games on disk, so that a server restarted after a stop or a
// crash goes on with them: each game's saved file (CODE.tycora, written at
// every hand-over of the turn) and the tokens of its seats (CODE.seats).
// Both are read as hostile files: a broken pair is left out with a reason.

#include "game/saved_game.h"
#include "net/game_room.h"

#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <map>
#include <memory>
#include <mutex>

#include <vector>

namespace tycora::net {

struct StoredGame {
    QString code;
    SavedGame game;
    std::vector<Seat> seats;
};

class RoomStore {
public:
    explicit RoomStore(QString folder);
    ~RoomStore();
    const QString &folder() const { return folder_; }

    // Empty on success, otherwise why the game was not kept.
    QString keep(const GameRoom &room) const;
    // The game as it stands now, written by a thread of its own, so that a
    // slow disk never holds up play; a newer state of the same game
    // replaces one still waiting. A game forgotten is removed in turn.
    void keepLater(const GameRoom &room);
    void forgetLater(const QString &code);
    // Waits until every write asked for is done.
    void finishWrites();
    // Every game kept; each pair that cannot be read adds a reason.
    std::vector<StoredGame> games(QStringList *problems) const;
    void forget(const QString &code) const;

private:
    struct Pending {
        QByteArray seats;
        SavedGame game;
        bool forget = false;
    };
    void writeWaiting();

    QString folder_;
    std::unique_ptr<QThreadPool> writer_;
    std::mutex mutex_;
    std::map<QString, Pending> waiting_;
};

// Six capital letters, as the server gives.
bool isGameCode(const QString &text);

} // namespace tycora::net
