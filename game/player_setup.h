#pragma once

// The players' choices: colours, pieces and types by their texts, and the
// filling of a player record when a player is added.

#include "game/game_state.h"
#include "game/palette.h"

#include <array>
#include <string>
#include <string_view>

namespace tycora {

// In the order the set-up combos offer them. Two piece names end in a blank.
inline constexpr std::array<std::string_view, 6> ColourNames = [] {
    std::array<std::string_view, 6> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = PlayerColours[i].name;
    return names;
}();
inline constexpr std::array<std::string_view, 6> PieceNames{"Dog ", "Car ", "Battleship", "Hat", "Shoe", "Wheelbarrow"};
inline constexpr std::array<std::string_view, 2> TypeNames{"Human", "Computer"};

Long colourIndex(std::string_view name);   // 0 for an unknown text
Long typeIndex(std::string_view name);     // 0 for an unknown text
bool isColourTaken(const GameState &state, std::string_view name);
bool isPieceTaken(const GameState &state, std::string_view name);
void markColourTaken(GameState &state, std::string_view name);
void markPieceTaken(GameState &state, std::string_view name);

// The longest name the set-up accepts, in characters.
constexpr int MaxNameLength = 20;

// True for a name that can be added: not empty and not only blanks.
bool isUsableName(std::string_view name);

struct NewPlayer {
    std::string name;
    std::string piece;
    std::string colour;
    std::string type;
    ComputerLevel level = ComputerLevel::Normal;   // for a computer under Full rules
};

// Fills Players(index) and marks the piece and colour taken.
void fillPlayerRecord(GameState &state, int index, const NewPlayer &player);

// "Player 0:  Ann, Dog , Red, Human"
std::string playerAddedLogLine(int index, const NewPlayer &player);

// The pieces and colours of "Add 4 Computer Players", in order.
struct PieceAndColour {
    std::string_view piece;
    std::string_view colour;
};
inline constexpr std::array<PieceAndColour, 4> ComputerPlayerChoices{{
    {"Dog ", "Red"}, {"Hat", "Blue"}, {"Shoe", "Green"}, {"Battleship", "Orange"},
}};

// "Player 1" for index 0: the name the set-up suggests for each player.
std::string defaultPlayerName(int index);

} // namespace tycora
