#pragma once

// How fast the turn engine plays a headless game of four computers.

namespace tycora::bench {

struct EngineSpeed {
    long long turns = 0;
    long long throws = 0;
    double seconds = 0;
    double turnsPerSecond() const { return seconds > 0 ? turns / seconds : 0; }
};

EngineSpeed measureEngineSpeed(long long turns, int games);

} // namespace tycora::bench
