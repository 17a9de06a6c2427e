#include "bench/engine_speed.h"

#include "game/simulation.h"

#include <chrono>

namespace tycora::bench {

EngineSpeed measureEngineSpeed(long long turns, int games)
{
    EngineSpeed result;
    NoEventLog log;
    const auto start = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
        SimulationOptions options;
        options.turns = turns;
        options.seed = 1000 + g;
        Simulation sim(options, log);
        sim.setUp();
        sim.run();
        result.turns += sim.engine().handOvers();
        result.throws += sim.engine().throws();
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

} // namespace tycora::bench
