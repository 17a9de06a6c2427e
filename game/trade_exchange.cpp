// Trading (Full rules, in a game that trades): an offer is sent on the
// proposer's turn while they are to throw, the receiver accepts, rejects or
// counters, and an accepted trade hands the items over at once.

#include "game/engine.h"

#include "game/rules.h"
#include "game/text.h"
#include "game/trading.h"
#include "game/user_text.h"

#include <algorithm>

namespace tycora {

std::string Engine::whyNoTrade(int index) const
{
    if (!tradingOn())
        return userText("Trading", "Trading is not part of this game");
    if (index < 0 || index >= state_.PlayerCount || player(index).Bankrupt)
        return userText("Trading", "Only a player still in the game may trade");
    if (phase_ == Phase::RaisingMoney)
        return userText("Trading", "No trading while money is being raised");
    if (phase_ == Phase::Trading)
        return userText("Trading", "An offer is waiting for its answer");
    if (index != state_.CurrentPlayer)
        return userText("Trading", "Trade on your own turn");
    if (phase_ != Phase::ToThrow)
        return userText("Trading", "Trade before you throw the dice");
    if (playersLeft() < 2)
        return userText("Trading", "Nobody is left to trade with");
    return {};
}

std::string Engine::offerProblem(const TradeOffer &offer) const
{
    if (std::string why = whyNoTrade(offer.from); !why.empty())
        return why;
    if (std::string problem = tradeItemsProblem(state_, offer); !problem.empty())
        return problem;
    const TradeMemory &memory = state_.Trading;
    const bool thisTurn = memory.offersTurn == handOvers_;
    for (const TradeOffer &rejected : memory.rejectedThisTurn)
        if (thisTurn && rejected.sameTerms(offer))
            return userText("Trading", "%1 has rejected this offer this turn").arg(player(offer.to).Name);
    return {};
}

void Engine::forgetOldOffers()
{
    TradeMemory &memory = state_.Trading;
    if (memory.offersTurn == handOvers_)
        return;
    memory.offersTurn = handOvers_;
    memory.offersThisTurn = 0;
    memory.rejectedThisTurn.clear();
}

bool Engine::proposeTrade(const TradeOffer &offer)
{
    if (!offerProblem(offer).empty())
        return false;
    forgetOldOffers();
    TradeOffer fresh = offer;
    fresh.id = 0;
    fresh.counters = 0;
    noteDecision(Decision::Kind::Offer, fresh.from, 0, 0, TradeRecord(fresh));
    ++proposing_;
    sendOffer(std::move(fresh));
    --proposing_;
    return true;
}

void Engine::sendOffer(TradeOffer offer)
{
    offer.id = ++state_.Trading.offersThisTurn;
    const std::string &from = player(offer.from).Name;
    const std::string &to = player(offer.to).Name;
    log(from + " Offers " + to + " a Trade: " + inEnglish([&] { return tradeItemsText(state_, offer.gives); }) +
        " for " + inEnglish([&] { return tradeItemsText(state_, offer.gets); }));
    screen_.showStatus(userText("Trading", "%1 Offers %2 a Trade: %3 for %4").arg(from, to,
                                tradeItemsText(state_, offer.gives), tradeItemsText(state_, offer.gets)));
    phase_ = Phase::Trading;
    openTrade_ = offer;
    refreshActions();
    controller(offer.to).answerTrade(
        *this, offer, once<TradeReply>([this, offer](TradeReply reply) { tradeAnswered(offer, reply); }));
}

void Engine::tradeAnswered(const TradeOffer &offer, const TradeReply &reply)
{
    TradeOffer recorded;
    if (reply.choice == TradeChoice::Counter) {
        recorded = reply.counter;
        recorded.id = 0;
        recorded.counters = offer.id;
    } else if (reply.choice == TradeChoice::Accept) {
        recorded.lifts = reply.lifts;
    }
    noteDecision(Decision::Kind::Reply, offer.to, static_cast<int>(reply.choice), 0,
                 reply.choice == TradeChoice::Reject ? TradeRecord() : TradeRecord(recorded));
    openTrade_.reset();
    const std::string &receiver = player(offer.to).Name;
    // The log has the English line, the status line the person's words.
    const auto say = [this](const std::string &line, const std::string &status) {
        log(line);
        screen_.showStatus(status);
    };
    const auto rejects = [&] {
        say(receiver + " Rejects the Trade", userText("Trading", "%1 Rejects the Trade").arg(receiver));
    };

    switch (reply.choice) {
    case TradeChoice::Accept:
        say(receiver + " Accepts the Trade", userText("Trading", "%1 Accepts the Trade").arg(receiver));
        if (const std::string lapse = inEnglish([&] { return tradeLapse(state_, offer, reply.lifts); }); !lapse.empty())
            say("The Trade Lapses: " + lapse,
                userText("Trading", "The Trade Lapses: %1").arg(tradeLapse(state_, offer, reply.lifts)));
        else
            carryOutTrade(offer, reply.lifts);
        break;
    case TradeChoice::Reject:
        rejects();
        state_.Trading.rejectedThisTurn.push_back(offer);
        break;
    case TradeChoice::Counter:
        // A counter comes from the receiver back to the proposer; one that
        // is not is no answer, and counts as a rejection.
        if (recorded.from != offer.to || recorded.to != offer.from || !tradeItemsProblem(state_, recorded).empty()) {
            rejects();
            state_.Trading.rejectedThisTurn.push_back(offer);
            break;
        }
        say(receiver + " Counters the Trade", userText("Trading", "%1 Counters the Trade").arg(receiver));
        sendOffer(recorded);
        return;
    }
    endTradeExchange();
}

void Engine::carryOutTrade(const TradeOffer &offer, const std::vector<int> &receiverLifts)
{
    handOverItems(offer.from, offer.to, offer.gives);
    handOverItems(offer.to, offer.from, offer.gets);
    payForMortgagedDeeds(offer.to, offer.gives.deeds, receiverLifts);
    payForMortgagedDeeds(offer.from, offer.gets.deeds, offer.lifts);
    ++trades_;
    screen_.showPlayerState(offer.from);
    screen_.showPlayerState(offer.to);
    screen_.refreshMoney();
}

void Engine::handOverItems(int giver, int receiver, const TradeSide &items)
{
    if (items.cash > 0) {
        const Cash before = player(giver).Money;
        transfer(giver, items.cash, {MoneyChange::Other::Player, receiver});
        log(nameAndBalance(player(giver).Name, before) + " Trades " + pounds(items.cash) + " to " +
            player(receiver).Name + "  -->  " + pounds(player(giver).Money));
    }
    for (const int sq : items.deeds) {
        deed(sq).Owner = static_cast<Integer>(receiver);
        screen_.squareChanged(sq);
    }
    int cards = items.jailCards;
    for (int &holder : state_.JailCardHolder)
        if (cards > 0 && holder == giver) {
            holder = receiver;
            --cards;
        }
}

void Engine::payForMortgagedDeeds(int receiver, const std::vector<int> &deeds, const std::vector<int> &lifts)
{
    Player &p = player(receiver);
    for (const int sq : deeds) {
        if (!deed(sq).Mortgaged)
            continue;
        const Cash before = p.Money;
        if (std::find(lifts.begin(), lifts.end(), sq) != lifts.end()) {
            deed(sq).Mortgaged = false;
            changeBalance(receiver, -unmortgagePrice(sq));
            log(nameAndBalance(p.Name, before) + " Unmortgages " + deedName(sq) + "  -->  " + pounds(p.Money));
            screen_.squareChanged(sq);
        } else {
            const int fee = mortgageInterest(sq);
            changeBalance(receiver, -fee);
            log(nameAndBalance(p.Name, before) + " Pays " + pounds(fee) + " interest on " + deedName(sq) +
                "  -->  " + pounds(p.Money));
        }
    }
}

void Engine::endTradeExchange()
{
    phase_ = Phase::ToThrow;
    refreshActions();
    screen_.refreshMoney();
    // An answer that came later, from a window: the proposer's turn goes on
    // as it does whenever they are to throw.
    if (proposing_ == 0)
        controller(state_.CurrentPlayer).turnToThrow(*this, state_.CurrentPlayer);
}

} // namespace tycora
