#include "game/board.h"

namespace tycora {

void loadBoard(GameState &state)
{
    for (int sq = 0; sq < BoardSize; ++sq) {
        const SquareInfo &s = squareInfo(sq);
        if (s.kind == SquareKind::Street)
            state.SquareStats[static_cast<std::size_t>(sq)].CurrentRent = static_cast<Integer>(s.rents.bare);
    }
}

} // namespace tycora
