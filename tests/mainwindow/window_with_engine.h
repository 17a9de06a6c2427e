#pragma once

// A main window with a turn engine behind it on a manual clock: scripted
// dice (random ones when the script runs out), every event line recorded,
// and moves run to their end without waiting.

#include "main_window_support.h"

#include "game/dice.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "support/recording_log.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

namespace tycora::testing {

class WindowWithEngine : public MainWindowTest {
protected:
    explicit WindowWithEngine(std::uint64_t seed) : random(seed) {}

    void TearDown() override
    {
        engine.reset();
        MainWindowTest::TearDown();
    }

    // Walks the piece in motion to its square.
    void finishMove()
    {
        for (int i = 0; i < 10000 && engine->tmrMovePiece().enabled(); ++i)
            clock.advanceToNextTick();
    }

    bool logged(const std::string &line) const
    {
        return std::find(log.lines.begin(), log.lines.end(), line) != log.lines.end();
    }

    ManualClock clock;
    RecordingLog log;
    SeededRandom random;
    RandomDice randomDice{random};
    ScriptedDice dice{randomDice};
    std::unique_ptr<Engine> engine;
};

} // namespace tycora::testing
