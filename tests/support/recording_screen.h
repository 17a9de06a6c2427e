#pragma once

// A Screen that writes down every call, so tests can check what a player
// would have seen, and answers the purchase question from a script. Given
// the game's state, it keeps what the board shows as the views do: read
// from the state when the engine says something changed, so that a change
// the engine never announced stays unseen.

#include "game/board_pieces.h"
#include "game/game_state.h"
#include "game/screen.h"

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tycora::testing {

class RecordingScreen : public Screen {
public:
    RecordingScreen() = default;
    explicit RecordingScreen(const GameState &state) : game_(&state) {}

    std::vector<std::string> calls;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::deque<bool> answers;   // for ask; No when empty
    // When set, questions stay open until the test answers them with
    // answerQuestion(): the game waits meanwhile.
    bool holdQuestions = false;
    std::function<void(bool)> openQuestion;
    std::string status;
    bool statusVisible = false;
    bool rollEnabled = false;
    bool buildEnabled = false;
    bool propertyCardVisible = false;
    int cardShown = 0;          // picture number on show, 0 when hidden
    Deck cardDeck = Deck::Chance;
    // What the board shows of each square: the pieces on it, the first to
    // come first, and its owner (-1 for none), buildings and mortgage.
    std::array<std::vector<int>, BoardSize> piecesShown{};
    struct SquareShown {
        int owner = -1;
        int houses = 0;
        bool hotel = false;
        bool mortgaged = false;
    };
    std::array<SquareShown, BoardSize> squareShown{};
    int pieceOn[BoardSize] = {};   // player index + 1 of the piece in front on each square, 0 for none
    int dice[3] = {};

    void showStatus(const std::string &text) override
    {
        status = text;
        statusVisible = true;
        calls.push_back("status:" + text);
    }
    void hideStatus() override
    {
        statusVisible = false;
        calls.push_back("hideStatus");
    }
    void showDie(int die, int value) override
    {
        if (die == 1 || die == 2)
            dice[die] = value;
        calls.push_back("die" + std::to_string(die) + ":" + std::to_string(value));
    }
    void showDiceRoll(const std::string &text) override { calls.push_back("diceRoll:" + text); }
    void refreshMoney() override { calls.push_back("refreshMoney"); }
    void showCurrentPlayer() override { calls.push_back("showCurrentPlayer"); }
    void pieceMoved(int player, int from) override
    {
        calls.push_back("moved:" + std::to_string(player) + ":" + std::to_string(from));
        if (!game_)
            return;
        showPiecesOn(from);
        showPiecesOn(pieceSquare(*game_, player));
    }
    void squareChanged(int square) override
    {
        calls.push_back("square:" + std::to_string(square));
        if (!game_ || square < 0 || square >= BoardSize)
            return;
        const Property &deed = game_->Properties[square];
        const Building &b = game_->Buildings[square];
        squareShown[square] = {deed.Owned ? deed.Owner : -1, b.Houses, b.Hotel, deed.Mortgaged};
    }
    void drawWhole(const GameOptions &options) override
    {
        calls.push_back("drawWhole");
        for (int sq = 0; sq < BoardSize; ++sq) {
            squareChanged(sq);
            showPiecesOn(sq);
        }
        if (options.freeParkingPot && game_)
            freeParking = static_cast<int>(game_->FreeParking);
    }
    void showCard(Deck deck, int pictureNumber) override
    {
        cardDeck = deck;
        cardShown = pictureNumber;
        calls.push_back(std::string(deck == Deck::Chance ? "chance:" : "community:") + std::to_string(pictureNumber));
    }
    void hideCard() override
    {
        cardShown = 0;
        calls.push_back("hideCard");
    }
    void showPropertyCard(int square) override { calls.push_back("propertyCard:" + std::to_string(square)); }
    void setPropertyCardVisible(bool visible) override
    {
        propertyCardVisible = visible;
        calls.push_back(visible ? "propertyCard:shown" : "propertyCard:hidden");
    }
    void setRollEnabled(bool enabled) override
    {
        rollEnabled = enabled;
        calls.push_back(enabled ? "roll:on" : "roll:off");
    }
    void enableBuild() override
    {
        buildEnabled = true;
        calls.push_back("build:on");
    }
    void ask(const std::string &question, std::function<void(bool)> answer) override
    {
        questions.push_back(question);
        calls.push_back("ask:" + question);
        if (holdQuestions) {
            openQuestion = std::move(answer);
            return;
        }
        bool a = false;
        if (!answers.empty()) {
            a = answers.front();
            answers.pop_front();
        }
        answer(a);
    }
    void answerQuestion(bool yes)
    {
        auto answer = std::move(openQuestion);
        openQuestion = nullptr;
        if (answer)
            answer(yes);
    }
    void tell(const std::string &message) override
    {
        messages.push_back(message);
        calls.push_back("tell:" + message);
    }

    // ---- options and Full rules ----
    int freeParking = -1;
    AvailableActions actions;
    int raisingPlayer = -1;
    int raisingOwed = 0;
    int winner = -1;
    bool auctionShown = false;
    std::deque<JailChoice> jailAnswers;   // Throw when empty
    std::deque<int> bids;                 // a pass when empty
    std::vector<std::string> bidsAsked;   // "player:highest bid"

    void showFreeParking(int pot) override
    {
        freeParking = pot;
        calls.push_back("freeParking:" + std::to_string(pot));
    }
    void showPlayerState(int player) override { calls.push_back("playerState:" + std::to_string(player)); }
    void showActions(const AvailableActions &available) override { actions = available; }
    void showRaising(int player, int owed) override
    {
        raisingPlayer = owed > 0 ? player : -1;
        raisingOwed = owed;
        calls.push_back("raising:" + std::to_string(player) + ":" + std::to_string(owed));
    }
    void askJail(int player, bool hasCard, std::function<void(JailChoice)> answer) override
    {
        calls.push_back("askJail:" + std::to_string(player) + (hasCard ? ":card" : ""));
        JailChoice choice = JailChoice::Throw;
        if (!jailAnswers.empty()) {
            choice = jailAnswers.front();
            jailAnswers.pop_front();
        }
        answer(choice);
    }
    void showAuction(const Auction *auction) override { auctionShown = auction != nullptr; }
    void askBid(const Auction &auction, std::function<void(int)> answer) override
    {
        bidsAsked.push_back(std::to_string(auction.bidder) + ":" + std::to_string(auction.highestBid));
        int bid = 0;
        if (!bids.empty()) {
            bid = bids.front();
            bids.pop_front();
        }
        answer(bid);
    }
    // A trade offered to a person: held open until the test answers it.
    std::optional<TradeOffer> tradeAsked;
    std::function<void(TradeReply)> tradeAnswer;
    void askTrade(const TradeOffer &offer, std::function<void(TradeReply)> answer) override
    {
        tradeAsked = offer;
        tradeAnswer = std::move(answer);
        calls.push_back("askTrade:" + std::to_string(offer.from) + ":" + std::to_string(offer.to));
    }
    void answerTrade(const TradeReply &reply)
    {
        auto answer = std::move(tradeAnswer);
        tradeAnswer = nullptr;
        tradeAsked.reset();
        if (answer)
            answer(reply);
    }
    // Each payment the engine reports: payer, payee, amount.
    std::vector<std::array<int, 3>> payments;
    void showPayment(int payer, int payee, int amount) override { payments.push_back({payer, payee, amount}); }
    int stoppedAnimations = 0;
    void stopAnimations() override { ++stoppedAnimations; }

    void showWinner(int player) override
    {
        winner = player;
        calls.push_back("winner:" + std::to_string(player));
    }

private:
    void showPiecesOn(int square)
    {
        if (!game_ || square < 0 || square >= BoardSize)
            return;
        piecesShown[square] = piecesOn(*game_, square);
        pieceOn[square] = piecesShown[square].empty() ? 0 : piecesShown[square].back() + 1;
    }

    const GameState *game_ = nullptr;
};

} // namespace tycora::testing
