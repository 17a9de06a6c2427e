#pragma once

// Checks the rules' invariants while a game runs: hooked into the engine's
// arrival and money observers, it records every breach it sees.

#include "game/board.h"
#include "game/engine.h"
#include "game/game_state.h"

#include <limits>
#include <set>
#include <string>
#include <vector>

namespace tycora::testing {

class InvariantChecker {
public:
    InvariantChecker(Engine &engine, const GameState &state) : state_(state)
    {
        buildAllowedAmounts();
        for (int sq = 0; sq < BoardSize; ++sq)
            owner_[sq] = -1;
        engine.setArrivalObserver([this](int player, int square) { atArrival(player, square); });
        engine.setMoneyObserver([this](const MoneyChange &change) { atMoneyChange(change.player, change.delta); });
    }

    const std::vector<std::string> &breaches() const { return breaches_; }
    long long arrivals() const { return arrivals_; }
    long long moneyChanges() const { return moneyChanges_; }

private:
    void breach(const std::string &what)
    {
        if (breaches_.size() < 20)
            breaches_.push_back(what);
    }

    void buildAllowedAmounts()
    {
        std::set<int> a{200, 400, -200, -100, 50, 100, -15};
        for (int v : {25, 50, 100, 200})
            a.insert(v), a.insert(-v);
        for (int t = 2; t <= 12; ++t)
            for (int k : {4, 10})
                a.insert(k * t), a.insert(-k * t);
        for (int sq = 0; sq < BoardSize; ++sq) {
            const SquareInfo &p = squareInfo(sq);
            if (p.price)
                a.insert(-p.price);
            if (p.houseCost)
                a.insert(-p.houseCost), a.insert(-p.hotelCost);
            const StreetRents &rent = p.rents;
            for (int r : {rent.bare, 2 * rent.bare, rent.oneHouse, rent.twoHouses, rent.threeHouses, rent.fourHouses,
                          rent.hotel})
                if (r)
                    a.insert(r), a.insert(-r);
        }
        allowed_ = a;
    }

    void atArrival(int player, int square)
    {
        ++arrivals_;
        if (square < 0 || square >= BoardSize)
            breach("arrival off the board: " + std::to_string(square));
        if (player != state_.CurrentPlayer)
            breach("a piece moved out of turn");
        if (state_.CurrentPlayer < 0 || state_.CurrentPlayer >= state_.PlayerCount)
            breach("current player out of range");
        for (int i = 0; i < state_.PlayerCount; ++i) {
            const Player &p = state_.Players[i];
            if (p.Square < -1 || p.Square >= BoardSize)
                breach("square out of range for " + p.Name);
            if (p.TargetSquare < 0 || p.TargetSquare >= BoardSize)
                breach("target out of range for " + p.Name);
            if (p.DoublesCount < 0 || p.DoublesCount > 3)
                breach("doubles count out of range");
        }
        for (int sq = 0; sq < BoardSize; ++sq) {
            const Property &p = state_.Properties[sq];
            if (owner_[sq] >= 0 && (!p.Owned || p.Owner != owner_[sq]))
                breach("ownership of square " + std::to_string(sq) + " changed");
            if (p.Owned) {
                owner_[sq] = p.Owner;
                if (p.Owner < 0 || p.Owner >= state_.PlayerCount)
                    breach("owner out of range");
            }
            const Building &b = state_.Buildings[sq];
            if (b.Houses < 0 || b.Houses > 4)
                breach("house count out of range");
            if ((b.Houses || b.Hotel) && sq != squares::OldKentRoad)
                breach("a building off Old Kent Road");
        }
    }

    void atMoneyChange(int player, int delta)
    {
        ++moneyChanges_;
        const int money = state_.Players[player].Money;
        const bool atLimit = money == std::numeric_limits<Integer>::max() || money == std::numeric_limits<Integer>::min();
        if (!allowed_.count(delta) && !atLimit)
            breach("money changed by " + std::to_string(delta));
    }

    const GameState &state_;
    std::set<int> allowed_;
    int owner_[BoardSize];
    std::vector<std::string> breaches_;
    long long arrivals_ = 0;
    long long moneyChanges_ = 0;
};

} // namespace tycora::testing
