#include "game/player_setup.h"

namespace tycora {

namespace {

// The slots of PieceTaken, which keep their own order.
constexpr std::array<std::string_view, 6> PieceSlots{"Dog ", "Battleship", "Hat", "Car ", "Wheelbarrow", "Shoe"};

int slotOf(std::string_view name, const std::array<std::string_view, 6> &slots)
{
    for (int i = 0; i < 6; ++i) {
        if (slots[i] == name)
            return i;
    }
    return -1;
}

} // namespace

Long colourIndex(std::string_view name)
{
    const int slot = slotOf(name, ColourNames);
    return slot < 0 ? 0 : slot;
}

Long typeIndex(std::string_view name) { return name == TypeNames[1] ? Computer : Human; }

bool isColourTaken(const GameState &state, std::string_view name)
{
    const int slot = slotOf(name, ColourNames);
    return slot >= 0 && state.ColourTaken[slot];
}

bool isPieceTaken(const GameState &state, std::string_view name)
{
    const int slot = slotOf(name, PieceSlots);
    return slot >= 0 && state.PieceTaken[slot];
}

void markColourTaken(GameState &state, std::string_view name)
{
    if (const int slot = slotOf(name, ColourNames); slot >= 0)
        state.ColourTaken[slot] = true;
}

void markPieceTaken(GameState &state, std::string_view name)
{
    if (const int slot = slotOf(name, PieceSlots); slot >= 0)
        state.PieceTaken[slot] = true;
}

bool isUsableName(std::string_view name) { return name.find_first_not_of(" \t") != std::string_view::npos; }

void fillPlayerRecord(GameState &state, int index, const NewPlayer &player)
{
    markPieceTaken(state, player.piece);
    markColourTaken(state, player.colour);
    Player &p = state.Players[index];
    p.Name = player.name;
    p.Colour = colourIndex(player.colour);
    p.Piece = player.piece;
    p.PlayerType = typeIndex(player.type);
    p.Level = player.level;
    p.Money = StartingMoney;
}

std::string playerAddedLogLine(int index, const NewPlayer &player)
{
    return "Player " + std::to_string(index) + ":  " + player.name + ", " + player.piece + ", " + player.colour +
           ", " + player.type;
}

std::string defaultPlayerName(int index) { return "Player " + std::to_string(index + 1); }

} // namespace tycora
