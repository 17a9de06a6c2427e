// tycora_bench: the game's performance figures, printed as a table.

#include "bench/engine_speed.h"

#include <cstdio>

int main()
{
    using namespace tycora::bench;
    const EngineSpeed speed = measureEngineSpeed(100000, 10);
    std::printf("| measure | result | goal |\n|---|---|---|\n");
    std::printf("| engine turns per second (headless, 4 computers, %lld turns) | %.0f | > 1000000 |\n", speed.turns,
                speed.turnsPerSecond());
    return 0;
}
