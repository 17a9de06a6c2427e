#pragma once

// A whole game of computer players with no window: the same engine as in
// the program, on a manual clock, so hundreds of turns take milliseconds.

#include "game/dice.h"
#include "game/engine.h"
#include "game/event_log.h"
#include "game/manual_clock.h"
#include "game/null_screen.h"
#include "game/saved_game.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tycora {

// Texts for the simulation's JSON: a string in quotes with its escapes, and
// the share one count has of a total as a fraction with six decimals.
std::string jsonString(const std::string &text);
std::string jsonShare(long long part, long long whole);

struct SimulationOptions {
    int players = 4;            // 2..4: the first of "Add 4 Computer Players"
    long long turns = 100;      // hand-overs of the turn to play (at most)
    std::uint64_t seed = 0;
    std::vector<int> dice;      // given throws, die 1 then die 2, before the generator
    GameOptions game;           // the house options and the rule set
    // Players who play by the classic computer's rule whatever the rule set
    // (to measure one strategy against the other).
    std::vector<int> classicComputers;
    // The level of each seat's computer under Full rules, in seat order;
    // seats beyond the list play Normal.
    std::vector<ComputerLevel> levels;
    // Keep every decision, so that the game can be saved with its history.
    bool recordHistory = false;
};

// The options that go on with a saved game for `moreTurns` more hand-overs:
// its players, rules, options and dice.
SimulationOptions optionsToResume(const SavedGame &game, long long moreTurns);

class Simulation {
public:
    Simulation(const SimulationOptions &options, EventLog &log, Screen *screen = nullptr);

    // What start-up and the set-up window do: decks, board, the players
    // (with their log lines), then the game start.
    void setUp();
    // Instead of setUp(): goes on from a saved game, built with
    // optionsToResume(). Nothing is logged.
    void resumeFrom(const SavedGame &game);
    // The game as it stands, with its history; only while the engine is
    // settled (see Engine::settled).
    SavedGame capture() const;
    // Plays until the turn has been handed over `turns` times, or someone
    // has won. Returns false if the game stood still (no timer running),
    // which would be a fault.
    bool run();
    // All the turns have been played, or someone has won.
    bool finished() const;
    // Plays up to the next tick of a timer; false when nothing would ever
    // happen again (no timer running), which would be a fault.
    bool playTick();

    GameState &state() { return state_; }
    Engine &engine() { return *engine_; }
    ManualClock &clock() { return clock_; }
    const SimulationOptions &options() const { return options_; }

    // One JSON object: squares, players, the bank, throws and the seed.
    std::string reportJson() const;

private:
    SimulationOptions options_;
    EventLog &log_;
    NullScreen nullScreen_;
    GameState state_;
    ManualClock clock_;
    SeededRandom random_;
    RandomDice randomDice_;
    ScriptedDice dice_;
    std::unique_ptr<Engine> engine_;
    std::vector<Decision> history_;
};

} // namespace tycora
