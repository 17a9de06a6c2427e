#pragma once

// The whole state of one game. Integer figures are 16-bit and Long figures
// 32-bit, as the rules and the displays expect. Balances and the Free
// Parking pot are Cash: under Classic rules they keep to the 16-bit range
// like every other figure, under Full rules they hold any sum a game can
// reach (see moneyAfter()).

#include "game/card_table.h"
#include "game/square_table.h"
#include "game/computer_level.h"
#include "game/trading_memory.h"

#include <array>
#include <cstdint>
#include <string>

namespace tycora {

using Integer = std::int16_t;
using Long = std::int32_t;
using Cash = std::int64_t;

constexpr int MaxPlayers = 4;
constexpr int DeckSize = CardsPerDeck;
constexpr Integer StartingMoney = 1500;

// PlayerType values.
constexpr Long Human = 0;
constexpr Long Computer = 1;

struct Player {
    Long PlayerType = Human;
    std::string Name;
    std::string Piece;
    Long Colour = 0;
    Cash Money = 0;
    Integer Square = 0;        // -1 from game start until the piece's first step
    // The order in which the pieces on one square came there, the lowest
    // first (board_pieces.h); 0 for a piece never placed.
    Integer Place = 0;
    Integer TargetSquare = 0;
    Integer DoublesCount = 0;
    bool PassedGo = false;
    // The piece has stepped onto GO, walking forward, since its first step
    // onto the board: it has been once round.
    bool BeenRound = false;

    // Full rules.
    bool InJail = false;
    Integer JailThrows = 0;    // throws that failed to leave jail this stay
    bool Bankrupt = false;
    Integer BankruptOrder = 0; // 1 for the first player to go bankrupt, and so on

    // How strongly a computer plays under Full rules.
    ComputerLevel Level = ComputerLevel::Normal;
};

// What can change of a title deed during a game. Its name, price, rents,
// costs and mortgage value are fixed: the square table holds them.
struct Property {
    Integer Owner = 0;         // meaningful only while Owned
    bool Owned = false;        // set by a purchase; under Full rules a bankruptcy to the bank clears it
    bool Mortgaged = false;    // Full rules
};

struct Building {
    Integer Houses = 0;        // 0..4; a hotel keeps Houses at 4
    bool Hotel = false;
};

struct SquareStat {
    Integer Landed = 0;
    Integer CurrentRent = 0;
    Integer TotalRent = 0;
};

struct Card {
    ::tycora::CardId CardId = ::tycora::CardId::AdvanceToGO;
};

// The whole stock of buildings: what the board holds plus what the bank holds.
constexpr int HouseStock = 32;
constexpr int HotelStock = 12;

struct GameState {
    std::array<Player, MaxPlayers> Players{};
    std::array<Property, BoardSize> Properties{};
    std::array<Building, BoardSize> Buildings{};
    std::array<SquareStat, BoardSize> SquareStats{};
    std::array<Card, DeckSize> ChanceCards{};
    std::array<Card, DeckSize> CommunityCards{};

    Integer PlayerCount = 0;
    Integer CurrentPlayer = 0;
    Integer DiceTotal = 0;
    Integer ChancePos = 0;
    Integer CommunityPos = 0;
    bool MoveFlag = false;
    std::array<bool, 6> ColourTaken{};   // Red, Blue, Green, Yellow, Orange, Purple
    std::array<bool, 6> PieceTaken{};    // Dog, Battleship, Hat, Car, Wheelbarrow, Shoe

    // What the options and the Full rules add.
    Cash FreeParking = 0;                // the pot, when payments go to Free Parking
    Integer HousesLeft = HouseStock;     // in the bank
    Integer HotelsLeft = HotelStock;
    // The player holding each deck's Get Out of Jail Free card (Chance,
    // Community Chest), -1 while it is in its deck.
    std::array<int, 2> JailCardHolder{-1, -1};
    // This turn's offers and the computers' memory of their own.
    TradeMemory Trading;
    static_assert(std::tuple_size_v<decltype(TradeMemory::computers)> == MaxPlayers);

    // A square is held by a player when it has been bought by that player.
    bool holds(int player, int square) const
    {
        const Property &p = Properties[square];
        return p.Owned && p.Owner == player;
    }

    int jailCards(int player) const
    {
        return (JailCardHolder[0] == player) + (JailCardHolder[1] == player);
    }
};

} // namespace tycora
