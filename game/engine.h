#pragma once

// The turn engine: the rules of play, from the throw of the dice to the end
// of a turn. It changes the game state, shows what happens on the Screen,
// writes event lines to the EventLog, asks each player's controller when a
// player must decide, and moves on only when one of its three timers ticks
// or a decision is answered.
//
// Its public face is its commands (start the game, throw, the actions a
// player takes with their deeds, the timers' ticks, stop) and read-only
// queries; everything else is the rule book's own business.

#include "game/decision.h"
#include "game/dice.h"
#include "game/event_log.h"
#include "game/game_options.h"
#include "game/game_state.h"
#include "game/pace.h"
#include "game/player_controller.h"
#include "game/screen.h"
#include "game/thinking.h"
#include "game/timer.h"
#include "game/trade_offer.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tycora {

// Who is on the other side when a player's money changes.
struct MoneyChange {
    enum class Other { Bank, Player, FreeParking };
    int player = 0;
    Cash delta = 0;
    Other other = Other::Bank;
    int otherPlayer = -1;   // for Other::Player
};

// Who receives a payment: the bank, a player, or the Free Parking pot.
struct Creditor {
    MoneyChange::Other kind = MoneyChange::Other::Bank;
    int player = -1;
};

// The engine's own figures that a saved game carries besides the state.
struct EngineProgress {
    long long handOvers = 0;
    long long throws = 0;
};

// What a payment being raised is for: the rent or the tax of a square, a
// card drawn on a square, or the fine that leaves jail.
struct OwedFor {
    enum class What { Payment, Rent, Tax, Card, JailFine };
    What what = What::Payment;
    int square = -1;
};

class Engine {
public:
    // Where the game stands, as the windows and the controllers see it.
    enum class Phase {
        Setup,          // before startGame
        ToThrow,        // the current player is to throw (a computer may be pausing)
        Moving,         // a piece is walking
        Deciding,       // a player has been asked to buy, or what to do in jail
        RaisingMoney,   // a player owes more than their cash
        Auction,        // an unsold square is being auctioned
        Over,           // one player is left
        Trading,        // an offer of a trade waits for its answer, on the proposer's turn
    };

    Engine(GameState &state, Screen &screen, Clock &clock, EventLog &log, DiceSource &dice,
           const GameOptions &options = {});
    ~Engine();
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    // The players' choices, fixed when the game starts: a change after
    // startGame is ignored.
    void setOptions(const GameOptions &options);

    // Overrides the controller a player gets at the start of the game from
    // their type and the rule set (a person, or the rule set's computer).
    void setController(int player, std::unique_ptr<PlayerController> controller);

    // ---- commands --------------------------------------------------------

    // The hand-over from the set-up: the first player's piece on GO, every
    // piece off the board, and the first turn.
    void startGame();
    // The current player throws: Roll Dice, or a computer after its pause.
    void rollDice(int player);
    // A computer's pause, after which it throws.
    void computerTurn(int player);

    // A computer's long thinking: the work's scores go to `use`, at once
    // without a thinker, else from the clock once the thinker has them. The
    // game waits meanwhile and is not settled.
    void setThinker(Thinker *thinker) { thinker_ = thinker; }
    void think(ThinkWork work, std::function<void(Scores)> use);
    bool thinking() const { return static_cast<bool>(useThought_); }

    // What a player does with their deeds (Full rules): while they are to
    // throw, and (selling and mortgaging) while they raise money. Each
    // returns false and changes nothing when the rules do not allow it.
    bool build(int player, int square);
    bool sellBuilding(int player, int square);
    bool mortgage(int player, int square);
    bool unmortgage(int player, int square);
    // Gives up while raising money: bankrupt to whoever is owed.
    bool declareBankruptcy(int player);

    // Trading (Full rules, in a game that trades): the proposer sends an
    // offer on their turn while they are to throw; the receiver's controller
    // answers it. False, and nothing changes, when the offer may not be sent.
    bool proposeTrade(const TradeOffer &offer);

    // Said by a player's controller that cannot raise what is owed (a
    // computer with nothing left to sell or mortgage): once the controller
    // returns, the player is bankrupt to whoever is owed. Not a decision of
    // the game's history: the computer's own rule reaches it again.
    void giveUpRaising(int player);

    // How fast the game plays; a change takes effect from the next start of
    // each timer.
    void setPace(Pace pace);

    // At game end nothing may move or throw any more.
    void stopTimers();

    // Goes on from a saved point: the state already holds the saved game,
    // set up and options are those it was saved with. A computer to throw
    // begins its pause again; a person is given the throw; a game with a
    // winner stays over. Nothing is logged.
    void resume(const EngineProgress &progress);

    // ---- queries ---------------------------------------------------------

    const GameState &state() const { return state_; }
    const GameOptions &options() const { return options_; }
    Pace pace() const { return pace_; }
    // The clock the game's timers run on.
    Clock &clock() const { return clock_; }
    Phase phase() const { return phase_; }
    bool isComputer(int player) const;
    // The window offers the player the deed actions (a person's controller).
    bool takesDeedActionsFromWindow(int player) const;
    bool fullRules() const { return options_.rules == RuleSet::Full; }

    // The squares on which the player may now build, sell a building,
    // take out or lift a mortgage (all empty under Classic rules).
    std::vector<int> buildableSquares(int player) const;
    std::vector<int> sellableSquares(int player) const;
    std::vector<int> mortgageableSquares(int player) const;
    std::vector<int> unmortgageableSquares(int player) const;
    // Why the player may not propose a trade now, in words; empty when they may.
    std::string whyNoTrade(int player) const;
    bool mayTrade(int player) const { return whyNoTrade(player).empty(); }
    // Why this offer may not be sent now, in words; empty when it may.
    std::string offerProblem(const TradeOffer &offer) const;
    // The offer waiting for its answer, if any.
    const std::optional<TradeOffer> &openTrade() const { return openTrade_; }
    // Trades that took effect so far.
    long long trades() const { return trades_; }
    bool tradingOn() const { return fullRules() && options_.trading; }
    // A computer's memory of its own offers, kept in the game so that a
    // saved game goes on exactly; only the player's controller writes it.
    ComputerTradeMemory &tradeMemory(int player) { return state_.Trading.computers[player]; }
    // The debt being raised, if any.
    int owed() const { return debt_ ? debt_->amount : 0; }
    int debtor() const { return debt_ ? debt_->debtor : -1; }
    // Whom the debt being raised is owed to, and what for.
    Creditor creditor() const { return debt_ ? debt_->creditor : Creditor{}; }
    OwedFor owedFor() const { return debt_ ? owedFor_ : OwedFor{}; }
    const std::optional<Auction> &auction() const { return auction_; }
    // What everything the player holds would fetch: cash, half the cost of
    // every building and the mortgage value of every unmortgaged deed.
    Cash liquidValue(int player) const;
    Cash netWorth(int player) const;
    int playersLeft() const;
    int winner() const;   // -1 until one player is left

    const Timer &tmrMovePiece() const { return tmrMovePiece_; }
    const Timer &tmrPause() const { return tmrPause_; }
    const Timer &tmrThought() const { return tmrThought_; }

    // What happened so far, for the simulation and for tests.
    long long throws() const { return throws_; }
    long long handOvers() const { return handOvers_; }
    EngineProgress progress() const { return {handOvers_, throws_}; }
    // The game may be saved now: a player is to throw (a computer in its
    // pause) with nothing moving or open, or the game has a winner.
    bool settled() const;

    // Called at every arrival, after the landing count and before the
    // landing is resolved; at every change of a player's money; when a
    // computer's pause begins (true) and ends (false).
    void setArrivalObserver(std::function<void(int player, int square)> observer) { onArrival_ = std::move(observer); }
    void setMoneyObserver(std::function<void(const MoneyChange &)> observer) { onMoney_ = std::move(observer); }
    void setPauseObserver(std::function<void(bool pausing)> observer) { onPause_ = std::move(observer); }
    // Called at every throw, answer and deed command a player makes, as it is
    // taken and before its effects.
    void setDecisionObserver(std::function<void(const Decision &)> observer) { onDecision_ = std::move(observer); }
    // Called when the game starts, after every hand-over of the turn and
    // when a player has won: the moments at which a history of the game
    // takes its samples.
    void setHandOverObserver(std::function<void()> observer) { onHandOver_ = std::move(observer); }
    // Called once the turn has passed to the next player and the game
    // stands settled for them (after a jail question, at the next such
    // hand-over), and when the game is won: the moments a game is worth
    // keeping.
    void setSettledObserver(std::function<void()> observer) { onSettled_ = std::move(observer); }

private:
    // How the moving piece walks: the salary on GO is due on throws and
    // card moves only, and some cards walk backwards.
    enum class Walk { Throw, Card, Jail, Back };
    using Step = std::function<void()>;
    struct Debt {
        int debtor;
        int amount;
        Creditor creditor;
        Step settle;   // pays the debt once the cash covers it
        Phase phaseBefore;
        // What the debt is for when its own line would come only with the
        // payment (a card's words): logged before a bankruptcy instead.
        std::string cause;
    };

    Player &player(int index) { return state_.Players[index]; }
    const Player &player(int index) const { return state_.Players[index]; }
    Property &deed(int square) { return state_.Properties[square]; }
    // The name on the square's title deed, from the square table.
    static std::string deedName(int square) { return std::string(squareInfo(square).name); }
    PlayerController &controller(int player) const;
    // Asks the player's controller to take its turn to throw; under Classic
    // rules the commands it gives meanwhile are the only building there is.
    void takeTurn(int player);
    void log(const std::string &message);
    bool logging() const { return log_.isOn(); }
    void startTimer(Timer &timer, int intervalMs);

    // Money.
    void changeBalance(int player, Cash delta, Creditor other = Creditor{});
    // Moves money from a player to a creditor at once, whatever the balance.
    void transfer(int payer, Cash amount, Creditor to);
    // A balance or the pot after a change, within the rule set's range.
    Cash balanceAfter(Cash money, long long delta) const;
    // A payment the payer may not have the cash for: under Full rules the
    // payer raises money first (or goes bankrupt, with `cause` logged first
    // when given); then `pay` makes it.
    template<typename Pay>
    void charge(int payer, int amount, Creditor creditor, OwedFor what, Pay &&pay, std::string cause = {});
    void raiseMoneyFor(int payer, int amount, Creditor creditor, Step pay, std::string cause);
    void collectFreeParking(int player);
    Creditor bankOrPot() const;

    // Dice and turn control.
    void startTurn(int player);
    void walkThrow(int player, int total);
    void advanceTarget(int player, int squares);
    void goToJail(int player);
    void nextPlayer();
    void playerToThrow();

    // Movement.
    void tmrMovePiece_Timer();
    void movePiece(int player);
    void stepPiece(int player);
    void collectGoSalary(int player);
    void arrive(int player);
    void afterLanding(int player);
    void endOfMove(int player);
    int vacatedSquare(int player) const;
    void moveTo(int player, int square, Walk walk);
    // Takes a bankrupt player's piece off the board.
    void removePiece(int player);

    // Landing, rent and taxes.
    void resolveLanding(int player, int square);
    void payRent(int payer, int owner, int square);
    void payTax(int player, int square);

    // Buying.
    bool mayBuy(int player) const;
    void offerSquare(int player, int square);
    void purchaseAnswered(int player, int square, bool buy);
    void buyProperty(int player, int square);
    // A deed changing hands from the bank, bought or won at auction: first
    // the money and the deed, then what the board shows of it.
    void takeDeed(int player, int square, int price);
    void showDeedTaken(int square, const std::string &status);

    // Chance and Community Chest.
    void drawChance(int player);
    void drawCommunityChest(int player);
    void drawCard(int player, Deck deck);
    void applyCard(int player, Deck deck, int position);
    void cardPayment(int player, const std::string &card, int amount, bool dollarLine);
    void setTargetSquare(int player, int square);

    // Building.
    // Under Full rules a player deals with their deeds and buildings while
    // they are to throw, and sells or mortgages while raising money.
    bool mayManageDeeds(int player, bool whileRaising) const;
    void buildOnSquare(int square, int player);
    void sellOneBuilding(int player, int square);
    // One building's sale paid and logged, the buildings already changed.
    void logSale(int player, int square, const std::string &what, int refund);
    void updateBuildButton(int player);
    void refreshActions();

    // Full rules: debts and bankruptcy, jail, auctions.
    void checkDebt();   // pays a debt being raised once the cash covers it
    void goBankrupt(int player, Creditor creditor);
    void endTurnOfBankrupt();
    void declareWinner(int player);
    void jailTurn(int player);
    void jailAnswered(int player, JailChoice choice);
    void throwInJail(int player, int die1, int die2);
    void leaveJail(int player);
    void useJailCard(int player);   // the card back to its deck, the use logged
    // Out of jail after the third failed throw, by the fine or a card, and
    // on by that throw.
    void leaveAfterThirdThrow(int player, JailChoice choice, int total);
    void releaseFromJail(int player);   // out of jail, its throws forgotten, the panel told
    void payJailFine(int player);
    void startAuction(int square, Step then);
    void askNextBidder();
    void bidAnswered(int bidder, int amount);
    void endAuction();

    void noteDecision(Decision::Kind kind, int player, int value = 0, int second = 0, TradeRecord trade = {})
    {
        if (onDecision_)
            onDecision_({kind, player, value, second, std::move(trade)});
    }

    // Trading.
    void sendOffer(TradeOffer offer);
    void tradeAnswered(const TradeOffer &offer, const TradeReply &reply);
    void carryOutTrade(const TradeOffer &offer, const std::vector<int> &receiverLifts);
    void handOverItems(int giver, int receiver, const TradeSide &items);
    void payForMortgagedDeeds(int receiver, const std::vector<int> &deeds, const std::vector<int> &lifts);
    void endTradeExchange();
    void forgetOldOffers();   // a new turn: numbering and rejections start again

    // The pause timer's tick: the computer whose pause it is throws.
    void tmrPause_Timer();
    // Looks whether the thinker's scores are ready, and uses them.
    void tmrThought_Timer();

    // Answers to a question asked of a controller are accepted only while
    // that question is still open.
    template<typename T>
    Answer<T> once(std::function<void(T)> then);

    GameState &state_;
    Screen &screen_;
    Clock &clock_;
    EventLog &log_;
    DiceSource &dice_;
    GameOptions options_;
    Pace pace_ = Pace::Classic;
    PaceTimings timings_;
    // Made on first use, by the player's type, unless one was set.
    mutable std::array<std::unique_ptr<PlayerController>, MaxPlayers> controllers_;

    Timer tmrMovePiece_;
    Timer tmrPause_;
    // How often the clock looks whether a thinker's scores are ready.
    static constexpr int ThoughtLookMs = 10;
    Timer tmrThought_;
    Thinker *thinker_ = nullptr;
    std::future<Scores> thought_;
    std::function<void(Scores)> useThought_;

    Phase phase_ = Phase::Setup;
    Walk walk_ = Walk::Throw;
    int pausedPlayer_ = -1;     // the computer whose pause is running
    std::optional<Debt> debt_;
    OwedFor owedFor_;           // what debt_ is for
    std::optional<Auction> auction_;
    Step afterAuction_;
    bool askingBids_ = false;
    bool bidAnsweredMeanwhile_ = false;
    unsigned question_ = 0;     // numbers the questions asked of controllers
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);   // answers after the engine is gone are dropped
    int turnTaker_ = -1;        // the player whose controller is taking its turn to throw
    bool givingUp_ = false;     // the debtor's controller gave up raising money
    int controllerActing_ = 0;  // inside a computer's own commands
    long long throws_ = 0;
    long long handOvers_ = 0;
    // Trading: the offer waiting for its answer, offers rejected this turn,
    // the turn they belong to, and offers being sent from a command.
    std::optional<TradeOffer> openTrade_;
    int proposing_ = 0;
    long long trades_ = 0;

    std::function<void(int, int)> onArrival_;
    std::function<void(const MoneyChange &)> onMoney_;
    std::function<void(bool)> onPause_;
    std::function<void(const Decision &)> onDecision_;
    std::function<void()> onHandOver_;
    std::function<void()> onSettled_;
    bool handOverPending_ = false;
};

template<typename Pay>
void Engine::charge(int payer, int amount, Creditor creditor, OwedFor what, Pay &&pay, std::string cause)
{
    // Under Classic rules a balance may go below zero: the payment is made
    // at once. Under Full rules a payer short of cash raises money first.
    if (!fullRules() || player(payer).Money >= amount) {
        pay();
        return;
    }
    owedFor_ = what;
    raiseMoneyFor(payer, amount, creditor, Step(std::forward<Pay>(pay)), std::move(cause));
}

} // namespace tycora
