#pragma once

// Where the pieces stand, as every view of the board draws them: each
// player's square, and the order in which the pieces on one square came
// there. The order is part of the game, so that a copy of the state shows
// the pieces exactly as the game in play does.

#include <vector>

namespace tycora {

struct GameState;

// The square the player's piece stands on; -1 when it is off the board
// (not yet stepped on, or out of the game). The first player's piece waits
// on GO from the start.
int pieceSquare(const GameState &state, int player);

// The players whose pieces stand on a square, the first to come first.
std::vector<int> piecesOn(const GameState &state, int square);

// The player's piece has just come onto its square: it stands after the
// pieces already there.
void noteArrival(GameState &state, int player);

// A piece has left the square: the pieces still on it line up again in
// the order of the players.
void lineUp(GameState &state, int square);

} // namespace tycora
