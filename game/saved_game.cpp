#include "game/saved_game.h"

#include "game/board.h"
#include "game/decks.h"

#include <sstream>

namespace tycora {

SavedGame captureGame(const Engine &engine, DicePosition dice, std::vector<Decision> history)
{
    SavedGame game;
    const GameState &state = engine.state();
    for (int i = 0; i < state.PlayerCount; ++i) {
        const Player &p = state.Players[i];
        game.players.push_back({p.Name, p.Piece, std::string(ColourNames[p.Colour % ColourNames.size()]),
                                std::string(TypeNames[p.PlayerType == Computer ? 1 : 0]), p.Level});
    }
    game.options = engine.options();
    game.pace = engine.pace();
    game.state = state;
    game.progress = engine.progress();
    game.dice = std::move(dice);
    game.history = std::move(history);
    return game;
}

GameState stateForSetup(const std::vector<NewPlayer> &players)
{
    GameState state;
    fillChanceDeck(state);
    fillCommunityDeck(state);
    loadBoard(state);
    for (std::size_t i = 0; i < players.size() && i < MaxPlayers; ++i) {
        fillPlayerRecord(state, static_cast<int>(i), players[i]);
        state.PlayerCount = static_cast<Integer>(i + 1);
    }
    return state;
}

long long roundOf(const SavedGame &game)
{
    const int players = game.state.PlayerCount > 0 ? game.state.PlayerCount : 1;
    return game.progress.handOvers / players + 1;
}

namespace {

// Collects the first difference between two states, field by field.
class Comparison {
public:
    template<typename T>
    void check(const std::string &field, const T &a, const T &b)
    {
        if (!first_.empty() || a == b)
            return;
        std::ostringstream text;
        text << field << ": " << shown(a) << " and " << shown(b);
        first_ = text.str();
    }
    const std::string &first() const { return first_; }

private:
    template<typename T>
    static auto shown(const T &value)
    {
        if constexpr (std::is_same_v<T, std::string>)
            return "\"" + value + "\"";
        else if constexpr (std::is_enum_v<T>)
            return static_cast<int>(value);
        else
            return static_cast<long long>(value);
    }
    std::string first_;
};

std::string at(const char *array, int index) { return std::string(array) + "(" + std::to_string(index) + ")."; }

} // namespace

std::string firstDifference(const GameState &a, const GameState &b)
{
    Comparison c;
    c.check("PlayerCount", a.PlayerCount, b.PlayerCount);
    c.check("CurrentPlayer", a.CurrentPlayer, b.CurrentPlayer);
    for (int i = 0; i < MaxPlayers; ++i) {
        const Player &x = a.Players[i], &y = b.Players[i];
        const std::string p = at("Players", i);
        c.check(p + "Name", x.Name, y.Name);
        c.check(p + "Piece", x.Piece, y.Piece);
        c.check(p + "Colour", x.Colour, y.Colour);
        c.check(p + "PlayerType", x.PlayerType, y.PlayerType);
        c.check(p + "Money", x.Money, y.Money);
        c.check(p + "Square", x.Square, y.Square);
        c.check(p + "TargetSquare", x.TargetSquare, y.TargetSquare);
        c.check(p + "DoublesCount", x.DoublesCount, y.DoublesCount);
        c.check(p + "PassedGo", x.PassedGo, y.PassedGo);
        c.check(p + "BeenRound", x.BeenRound, y.BeenRound);
        c.check(p + "InJail", x.InJail, y.InJail);
        c.check(p + "JailThrows", x.JailThrows, y.JailThrows);
        c.check(p + "Bankrupt", x.Bankrupt, y.Bankrupt);
        c.check(p + "BankruptOrder", x.BankruptOrder, y.BankruptOrder);
    }
    for (int sq = 0; sq < BoardSize; ++sq) {
        const std::string s = at("Properties", sq);
        c.check(s + "Owned", a.Properties[sq].Owned, b.Properties[sq].Owned);
        c.check(s + "Owner", a.Properties[sq].Owner, b.Properties[sq].Owner);
        c.check(s + "Mortgaged", a.Properties[sq].Mortgaged, b.Properties[sq].Mortgaged);
        c.check(at("Buildings", sq) + "Houses", a.Buildings[sq].Houses, b.Buildings[sq].Houses);
        c.check(at("Buildings", sq) + "Hotel", a.Buildings[sq].Hotel, b.Buildings[sq].Hotel);
        c.check(at("SquareStats", sq) + "Landed", a.SquareStats[sq].Landed, b.SquareStats[sq].Landed);
        c.check(at("SquareStats", sq) + "TotalRent", a.SquareStats[sq].TotalRent, b.SquareStats[sq].TotalRent);
    }
    for (int k = 0; k < DeckSize; ++k) {
        c.check(at("ChanceCards", k) + "CardId", a.ChanceCards[k].CardId, b.ChanceCards[k].CardId);
        c.check(at("CommunityCards", k) + "CardId", a.CommunityCards[k].CardId, b.CommunityCards[k].CardId);
    }
    c.check("ChancePos", a.ChancePos, b.ChancePos);
    c.check("CommunityPos", a.CommunityPos, b.CommunityPos);
    c.check("JailCardHolder(0)", a.JailCardHolder[0], b.JailCardHolder[0]);
    c.check("JailCardHolder(1)", a.JailCardHolder[1], b.JailCardHolder[1]);
    c.check("DiceTotal", a.DiceTotal, b.DiceTotal);
    c.check("MoveFlag", a.MoveFlag, b.MoveFlag);
    c.check("FreeParking", a.FreeParking, b.FreeParking);
    c.check("HousesLeft", a.HousesLeft, b.HousesLeft);
    c.check("HotelsLeft", a.HotelsLeft, b.HotelsLeft);
    return c.first();
}

} // namespace tycora
