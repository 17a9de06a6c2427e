#include "game/replay.h"

#include "game/manual_clock.h"
#include "game/null_screen.h"
#include "game/timer.h"

#include <memory>

namespace tycora {

namespace {

std::string describe(const Decision &d)
{
    std::string text = "player " + std::to_string(d.player + 1) + " " +
                       std::string(DecisionKindNames[static_cast<std::size_t>(d.kind)]);
    switch (d.kind) {
    case Decision::Kind::Throw: return text + " " + std::to_string(d.value) + "," + std::to_string(d.second);
    case Decision::Kind::Jail:
        return text + " " + std::string(JailChoiceNames[static_cast<std::size_t>(d.value) % JailChoiceNames.size()]);
    case Decision::Kind::Bankrupt:
    case Decision::Kind::Offer: return text;
    case Decision::Kind::Reply:
        return text + " " + std::string(TradeChoiceNames[static_cast<std::size_t>(d.value) % TradeChoiceNames.size()]);
    default: return text + " " + std::to_string(d.value);
    }
}

// Where the replay stands in the history, and the first difference found.
class HistoryCursor {
public:
    explicit HistoryCursor(const std::vector<Decision> &history) : history_(history) {}

    // The next decision if it is of the kind and by the player.
    const Decision *next(Decision::Kind kind, int player) const
    {
        if (at_ >= history_.size())
            return nullptr;
        const Decision &d = history_[at_];
        return d.kind == kind && d.player == player ? &d : nullptr;
    }
    // The next decision is one of the deed commands by the player.
    const Decision *nextDeedCommand(int player, bool raising) const
    {
        using Kind = Decision::Kind;
        if (at_ >= history_.size() || history_[at_].player != player)
            return nullptr;
        const Kind k = history_[at_].kind;
        const bool fits = k == Kind::Sell || k == Kind::Mortgage ||
                          (!raising && (k == Kind::Build || k == Kind::Unmortgage || k == Kind::Offer));
        return fits ? &history_[at_] : nullptr;
    }
    bool done() const { return at_ >= history_.size(); }

    // The engine took a decision: it must be the next one of the history.
    void taken(const Decision &d)
    {
        if (!difference_.empty())
            return;
        if (at_ >= history_.size())
            differ("the history ends, where the replay has " + describe(d));
        else if (!(history_[at_] == d))
            differ("the history has " + describe(history_[at_]) + ", where the replay has " + describe(d));
        else
            ++at_;
    }
    // The engine asks for something the history does not give next.
    void missing(const std::string &what)
    {
        if (at_ >= history_.size())
            differ("the history ends, where the replay " + what);
        else
            differ("the history has " + describe(history_[at_]) + ", where the replay " + what);
    }
    void differ(const std::string &text)
    {
        if (difference_.empty())
            difference_ = "history entry " + std::to_string(at_ + 1) + ": " + text;
    }
    const std::string &difference() const { return difference_; }

private:
    const std::vector<Decision> &history_;
    std::size_t at_ = 0;
    std::string difference_;
};

// The dice as the history says they fell.
class HistoryDice final : public DiceSource {
public:
    HistoryDice(HistoryCursor &cursor, const GameState &state) : cursor_(cursor), state_(state) {}
    int throwDie() override
    {
        if (secondDie_) {
            secondDie_ = false;
            return second_;
        }
        const Decision *d = cursor_.next(Decision::Kind::Throw, state_.CurrentPlayer);
        if (!d) {
            cursor_.missing("throws the dice");
            return 1;
        }
        secondDie_ = true;
        second_ = d->second;
        return d->value;
    }

private:
    HistoryCursor &cursor_;
    const GameState &state_;
    bool secondDie_ = false;
    int second_ = 1;
};

// A player who does what the history says: the deed commands and the throw
// when they are to throw, the answers when asked. A person raises money
// later, as the window lets them.
class HistoryPlayer final : public PlayerController {
public:
    // `person`: the history's player was a person, not a computer.
    HistoryPlayer(HistoryCursor &cursor, Clock &clock, bool person)
        : cursor_(cursor), raiseLater_(clock, 1), person_(person)
    {
        raiseLater_.setHandler([this] { raiseNow(); });
    }

    void firstTurn(Engine &engine, int player) override { toThrow(engine, player, true); }
    void turnToThrow(Engine &engine, int player) override { toThrow(engine, player, false); }

    void decidePurchase(Engine &, const PurchaseOffer &offer, Answer<bool> answer) override
    {
        if (const Decision *d = cursor_.next(Decision::Kind::Buy, offer.player))
            answer(d->value != 0);
        else
            cursor_.missing("asks player " + std::to_string(offer.player + 1) + " to buy");
    }

    void raiseMoney(Engine &engine, int player, int owed) override
    {
        if (engine.isComputer(player)) {
            raise(engine, player);
            if (engine.state().Players[player].Money < owed)
                engine.giveUpRaising(player);
            return;
        }
        raisingEngine_ = &engine;
        raisingPlayer_ = player;
        raiseLater_.setEnabled(true);
    }

    void decideJail(Engine &, int player, Answer<JailChoice> answer) override
    {
        if (const Decision *d = cursor_.next(Decision::Kind::Jail, player))
            answer(static_cast<JailChoice>(d->value));
        else
            cursor_.missing("asks player " + std::to_string(player + 1) + " how to leave jail");
    }

    void payOrUseCard(Engine &, int player, Answer<JailChoice> answer) override
    {
        if (const Decision *d = cursor_.next(Decision::Kind::Jail, player))
            answer(static_cast<JailChoice>(d->value));
        else
            cursor_.missing("asks player " + std::to_string(player + 1) + " to pay or use a card");
    }

    void bid(Engine &, const Auction &auction, Answer<int> answer) override
    {
        if (const Decision *d = cursor_.next(Decision::Kind::Bid, auction.bidder))
            answer(d->value);
        else
            cursor_.missing("asks player " + std::to_string(auction.bidder + 1) + " to bid");
    }

    void answerTrade(Engine &, const TradeOffer &offer, Answer<TradeReply> answer) override
    {
        const Decision *d = cursor_.next(Decision::Kind::Reply, offer.to);
        if (!d) {
            cursor_.missing("asks player " + std::to_string(offer.to + 1) + " to answer a trade");
            return;
        }
        TradeReply reply;
        reply.choice = static_cast<TradeChoice>(d->value);
        if (reply.choice == TradeChoice::Counter && d->trade.get())
            reply.counter = *d->trade.get();
        else if (reply.choice == TradeChoice::Accept && d->trade.get())
            reply.lifts = d->trade.get()->lifts;
        answer(reply);
    }

    void resumeTurn(Engine &engine, int player) override
    {
        if (person_)
            turnToThrow(engine, player);
        else
            engine.computerTurn(player);
    }

    // A person's game as a person played it, a computer's as a computer.
    bool takesDeedActionsFromWindow(int) const override { return person_; }
    bool logsBalanceBeforePurchase(int) const override { return person_; }

private:
    // A person's raising, a moment after they were asked: sales and
    // mortgages, then bankruptcy if the history says so.
    void raiseNow()
    {
        raiseLater_.setEnabled(false);
        Engine &engine = *raisingEngine_;
        const int player = raisingPlayer_;
        raise(engine, player);
        if (engine.debtor() != player)
            return;
        if (cursor_.next(Decision::Kind::Bankrupt, player))
            engine.declareBankruptcy(player);
        else
            cursor_.missing("has player " + std::to_string(player + 1) + " raise money");
    }

    void toThrow(Engine &engine, int player, bool first)
    {
        if (!deedCommands(engine, player, false))
            return;
        if (engine.isComputer(player)) {
            if (first)
                engine.rollDice(player);
            else
                engine.computerTurn(player);
        } else if (cursor_.next(Decision::Kind::Throw, player)) {
            engine.rollDice(player);
        } else if (!cursor_.done()) {
            cursor_.missing("has player " + std::to_string(player + 1) + " to throw");
        }
    }

    // Sells and mortgages as the history says while the debt is open: a
    // computer stops when its cash covers the debt, before the engine pays it.
    void raise(Engine &engine, int player) { deedCommands(engine, player, true); }

    static bool stillShort(const Engine &engine, int player)
    {
        return engine.debtor() == player && engine.state().Players[player].Money < engine.owed();
    }

    // Carries out the deed commands that come next; false when the engine
    // refuses one.
    bool deedCommands(Engine &engine, int player, bool raising)
    {
        while (const Decision *d = (!raising || stillShort(engine, player)) ? cursor_.nextDeedCommand(player, raising)
                                                                         : nullptr) {
            const Decision taken = *d;
            bool done = false;
            switch (taken.kind) {
            case Decision::Kind::Build: done = engine.build(player, taken.value); break;
            case Decision::Kind::Sell: done = engine.sellBuilding(player, taken.value); break;
            case Decision::Kind::Mortgage: done = engine.mortgage(player, taken.value); break;
            case Decision::Kind::Unmortgage: done = engine.unmortgage(player, taken.value); break;
            case Decision::Kind::Offer: done = taken.trade.get() && engine.proposeTrade(*taken.trade.get()); break;
            default: break;
            }
            if (!done) {
                cursor_.missing("refuses it");
                return false;
            }
        }
        return true;
    }

    HistoryCursor &cursor_;
    Timer raiseLater_;
    Engine *raisingEngine_ = nullptr;
    int raisingPlayer_ = -1;
    bool person_;
};

} // namespace

std::string replayDifference(const SavedGame &game, EventLog &log)
{
    if (std::string problem = firstProblem(game); !problem.empty())
        return problem;
    GameState state = stateForSetup(game.players);
    HistoryCursor cursor(game.history);
    HistoryDice dice(cursor, state);
    ManualClock clock;
    NullScreen screen;
    Engine engine(state, screen, clock, log, dice, game.options);
    for (int i = 0; i < state.PlayerCount; ++i)
        engine.setController(i, std::make_unique<HistoryPlayer>(cursor, clock, state.Players[i].PlayerType != Computer));
    engine.setDecisionObserver([&cursor](const Decision &d) { cursor.taken(d); });
    engine.setPace(game.pace);
    engine.startGame();

    // Every step of the game takes some ticks; a history that stood still
    // would otherwise never end.
    const long long tickLimit = 100'000 + 2'000 * static_cast<long long>(game.history.size());
    for (long long tick = 0; cursor.difference().empty(); ++tick) {
        if (cursor.done() && engine.settled())
            break;
        if (tick > tickLimit || !clock.advanceToNextTick()) {
            cursor.missing("stands still");
            break;
        }
    }
    engine.stopTimers();
    if (!cursor.difference().empty())
        return cursor.difference();
    if (std::string d = firstDifference(state, game.state); !d.empty())
        return "the replay and the saved game differ in " + d;
    const EngineProgress reached = engine.progress();
    if (reached.handOvers != game.progress.handOvers || reached.throws != game.progress.throws)
        return "the replay ends after " + std::to_string(reached.handOvers) + " turns and " +
               std::to_string(reached.throws) + " throws, the saved game after " +
               std::to_string(game.progress.handOvers) + " and " + std::to_string(game.progress.throws);
    return {};
}

} // namespace tycora
