#pragma once

// Benchmark scenarios: the benchmark's copy of the game (tycora-bench-game,
// built for measuring only and never installed) plays a fixed part of the
// game by itself and reports on standard output when it is ready to be
// watched, so that a probe outside can time the start and measure
// processor time and memory while the game waits.
//
// "ready" carries the processor time used so far (see ready_line.h).
//
//   startup         "ready" once the start menu has been painted
//   startup-alone   "ready" once the start menu has been painted, then the
//                   program ends at once (for profiling the start:
//                   perf record or valgrind --tool=callgrind)
//   open-board      "ready" once the start menu has been painted; then New
//                   Game, four computers and Next, each click a while after
//                   the last paint; "set-up WALL CPU" from New Game to the
//                   set-up's first paint and "board WALL CPU" from Next to
//                   the board's (microseconds), then the program ends
//   human-to-throw  "ready" once the board waits for a human's throw
//   computer-pause  "ready" at the start of a game of four computers, then
//                   "pause on" and "pause off" around every computer's pause
//   computers-play  "ready" at the start of a game of four computers
//   new-games       "ready", then ten games of four computers at the Instant
//                   pace, two seconds each, each but the first after New
//                   Game; "rss N KB" after game N, then the program ends

#include <QString>

namespace tycora::app {
class Application;
}

namespace tycora::bench {

// Starts the named scenario; false for a name it does not know.
bool startBenchmarkScenario(app::Application &game, const QString &scenario);

} // namespace tycora::bench
