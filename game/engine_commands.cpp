#include "game/engine_commands.h"

#include "game/engine.h"

namespace tycora {

int deedActorOf(const Engine &engine)
{
    if (!engine.fullRules())
        return -1;
    const Engine::Phase phase = engine.phase();
    const int player = phase == Engine::Phase::RaisingMoney ? engine.debtor()
                       : phase == Engine::Phase::ToThrow    ? engine.state().CurrentPlayer
                                                            : -1;
    return engine.takesDeedActionsFromWindow(player) ? player : -1;
}

void EngineCommands::rollDice(int player) { engine_.rollDice(player); }
void EngineCommands::build(int player, int square) { engine_.build(player, square); }
void EngineCommands::sellBuilding(int player, int square) { engine_.sellBuilding(player, square); }
void EngineCommands::mortgage(int player, int square) { engine_.mortgage(player, square); }
void EngineCommands::unmortgage(int player, int square) { engine_.unmortgage(player, square); }
void EngineCommands::declareBankruptcy(int player) { engine_.declareBankruptcy(player); }
void EngineCommands::proposeTrade(const TradeOffer &offer) { engine_.proposeTrade(offer); }

bool EngineCommands::fullRules() const { return engine_.fullRules(); }
int EngineCommands::deedActor() const { return deedActorOf(engine_); }
bool EngineCommands::raisingMoney() const { return engine_.phase() == Engine::Phase::RaisingMoney; }
std::vector<int> EngineCommands::buildableSquares(int player) const { return engine_.buildableSquares(player); }
std::vector<int> EngineCommands::sellableSquares(int player) const { return engine_.sellableSquares(player); }
std::vector<int> EngineCommands::mortgageableSquares(int player) const { return engine_.mortgageableSquares(player); }
std::vector<int> EngineCommands::unmortgageableSquares(int player) const
{
    return engine_.unmortgageableSquares(player);
}
bool EngineCommands::tradingOn() const { return engine_.tradingOn(); }
std::string EngineCommands::whyNoTrade(int player) const { return engine_.whyNoTrade(player); }
std::string EngineCommands::offerProblem(const TradeOffer &offer) const { return engine_.offerProblem(offer); }

} // namespace tycora
