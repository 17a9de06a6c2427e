#pragma once

// The moves of a game played on this machine go straight to its engine, and
// what is open is what the engine says.

#include "game/player_commands.h"

namespace tycora {

class Engine;

class EngineCommands final : public PlayerCommands, public OpenMoves {
public:
    explicit EngineCommands(Engine &engine) : engine_(engine) {}

    void rollDice(int player) override;
    void build(int player, int square) override;
    void sellBuilding(int player, int square) override;
    void mortgage(int player, int square) override;
    void unmortgage(int player, int square) override;
    void declareBankruptcy(int player) override;
    void proposeTrade(const TradeOffer &offer) override;

    bool fullRules() const override;
    int deedActor() const override;
    bool raisingMoney() const override;
    std::vector<int> buildableSquares(int player) const override;
    std::vector<int> sellableSquares(int player) const override;
    std::vector<int> mortgageableSquares(int player) const override;
    std::vector<int> unmortgageableSquares(int player) const override;
    bool tradingOn() const override;
    std::string whyNoTrade(int player) const override;
    std::string offerProblem(const TradeOffer &offer) const override;

private:
    Engine &engine_;
};

// The player whose deeds the engine lets a window act on now: the debtor
// while money is raised, else the player to throw; -1 when that player is
// no person at a window, or under the Classic rules.
int deedActorOf(const Engine &engine);

} // namespace tycora
