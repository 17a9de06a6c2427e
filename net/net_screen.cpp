#include "net/net_screen.h"

#include "game/player_controller.h"
#include "net/trade_message.h"

#include <QJsonArray>

namespace tycora::net {

namespace {
QString text(const std::string &s) { return QString::fromStdString(s); }
} // namespace

void NetScreen::event(const char *call, QJsonObject fields)
{
    fields.insert("call", QLatin1String(call));
    sink_(std::move(fields));
}

void NetScreen::putQuestion(int seat, Question question)
{
    asked_ = seat;
    question_ = question;
}

bool NetScreen::answerYesNo(int seat, bool yes)
{
    if (questionFor(seat) != Question::YesNo)
        return false;
    putQuestion(-1, Question::None);
    // The answer may put the next question at once.
    auto answer = std::move(yesNo_);
    answer(yes);
    return true;
}

bool NetScreen::answerJail(int seat, JailChoice choice)
{
    if (questionFor(seat) != Question::Jail)
        return false;
    putQuestion(-1, Question::None);
    auto answer = std::move(jail_);
    answer(choice);
    return true;
}

bool NetScreen::answerBid(int seat, int amount)
{
    if (questionFor(seat) != Question::Bid)
        return false;
    putQuestion(-1, Question::None);
    auto answer = std::move(bid_);
    answer(amount);
    return true;
}

bool NetScreen::answerTrade(int seat, const TradeReply &reply)
{
    if (questionFor(seat) != Question::Trade)
        return false;
    putQuestion(-1, Question::None);
    auto answer = std::move(trade_);
    answer(reply);
    return true;
}

void NetScreen::answerForAbsent(int seat)
{
    switch (questionFor(seat)) {
    case Question::YesNo: answerYesNo(seat, false); break;
    case Question::Jail: answerJail(seat, JailChoice::Throw); break;
    case Question::Bid: answerBid(seat, 0); break;
    case Question::Trade: answerTrade(seat, TradeReply::reject()); break;
    case Question::None: break;
    }
}

void NetScreen::showStatus(const std::string &t) { event("showStatus", {{"text", text(t)}}); }
void NetScreen::hideStatus() { event("hideStatus"); }
void NetScreen::showDie(int die, int value) { event("showDie", {{"die", die}, {"value", value}}); }
void NetScreen::showDiceRoll(const std::string &t) { event("showDiceRoll", {{"text", text(t)}}); }
void NetScreen::refreshMoney() { event("refreshMoney"); }
void NetScreen::showCurrentPlayer() { event("showCurrentPlayer"); }
// The state sent with the events says where the pieces stand and what each
// square holds; the events say what to draw again from it.
void NetScreen::pieceMoved(int player, int from) { event("pieceMoved", {{"player", player}, {"from", from}}); }
void NetScreen::squareChanged(int square) { event("squareChanged", {{"square", square}}); }
void NetScreen::drawWhole(const GameOptions &) { event("drawWhole"); }
void NetScreen::showCard(Deck deck, int picture)
{
    event("showCard", {{"deck", deck == Deck::Chance ? "Chance" : "CommunityChest"}, {"picture", picture}});
}
void NetScreen::hideCard() { event("hideCard"); }
void NetScreen::showPropertyCard(int square) { event("showPropertyCard", {{"square", square}}); }
void NetScreen::setPropertyCardVisible(bool visible) { event("setPropertyCardVisible", {{"visible", visible}}); }
void NetScreen::setRollEnabled(bool enabled)
{
    rollEnabled_ = enabled;
    event("setRollEnabled", {{"enabled", enabled}, {"player", state_.CurrentPlayer}});
}
void NetScreen::enableBuild() { event("enableBuild"); }
void NetScreen::ask(const std::string &question, std::function<void(bool)> answer)
{
    // The game asks the player whose turn it is.
    yesNo_ = std::move(answer);
    putQuestion(state_.CurrentPlayer, Question::YesNo);
    event("ask", {{"text", text(question)}, {"player", state_.CurrentPlayer}});
}
void NetScreen::tell(const std::string &message) { event("tell", {{"text", text(message)}}); }
void NetScreen::showFreeParking(int pot) { event("showFreeParking", {{"pot", pot}}); }
void NetScreen::showPayment(int payer, int payee, int amount)
{
    event("showPayment", {{"payer", payer}, {"payee", payee}, {"amount", amount}});
}
void NetScreen::showPlayerState(int player) { event("showPlayerState", {{"player", player}}); }
void NetScreen::showRaising(int player, int owed) { event("showRaising", {{"player", player}, {"owed", owed}}); }
void NetScreen::askJail(int player, bool hasCard, std::function<void(JailChoice)> answer)
{
    jail_ = std::move(answer);
    putQuestion(player, Question::Jail);
    event("askJail", {{"player", player}, {"hasCard", hasCard}});
}
void NetScreen::showAuction(const Auction *auction)
{
    if (!auction) {
        event("showAuction", {{"over", true}});
        return;
    }
    QJsonArray bidding;
    for (const bool b : auction->bidding)
        bidding.append(b);
    event("showAuction", {{"square", auction->square},
                          {"highestBid", auction->highestBid},
                          {"highestBidder", auction->highestBidder},
                          {"bidder", auction->bidder},
                          {"bidding", bidding}});
}
void NetScreen::askBid(const Auction &auction, std::function<void(int)> answer)
{
    bid_ = std::move(answer);
    putQuestion(auction.bidder, Question::Bid);
    event("askBid", {{"player", auction.bidder}, {"highestBid", auction.highestBid}});
}
void NetScreen::showWinner(int player) { event("showWinner", {{"player", player}}); }
void NetScreen::showActions(const AvailableActions &actions)
{
    event("showActions", {{"build", actions.build},
                          {"sell", actions.sell},
                          {"mortgage", actions.mortgage},
                          {"unmortgage", actions.unmortgage},
                          {"bankrupt", actions.declareBankruptcy}});
}
void NetScreen::askTrade(const TradeOffer &offer, std::function<void(TradeReply)> answer)
{
    // Only the player the offer is made to may answer it.
    trade_ = std::move(answer);
    putQuestion(offer.to, Question::Trade);
    event("askTrade", {{"player", offer.to}, {"offer", tradeOfferJson(offer)}});
}

} // namespace tycora::net
