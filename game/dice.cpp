#include "game/dice.h"

#include <cmath>

namespace tycora {

double SeededRandom::next()
{
    // The top 53 bits make a double in [0, 1) exactly.
    ++draws_;
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int RandomDice::throwDie()
{
    const int die = static_cast<int>(std::floor(random_.next() * 6.0)) + 1;
    return die < 1 ? 1 : (die > 6 ? 6 : die);
}

int ScriptedDice::throwDie()
{
    if (script_.empty())
        return fallback_.throwDie();
    const int value = script_.front();
    script_.pop_front();
    return value;
}

} // namespace tycora
