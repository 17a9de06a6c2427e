#include "game/pace.h"

namespace tycora {

PaceTimings timingsOf(Pace pace)
{
    switch (pace) {
    case Pace::Fast:
        // About a third of the classic pace; a countdown of any size is
        // over in about two seconds.
        return {170, 600, 33, false, 60};
    case Pace::Instant:
        // Pieces jump and a countdown shows its end at once; a computer
        // still pauses so that a person can follow its turn.
        return {60, 500, 1, true, 1};
    case Pace::Classic: break;
    }
    return {500, 1800, 100, false, 0};
}

int countdownDecrement(const PaceTimings &timings, int amount)
{
    if (timings.countdownSteps <= 0 || amount <= 1)
        return 1;
    return (amount + timings.countdownSteps - 1) / timings.countdownSteps;
}

const char *paceName(Pace pace)
{
    switch (pace) {
    case Pace::Fast: return "Fast";
    case Pace::Instant: return "Instant";
    case Pace::Classic: break;
    }
    return "Classic";
}

Pace nextPace(Pace pace)
{
    switch (pace) {
    case Pace::Classic: return Pace::Fast;
    case Pace::Fast: return Pace::Instant;
    case Pace::Instant: break;
    }
    return Pace::Classic;
}

} // namespace tycora
