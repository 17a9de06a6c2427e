// Every move a person starts at the board, sent to a game on the server:
// it does there what it does in the same game at one screen (the same log
// lines, the same state), and one out of turn or against the rules is
// refused with a reason and changes nothing.

#include "game/engine.h"
#include "game/manual_clock.h"
#include "game/saved_game.h"
#include "game/square_table.h"
#include "net/game_room.h"
#include "net/trade_message.h"
#include "support/recording_log.h"
#include "support/recording_screen.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace tycora::testing {
namespace {

using namespace squares;

struct Step {
    int seat;
    QJsonObject command;
    const char *refusal;   // empty when the move is taken
};

QJsonObject deed(const char *type, int square) { return {{"type", type}, {"square", square}}; }
QJsonObject plain(const char *type) { return {{"type", type}}; }

QJsonObject offer(int from, int to, std::vector<int> gives, std::vector<int> gets, int cash = 0)
{
    TradeOffer o;
    o.from = from;
    o.to = to;
    o.gives.deeds = std::move(gives);
    o.gets.deeds = std::move(gets);
    o.gets.cash = cash;
    return {{"type", "trade"}, {"offer", net::tradeOfferJson(o)}};
}

QJsonObject reply(TradeReply r) { return net::tradeReplyJson(r); }

void own(GameState &state, int player, std::initializer_list<int> squares, bool hotels = false)
{
    for (const int sq : squares) {
        state.Properties[sq].Owned = true;
        state.Properties[sq].Owner = static_cast<Integer>(player);
        if (hotels && groupOf(sq) >= 0) {
            state.Buildings[sq].Houses = 4;
            state.Buildings[sq].Hotel = true;
        }
    }
}

// One game, on the server and at one screen, from the same saved point.
class BothTables {
public:
    BothTables(const SavedGame &game, std::vector<net::Seat> seats)
        : room_(QStringLiteral("ROOMAA"), roomClock_, game.dice.seed,
                [this](int, const QJsonObject &m) {
                    for (const QJsonValue &e : m.value("events").toArray())
                        if (e.toObject().value("call") == "log")
                            online.push_back(e.toObject().value("line").toString().toStdString());
                }),
          state_(game.state), random_(game.dice.seed), dice_(random_),
          engine_(state_, screen_, clock_, offline_, dice_, game.options)
    {
        room_.resumeFrom(game, std::move(seats));
        engine_.setPace(game.pace);
        engine_.resume(game.progress);
    }

    // The step on the server, then the same move at one screen.
    QString play(const Step &step)
    {
        const GameState before = room_.state();
        const QString refused = room_.command(step.seat, {step.command.value("type").toString(), step.command});
        settle();
        if (!refused.isEmpty()) {
            EXPECT_EQ(firstDifference(room_.state(), before), "") << "a refused move changes nothing";
            return refused;
        }
        const QString type = step.command.value("type").toString();
        const int square = step.command.value("square").toInt();
        QString problem;
        if (type == "throw")
            engine_.rollDice(step.seat);
        else if (type == "build")
            engine_.build(step.seat, square);
        else if (type == "sell")
            engine_.sellBuilding(step.seat, square);
        else if (type == "mortgage")
            engine_.mortgage(step.seat, square);
        else if (type == "unmortgage")
            engine_.unmortgage(step.seat, square);
        else if (type == "bankrupt")
            engine_.declareBankruptcy(step.seat);
        else if (type == "trade")
            engine_.proposeTrade(*net::tradeOfferFrom(step.command.value("offer"), &problem));
        else if (type == "tradeReply")
            screen_.answerTrade(*net::tradeReplyFrom(step.command, &problem));
        settle();
        return {};
    }

    void settle()
    {
        for (int i = 0; i < 10'000 && (roomClock_.advanceToNextTick() | clock_.advanceToNextTick()); ++i)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    net::GameRoom &room() { return room_; }
    const Engine &engine() const { return engine_; }
    const GameState &offlineState() const { return state_; }
    const std::vector<std::string> &offlineLines() const { return offline_.lines; }

    std::vector<std::string> online;

private:
    ManualClock roomClock_;
    net::GameRoom room_;
    GameState state_;
    SeededRandom random_;
    RandomDice dice_;
    ManualClock clock_;
    RecordingScreen screen_;
    RecordingLog offline_;
    Engine engine_;
};

SavedGame fullRulesGame(bool benIsComputer = false)
{
    SavedGame game;
    game.players = {{"Ann", "Hat", "Red", "Human"}, {"Ben", "Car ", "Blue", benIsComputer ? "Computer" : "Human"}};
    game.options.rules = RuleSet::Full;
    game.options.trading = true;
    game.pace = Pace::Instant;
    game.state = stateForSetup(game.players);
    game.dice.seed = 5;
    return game;
}

std::vector<net::Seat> seatsOf(const SavedGame &game)
{
    std::vector<net::Seat> seats;
    for (const NewPlayer &p : game.players)
        seats.push_back({QString::fromStdString(p.name), QString::fromStdString(p.piece).trimmed(),
                         QString::fromStdString(p.colour), p.type == "Computer", QStringLiteral("token"), true,
                         false});
    return seats;
}

struct Scenario {
    const char *name;
    std::function<void(SavedGame &)> setUp;
    std::vector<Step> steps;
};

void PrintTo(const Scenario &scenario, std::ostream *os) { *os << scenario.name; }

class OnlineCommands : public ::testing::TestWithParam<Scenario> {};

TEST_P(OnlineCommands, DoWhatTheyDoAtOneScreenAndAreRefusedOtherwise)
{
    const Scenario &scenario = GetParam();
    SavedGame game = fullRulesGame();
    scenario.setUp(game);
    BothTables tables(game, seatsOf(game));
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        const Step &step = scenario.steps[i];
        EXPECT_EQ(tables.play(step).toStdString(), std::string(step.refusal)) << "step " << i;
    }
    EXPECT_EQ(tables.online, tables.offlineLines());
    EXPECT_GE(tables.online.size(), 3u);
    EXPECT_EQ(firstDifference(tables.room().state(), tables.offlineState()), "");
}

const char *const NotAllowed = "the rules do not allow that now";
const char *const NotAsked = "you were not asked";

INSTANTIATE_TEST_SUITE_P(
    Moves, OnlineCommands,
    ::testing::Values(
        Scenario{"BuildSellMortgageAndLift",
                 [](SavedGame &g) {
                     own(g.state, 0, {OldKentRoad, WhitechapelRoad, 5});
                     own(g.state, 1, {6});
                 },
                 {{1, deed("build", 6), NotAllowed},
                  {0, deed("sell", OldKentRoad), NotAllowed},
                  {0, deed("unmortgage", OldKentRoad), NotAllowed},
                  {0, deed("build", OldKentRoad), ""},
                  {1, deed("sell", OldKentRoad), NotAllowed},
                  {0, deed("build", OldKentRoad), NotAllowed},
                  {0, deed("build", WhitechapelRoad), ""},
                  {0, deed("mortgage", WhitechapelRoad), NotAllowed},
                  {0, deed("sell", WhitechapelRoad), ""},
                  {0, deed("sell", OldKentRoad), ""},
                  {0, deed("mortgage", WhitechapelRoad), ""},
                  {1, deed("unmortgage", WhitechapelRoad), NotAllowed},
                  {0, deed("unmortgage", WhitechapelRoad), ""},
                  {0, deed("mortgage", 5), ""},
                  {1, deed("mortgage", 6), NotAllowed},
                  {0, plain("bankrupt"), NotAllowed},
                  {0, deed("build", BoardSize), "a square is a number from 0 to 39"}}},
        Scenario{"RaiseMoneyThenGiveUp",
                 [](SavedGame &g) {
                     // Ann throws onto the Electric Company and owes £120: more
                     // than Old Kent Road's mortgage, less than all she holds.
                     g.dice.seed = 2;
                     g.state.Players[0].Money = 0;
                     own(g.state, 0, {OldKentRoad, WhitechapelRoad, Mayfair});
                     for (const int sq : ownableSquares())
                         if (g.state.Properties[sq].Owned == false)
                             own(g.state, 1, {sq});
                 },
                 {{0, plain("throw"), ""},
                  {1, plain("bankrupt"), NotAllowed},
                  {0, plain("throw"), "it is not your throw"},
                  {0, deed("build", OldKentRoad), NotAllowed},
                  {0, deed("mortgage", OldKentRoad), ""},
                  {0, plain("bankrupt"), ""},
                  {1, plain("throw"), "the game is over"}}},
        Scenario{"ATradeBetweenTwoPeople",
                 [](SavedGame &g) {
                     own(g.state, 0, {OldKentRoad});
                     own(g.state, 1, {WhitechapelRoad});
                 },
                 {{1, offer(1, 0, {WhitechapelRoad}, {OldKentRoad}), "Trade on your own turn"},
                  {1, offer(0, 1, {OldKentRoad}, {WhitechapelRoad}), "an offer is made by its proposer"},
                  {0, offer(0, 1, {WhitechapelRoad}, {}), "Ann does not hold Whitechapel Road"},
                  {0, reply(TradeReply::accept()), NotAsked},
                  {0, {{"type", "trade"}, {"offer", "Mayfair"}},
                   "an offer names two players and what each gives: deeds, cash and cards"},
                  {0, offer(0, 1, {OldKentRoad}, {WhitechapelRoad}, 50), ""},
                  {0, reply(TradeReply::accept()), NotAsked},
                  {0, plain("throw"), "it is not your throw"},
                  {1, reply(TradeReply::accept()), ""},
                  {1, reply(TradeReply::accept()), NotAsked}}}),
    [](const ::testing::TestParamInfo<Scenario> &info) { return std::string(info.param.name); });

} // namespace
} // namespace tycora::testing
