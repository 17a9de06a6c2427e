#include "client/online_table.h"

#include "client/table_state.h"
#include "game/decision.h"
#include "game/last_throw.h"
#include "net/protocol.h"
#include "net/trade_message.h"

namespace tycora::client {

namespace {

int number(const QJsonObject &event, const char *key) { return event.value(QLatin1String(key)).toInt(-1); }
std::string text(const QJsonObject &event) { return event.value("text").toString().toStdString(); }


} // namespace

OnlineTable::OnlineTable(OnlineClient &client, GameState &state, Screen &screen, EventLog &log)
    : client_(client), state_(state), screen_(screen), log_(log), moves_(state)
{
    connect(&client_, &OnlineClient::movesArrived, this, [this](const QJsonObject &moves) {
        moves_.setSeat(client_.seat());
        moves_.update(moves);
    });
    connect(&client_, &OnlineClient::gameChanged, this, &OnlineTable::gameSent);
    connect(&client_, &OnlineClient::eventsArrived, this, &OnlineTable::eventsSent);
}

void OnlineTable::rollDice(int)
{
    // Pressed once: the button goes at once, as it does in a game on this
    // machine, rather than when the server's answer comes.
    screen_.setRollEnabled(false);
    client_.send({{"type", "throw"}});
}

void OnlineTable::deedCommand(const char *type, int square)
{
    client_.send({{"type", QLatin1String(type)}, {"square", square}});
}

// The seat is the server's to know: the player named here is always this
// seat's, as the board offers nothing else.
void OnlineTable::build(int, int square) { deedCommand("build", square); }
void OnlineTable::sellBuilding(int, int square) { deedCommand("sell", square); }
void OnlineTable::mortgage(int, int square) { deedCommand("mortgage", square); }
void OnlineTable::unmortgage(int, int square) { deedCommand("unmortgage", square); }
void OnlineTable::declareBankruptcy(int) { client_.send({{"type", "bankrupt"}}); }
void OnlineTable::proposeTrade(const TradeOffer &offer)
{
    client_.send({{"type", "trade"}, {"offer", net::tradeOfferJson(offer)}});
}

void OnlineTable::askForNextPace()
{
    client_.send({{"type", "pace"}, {"pace", QLatin1String(paceName(nextPace(pace_)))}});
}

void OnlineTable::showActions()
{
    // The buttons are this seat's person's alone, as open as the server
    // last said.
    AvailableActions actions;
    if (const int me = moves_.deedActor(); me >= 0) {
        actions.build = !moves_.buildableSquares(me).empty();
        actions.sell = !moves_.sellableSquares(me).empty();
        actions.mortgage = !moves_.mortgageableSquares(me).empty();
        actions.unmortgage = !moves_.unmortgageableSquares(me).empty();
        actions.declareBankruptcy = moves_.raisingMoney();
    }
    screen_.showActions(actions);
}

void OnlineTable::askTrade(const QJsonObject &e)
{
    if (!mine(e))
        return;
    QString problem;
    const auto offer = net::tradeOfferFrom(e.value("offer"), &problem);
    if (!offer || offer->from < 0 || offer->from >= state_.PlayerCount || offer->to != client_.seat())
        return;
    screen_.askTrade(*offer, [this](TradeReply reply) { client_.send(net::tradeReplyJson(reply)); });
}

void OnlineTable::showLastThrow(const QJsonObject &game)
{
    const QJsonObject last = game.value("lastThrow").toObject();
    const int player = number(last, "player");
    const int die1 = number(last, "die1");
    const int die2 = number(last, "die2");
    if (player < 0 || player >= state_.PlayerCount || die1 < 1 || die1 > 6 || die2 < 1 || die2 > 6)
        return;
    tycora::showLastThrow(state_, {Decision{Decision::Kind::Throw, player, die1, die2, {}}}, screen_);
}

bool OnlineTable::mine(const QJsonObject &event) const { return number(event, "player") == client_.seat(); }

void OnlineTable::gameSent()
{
    const QJsonObject &game = client_.game();
    if (!game.value("started").toBool())
        return;
    const QJsonObject state = game.value("state").toObject();
    if (!begun_) {
        begun_ = true;
        options_ = optionsOf(game);
        pace_ = paceOf(game);
        moves_.setOptions(options_);
        seatPlayers(state_, game);
        applyPublicState(state_, state);
        if (started_)
            started_();
        screen_.drawWhole(options_);
        showLastThrow(game);
        // Roll Dice waits until the server offers this seat a throw.
        screen_.setRollEnabled(false);
        return;
    }
    // Back after a lost connection: the board drawn again from the state.
    applyPublicState(state_, state);
    screen_.drawWhole(options_);
    showLastThrow(game);
    if (options_.rules == RuleSet::Full)
        showActions();
}

void OnlineTable::eventsSent(const QJsonArray &events, const QJsonObject &change)
{
    if (!begun_)
        return;
    // The state is as the events left it; the figures they show are read
    // from it.
    if (!change.isEmpty())
        applyPublicState(state_, net::withChange(net::publicState(state_), change));
    for (const QJsonValue &event : events)
        show(event.toObject());
}

void OnlineTable::show(const QJsonObject &e)
{
    const QString call = e.value("call").toString();
    const int square = number(e, "square");
    const int player = number(e, "player");
    const bool player_ok = player >= 0 && player < state_.PlayerCount;
    if (call == "log") {
        log_.writeLog(e.value("line").toString().toStdString());
    } else if (call == "showStatus") {
        screen_.showStatus(text(e));
    } else if (call == "hideStatus") {
        screen_.hideStatus();
    } else if (call == "showDie") {
        screen_.showDie(number(e, "die"), number(e, "value"));
    } else if (call == "showDiceRoll") {
        screen_.showDiceRoll(text(e));
    } else if (call == "refreshMoney") {
        screen_.refreshMoney();
    } else if (call == "showCurrentPlayer") {
        screen_.showCurrentPlayer();
    } else if (call == "pieceMoved" && player_ok) {
        const int from = number(e, "from");
        screen_.pieceMoved(player, onBoard(from) ? from : -1);
    } else if (call == "squareChanged" && onBoard(square)) {
        screen_.squareChanged(square);
    } else if (call == "drawWhole") {
        screen_.drawWhole(options_);
    } else if (call == "showCard") {
        screen_.showCard(e.value("deck").toString() == "Chance" ? Deck::Chance : Deck::CommunityChest,
                         number(e, "picture"));
    } else if (call == "hideCard") {
        screen_.hideCard();
    } else if (call == "showPropertyCard" && onBoard(square)) {
        screen_.showPropertyCard(square);
    } else if (call == "setPropertyCardVisible") {
        screen_.setPropertyCardVisible(e.value("visible").toBool());
    } else if (call == "setRollEnabled") {
        // Roll Dice is offered only to the person whose throw it is.
        screen_.setRollEnabled(e.value("enabled").toBool() && mine(e));
    } else if (call == "enableBuild") {
        screen_.enableBuild();
    } else if (call == "ask") {
        if (mine(e))
            screen_.ask(text(e), [this](bool yes) { client_.send({{"type", "answer"}, {"yes", yes}}); });
    } else if (call == "showPace") {
        pace_ = net::paceNamed(e.value("pace").toString()).value_or(pace_);
        if (paceChanged_)
            paceChanged_(pace_);
    } else if (call == "tell") {
        screen_.tell(text(e));
    } else if (call == "showFreeParking") {
        screen_.showFreeParking(number(e, "pot"));
    } else if (call == "showPayment") {
        screen_.showPayment(number(e, "payer"), number(e, "payee"), number(e, "amount"));
    } else if (call == "showPlayerState" && player_ok) {
        screen_.showPlayerState(player);
    } else if (call == "showRaising" && player_ok) {
        screen_.showRaising(player, number(e, "owed"));
    } else if (call == "askJail") {
        if (mine(e))
            screen_.askJail(player, e.value("hasCard").toBool(), [this](JailChoice choice) {
                const auto name = JailChoiceNames[std::size_t(choice)];
                client_.send({{"type", "jail"}, {"choice", QString::fromLatin1(name.data(), qsizetype(name.size()))}});
            });
    } else if (call == "showAuction") {
        if (e.value("over").toBool()) {
            screen_.showAuction(nullptr);
            return;
        }
        auction_.square = square;
        auction_.highestBid = number(e, "highestBid");
        auction_.highestBidder = number(e, "highestBidder");
        auction_.bidder = number(e, "bidder");
        auction_.bidding.clear();
        for (const QJsonValue b : e.value("bidding").toArray())
            auction_.bidding.push_back(b.toBool());
        auction_.bidding.resize(std::size_t(state_.PlayerCount), false);
        if (onBoard(square))
            screen_.showAuction(&auction_);
    } else if (call == "askBid") {
        if (mine(e))
            screen_.askBid(auction_, [this](int amount) { client_.send({{"type", "bid"}, {"amount", amount}}); });
    } else if (call == "handOver") {
        if (handOver_)
            handOver_();
    } else if (call == "showActions") {
        showActions();
    } else if (call == "askTrade") {
        askTrade(e);
    } else if (call == "showWinner" && player_ok) {
        winner_ = player;
        screen_.showWinner(player);
    }
}

} // namespace tycora::client
