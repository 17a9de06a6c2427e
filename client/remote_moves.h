#pragma once

// What the board may offer the person at this machine in a game played on
// a server: what the server last said is open, for this seat alone. The
// server checks every command again; this only keeps the board's buttons
// and windows true to the game.

#include "game/game_options.h"
#include "game/game_state.h"
#include "game/player_commands.h"

#include <QJsonObject>

namespace tycora::client {

class RemoteMoves final : public OpenMoves {
public:
    explicit RemoteMoves(const GameState &state) : state_(state) {}

    void setSeat(int seat) { seat_ = seat; }
    void setOptions(const GameOptions &options) { options_ = options; }
    // The server's word on what is open (see net::openMoves).
    void update(const QJsonObject &moves);

    bool fullRules() const override { return options_.rules == RuleSet::Full; }
    int deedActor() const override;
    bool raisingMoney() const override { return deedActor() >= 0 && raising_; }
    std::vector<int> buildableSquares(int player) const override { return mine(player, build_); }
    std::vector<int> sellableSquares(int player) const override { return mine(player, sell_); }
    std::vector<int> mortgageableSquares(int player) const override { return mine(player, mortgage_); }
    std::vector<int> unmortgageableSquares(int player) const override { return mine(player, unmortgage_); }
    bool tradingOn() const override { return fullRules() && options_.trading; }
    std::string whyNoTrade(int player) const override;
    std::string offerProblem(const TradeOffer &offer) const override;

private:
    std::vector<int> mine(int player, const std::vector<int> &squares) const;

    const GameState &state_;
    GameOptions options_;
    int seat_ = -1;
    int actor_ = -1;
    bool raising_ = false;
    std::vector<int> build_, sell_, mortgage_, unmortgage_;
    std::string whyNoTrade_;
};

} // namespace tycora::client
