#include "client/table_state.h"

#include "game/board.h"
#include "game/player_setup.h"
#include "net/protocol.h"

#include <QJsonArray>

#include <algorithm>
#include <limits>

namespace tycora::client {

namespace {

// The name in the game's table whose trimmed form the server sent.
template <typename Names>
std::string listedName(const Names &names, const QString &sent)
{
    for (const std::string_view name : names)
        if (QString::fromUtf8(name.data(), qsizetype(name.size())).trimmed().compare(sent, Qt::CaseInsensitive) == 0)
            return std::string(name);
    return std::string(names.front());
}

int boundedInt(const QJsonValue &value, int low, int high, int otherwise)
{
    const int n = value.toInt(otherwise);
    return n < low || n > high ? otherwise : n;
}

} // namespace

void seatPlayers(GameState &state, const QJsonObject &game)
{
    state = GameState{};
    loadBoard(state);
    const QJsonArray seats = game.value("seats").toArray();
    const int count = std::min<int>(int(seats.size()), MaxPlayers);
    for (int i = 0; i < count; ++i) {
        const QJsonObject seat = seats[i].toObject();
        const NewPlayer player{seat.value("name").toString().toStdString(),
                               listedName(PieceNames, seat.value("piece").toString()),
                               listedName(ColourNames, seat.value("colour").toString()),
                               std::string(TypeNames[seat.value("computer").toBool() ? 1 : 0])};
        fillPlayerRecord(state, i, player);
    }
    state.PlayerCount = static_cast<Integer>(count);
    loadBoard(state);
}

void applyPublicState(GameState &state, const QJsonObject &s)
{
    const QJsonArray players = s.value("players").toArray();
    state.JailCardHolder = {-1, -1};
    std::size_t card = 0;
    for (int i = 0; i < std::min<int>(int(players.size()), state.PlayerCount); ++i) {
        const QJsonObject p = players[i].toObject();
        Player &player = state.Players[std::size_t(i)];
        player.Money = static_cast<Cash>(p.value("money").toDouble(double(player.Money)));
        player.Square = static_cast<Integer>(boundedInt(p.value("square"), -1, BoardSize - 1, player.Square));
        player.Place = static_cast<Integer>(boundedInt(p.value("place"), 0, std::numeric_limits<Integer>::max(), 0));
        player.InJail = p.value("inJail").toBool();
        player.JailThrows = static_cast<Integer>(p.value("jailThrows").toInt());
        player.Bankrupt = p.value("bankrupt").toBool();
        for (int n = p.value("jailCards").toInt(); n > 0 && card < state.JailCardHolder.size(); --n)
            state.JailCardHolder[card++] = i;
    }
    const QJsonArray squares = s.value("squares").toArray();
    for (int sq = 0; sq < std::min<int>(int(squares.size()), BoardSize); ++sq) {
        const QJsonObject q = squares[sq].toObject();
        Property &deed = state.Properties[std::size_t(sq)];
        Building &building = state.Buildings[std::size_t(sq)];
        const QJsonValue owner = q.value("owner");
        deed.Owned = owner.isDouble() && boundedInt(owner, 0, state.PlayerCount - 1, -1) >= 0;
        deed.Owner = static_cast<Integer>(deed.Owned ? owner.toInt() : 0);
        deed.Mortgaged = q.value("mortgaged").toBool();
        building.Hotel = q.value("hotel").toBool();
        // A hotel keeps the houses at four, as on the server's board.
        building.Houses = static_cast<Integer>(building.Hotel ? 4 : boundedInt(q.value("houses"), 0, 4, 0));
    }
    state.CurrentPlayer = static_cast<Integer>(
        boundedInt(s.value("currentPlayer"), 0, std::max<int>(state.PlayerCount - 1, 0), state.CurrentPlayer));
    state.FreeParking = static_cast<Cash>(s.value("freeParking").toDouble(double(state.FreeParking)));
    state.HousesLeft = static_cast<Integer>(s.value("housesLeft").toInt(state.HousesLeft));
    state.HotelsLeft = static_cast<Integer>(s.value("hotelsLeft").toInt(state.HotelsLeft));
}

GameOptions optionsOf(const QJsonObject &game)
{
    GameOptions options;
    options.rules = game.value("rules").toString() == QLatin1String("Full") ? RuleSet::Full : RuleSet::Classic;
    const QJsonObject chosen = game.value("options").toObject();
    options.firstRoundBuying = chosen.value("firstRoundBuying").toBool(true);
    options.doubleGoSalary = chosen.value("doubleGoSalary").toBool();
    options.freeParkingPot = chosen.value("freeParkingPot").toBool();
    options.trading = options.rules == RuleSet::Full && chosen.value("trading").toBool();
    return options;
}

Pace paceOf(const QJsonObject &game)
{
    return net::paceNamed(game.value("pace").toString()).value_or(Pace::Classic);
}

} // namespace tycora::client
