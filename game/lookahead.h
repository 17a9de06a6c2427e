#pragma once

// Short futures of a game, played from a copy of where it stands with the
// engine itself: every player a normal computer, the dice and the unseen
// part of each deck from random numbers of the lookahead's own. Each
// choice is tried on the same futures (the same dice and the same deck
// orders), so that the choices differ only by what they change.
//
// Nothing here touches the real game: its engine, its dice, its log and its
// history are never reached from a future.

#include "game/engine.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tycora {

struct LookaheadSize {
    int futures = 24;       // futures per choice
    int handOvers = 40;     // hand-overs each future plays at most
};

// One way the game could stand after a choice: the state, and what to do
// on its engine once it is going (building, say) before the first throw.
struct FutureStart {
    GameState state;
    std::function<void(Engine &)> act;
};

class Lookahead {
public:
    // `seed` makes the futures; the game's own dice are never read.
    Lookahead(const Engine &engine, int player, std::uint64_t seed, LookaheadSize size = {});

    // The game as it stands, everyone a normal computer: the start of a
    // choice to be changed by the caller.
    const GameState &now() const { return now_; }

    // A state in which the turn has passed on, as it would once the
    // player's question is settled: the next player to throw, or the same
    // player again after a double.
    GameState handedOver(GameState state) const;

    // How well the player does over the futures from each start, from 0 (out
    // in every future) to 1 (the winner in every one): the winner scores 1,
    // a bankrupt 0, anyone else their share of the players' net worth.
    std::vector<double> score(const std::vector<FutureStart> &starts) const;

private:
    double playFuture(const FutureStart &start, std::uint64_t futureSeed) const;

    GameOptions options_;
    EngineProgress progress_;
    int player_;
    std::uint64_t seed_;
    LookaheadSize size_;
    GameState now_;
};

// True while the calling thread plays a future: a computer asked to decide
// there decides by its plain measure rather than by futures of its own.
bool playingAFuture();

// A seed from what everyone at the table can see: where the game stands,
// and what is being decided.
std::uint64_t visibleSeed(const Engine &engine, int player, std::uint64_t what);

} // namespace tycora
