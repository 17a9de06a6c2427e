#pragma once

// A game written down so that it can go on later exactly where it stood:
// the set-up, a complete snapshot taken at a settled point, where the dice
// stand, and the history of every decision taken, from which the game can
// be played again and checked against the snapshot.

#include "game/decision.h"
#include "game/engine.h"
#include "game/game_options.h"
#include "game/game_state.h"
#include "game/pace.h"
#include "game/player_setup.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tycora {

// Where the dice stand: given throws still to come, then the generator
// seeded with `seed` after `draws` numbers.
struct DicePosition {
    std::uint64_t seed = 0;
    std::uint64_t draws = 0;
    std::vector<int> givenDice;
};

struct SavedGame {
    std::vector<NewPlayer> players;   // the set-up, in seat order
    GameOptions options;
    Pace pace = Pace::Classic;
    GameState state;                  // complete: the deeds' fixed figures are the board table's
    EngineProgress progress;
    DicePosition dice;
    std::vector<Decision> history;
    // The lines the game has written so far, for the Game Log of a loaded
    // game; the game goes on exactly without them.
    std::vector<std::string> log;
};

// At most this many of the last log lines are kept in a saved game, each at
// most so long.
constexpr std::size_t MaxSavedLogLines = 20'000;
constexpr std::size_t MaxSavedLogLineLength = 1'000;

// The largest balance or pot a saved game may hold: far beyond what any
// game reaches, and written exactly as a JSON number.
constexpr long long MaxSavedMoney = 1'000'000'000'000;

// At most this many numbers drawn: skipping them when a game is loaded
// takes well under a second.
constexpr std::uint64_t MaxDraws = 100'000'000;

// The game as the engine holds it now; the engine must be settled.
SavedGame captureGame(const Engine &engine, DicePosition dice, std::vector<Decision> history);

// A fresh state for the set-up: the board, the decks in their printed order
// and the players' records.
GameState stateForSetup(const std::vector<NewPlayer> &players);

// The first thing in the saved game that no game played by the rules could
// reach, in words; empty when there is none.
std::string firstProblem(const SavedGame &game);

// The round the game is in: 1 until every player has had a turn, and so on.
long long roundOf(const SavedGame &game);

// The first figure in which the states differ ("Players(1).Money: 1200 and
// 1350"), or empty. The amount a rent countdown still shows is left out:
// it depends on when the countdown's steps fell, not on the game.
std::string firstDifference(const GameState &a, const GameState &b);

} // namespace tycora
