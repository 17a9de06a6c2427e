#include "game/board_pieces.h"

#include "game/board.h"
#include "game/game_state.h"

#include <algorithm>

namespace tycora {

int pieceSquare(const GameState &state, int player)
{
    if (player < 0 || player >= state.PlayerCount)
        return -1;
    const Player &p = state.Players[player];
    if (p.Bankrupt || p.Square >= BoardSize)
        return -1;
    if (p.Square < 0)
        return p.Place > 0 ? static_cast<int>(squares::Go) : -1;
    return p.Square;
}

std::vector<int> piecesOn(const GameState &state, int square)
{
    std::vector<int> here;
    if (square < 0)
        return here;
    for (int i = 0; i < state.PlayerCount; ++i)
        if (pieceSquare(state, i) == square)
            here.push_back(i);
    std::stable_sort(here.begin(), here.end(),
                     [&state](int a, int b) { return state.Players[a].Place < state.Players[b].Place; });
    return here;
}

void noteArrival(GameState &state, int player)
{
    // Run at every step of every walk: no list is made.
    const int square = pieceSquare(state, player);
    Integer last = 0;
    for (int other = 0; square >= 0 && other < state.PlayerCount; ++other)
        if (other != player && pieceSquare(state, other) == square)
            last = std::max(last, state.Players[other].Place);
    state.Players[player].Place = static_cast<Integer>(last + 1);
}

void lineUp(GameState &state, int square)
{
    if (square < 0)
        return;
    Integer place = 0;
    for (int i = 0; i < state.PlayerCount; ++i)
        if (pieceSquare(state, i) == square)
            state.Players[i].Place = ++place;
}

} // namespace tycora
