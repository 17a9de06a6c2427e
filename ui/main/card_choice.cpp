#include "ui/main/card_choice.h"

#include "game/square_table.h"

namespace tycora::ui {

CardChoice cardFor(int square, CardChoice::Kind wanted)
{
    const bool hasDeed = squareInfo(square).ownable();
    return {hasDeed ? wanted : CardChoice::Kind::Stats, square};
}

int squareAfter(int square, int steps) { return ((square + steps) % BoardSize + BoardSize) % BoardSize; }

} // namespace tycora::ui
