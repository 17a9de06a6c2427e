#include "game/lookahead.h"

#include "game/manual_clock.h"
#include "game/mix.h"
#include "game/null_screen.h"
#include "game/rules.h"
#include "game/user_text.h"

#include <utility>

namespace tycora {

namespace {

// The cards not yet drawn in the deck's current pass, put in an order of
// the lookahead's own: what is still to come is not known at the table.
template<typename Cards>
void shuffleUnseen(Cards &cards, int position, SeededRandom &random)
{
    const int from = position < 0 || position >= DeckSize ? 0 : position;
    for (int i = DeckSize - 1; i > from; --i) {
        const int j = from + static_cast<int>(random.next() * (i - from + 1));
        std::swap(cards[i], cards[j]);
    }
}

thread_local int futuresPlaying = 0;

// Marks the thread as playing a future for as long as it lives. Nobody
// reads a future's texts: they stay English, looked up in no translation.
struct PlayingAFuture {
    PlayingAFuture() { ++futuresPlaying; }
    ~PlayingAFuture() { --futuresPlaying; }
    PlayingAFuture(const PlayingAFuture &) = delete;
    PlayingAFuture &operator=(const PlayingAFuture &) = delete;

    EnglishTexts english;
};

} // namespace

bool playingAFuture() { return futuresPlaying > 0; }

std::uint64_t visibleSeed(const Engine &engine, int player, std::uint64_t what)
{
    const GameState &s = engine.state();
    std::uint64_t h = mix(static_cast<std::uint64_t>(engine.throws()) * 131 + static_cast<std::uint64_t>(player));
    h = mix(h ^ static_cast<std::uint64_t>(engine.handOvers()));
    h = mix(h ^ what);
    for (int i = 0; i < s.PlayerCount; ++i)
        h = mix(h ^ (static_cast<std::uint64_t>(s.Players[i].Money) << 8) ^ static_cast<std::uint64_t>(s.Players[i].Square + 1));
    return h;
}

Lookahead::Lookahead(const Engine &engine, int player, std::uint64_t seed, LookaheadSize size)
    : options_(engine.options()), progress_(engine.progress()), player_(player), seed_(seed), size_(size),
      now_(engine.state())
{
    for (int i = 0; i < now_.PlayerCount; ++i) {
        Player &p = now_.Players[i];
        p.PlayerType = Computer;
        p.Level = ComputerLevel::Normal;
        p.TargetSquare = p.Square;
    }
    now_.MoveFlag = false;
}

GameState Lookahead::handedOver(GameState state) const
{
    Player &me = state.Players[player_];
    if (me.DoublesCount > 0 && !me.InJail && !me.Bankrupt)
        return state;
    me.DoublesCount = 0;
    for (int tries = 0; tries < MaxPlayers; ++tries) {
        state.CurrentPlayer = static_cast<Integer>((state.CurrentPlayer + 1) % state.PlayerCount);
        if (!state.Players[state.CurrentPlayer].Bankrupt)
            break;
    }
    return state;
}

std::vector<double> Lookahead::score(const std::vector<FutureStart> &starts) const
{
    std::vector<double> totals(starts.size(), 0.0);
    for (int f = 0; f < size_.futures; ++f) {
        const std::uint64_t futureSeed = mix(seed_ + static_cast<std::uint64_t>(f));
        for (std::size_t c = 0; c < starts.size(); ++c)
            totals[c] += playFuture(starts[c], futureSeed);
    }
    for (double &t : totals)
        t /= size_.futures;
    return totals;
}

double Lookahead::playFuture(const FutureStart &start, std::uint64_t futureSeed) const
{
    const PlayingAFuture marked;
    GameState state = start.state;
    // A future's players start with no memory of offers, as if the game
    // had just begun: what they remember is the real players' own.
    state.Trading = {};
    SeededRandom decks(mix(futureSeed ^ 0xdec5));
    shuffleUnseen(state.ChanceCards, state.ChancePos, decks);
    shuffleUnseen(state.CommunityCards, state.CommunityPos, decks);

    NullScreen screen;
    ManualClock clock;
    NoEventLog log;
    SeededRandom random(futureSeed);
    RandomDice dice(random);
    Engine engine(state, screen, clock, log, dice, options_);
    engine.resume(progress_);
    if (start.act && engine.phase() == Engine::Phase::ToThrow)
        start.act(engine);
    const long long stop = progress_.handOvers + size_.handOvers;
    while (engine.phase() != Engine::Phase::Over && engine.handOvers() < stop && clock.advanceToNextTick()) {
    }
    if (state.Players[player_].Bankrupt)
        return 0.0;
    if (engine.winner() == player_)
        return 1.0;
    double mine = 0.0;
    double all = 0.0;
    for (int i = 0; i < state.PlayerCount; ++i) {
        if (state.Players[i].Bankrupt)
            continue;
        const double worth = static_cast<double>(std::max<Cash>(0, netWorth(state, i)));
        all += worth;
        if (i == player_)
            mine = worth;
    }
    return all > 0 ? mine / all : 0.0;
}

} // namespace tycora
