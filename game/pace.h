#pragma once

// How fast the game plays: the intervals of the three timers and how a walk
// and a rent countdown are shown. The pace changes only what the players
// see and when; the rules, the dice and the log are the same at every pace.

namespace tycora {

enum class Pace { Classic, Fast, Instant };

// Every pace, in the order the players are offered them.
inline constexpr Pace AllPaces[] = {Pace::Classic, Pace::Fast, Pace::Instant};

struct PaceTimings {
    int stepMs;          // a step of a walking piece
    int pauseMs;         // a computer player's pause before its throw
    int countdownMs;     // a step of the rent countdown
    bool walkAtOnce;     // the piece jumps to its square in one step
    int countdownSteps;  // at most this many steps for a whole countdown; 0: one pound a step
};

PaceTimings timingsOf(Pace pace);

// How many pounds one step of the countdown of `amount` takes off.
int countdownDecrement(const PaceTimings &timings, int amount);

// "Classic", "Fast", "Instant".
const char *paceName(Pace pace);
Pace nextPace(Pace pace);

} // namespace tycora
