#pragma once

// Games to save in the tests: computers played for some turns under the
// given rules, stopped at a hand-over.

#include "game/simulation.h"
#include "save/game_document.h"

namespace tycora::testing {

inline SavedGame playedGame(RuleSet rules, long long turns, std::uint64_t seed, int players = 3,
                            bool pot = false, bool trading = false)
{
    NoEventLog log;
    SimulationOptions o;
    o.players = players;
    o.turns = turns;
    o.seed = seed;
    o.game.rules = rules;
    o.game.freeParkingPot = pot;
    o.game.trading = trading;
    o.recordHistory = true;
    Simulation sim(o, log);
    sim.setUp();
    sim.run();
    return sim.capture();
}

inline const save::Provenance TestProvenance{"tycora 1.0.0", "2026-12-07T12:00:00Z"};

} // namespace tycora::testing
