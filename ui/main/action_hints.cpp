#include "ui/main/action_hints.h"

#include "game/engine.h"
#include "game/rules.h"
#include "game/square_table.h"
#include "game/text.h"
#include "ui/main/translated_text.h"

#include <algorithm>
#include <optional>

namespace tycora::ui {

namespace {

// The fewest buildings on a street of the square's group: building goes
// evenly, so only such streets take the next one.
int fewestInGroup(const GameState &state, int square)
{
    int fewest = 5;
    for (const int street : groupSquares(groupOf(square)))
        fewest = std::min(fewest, buildingCount(state, street));
    return fewest;
}

// The street a building could go on next, were there the cash and a
// building in the bank: the cheapest one, or none.
std::optional<int> nextBuildingSite(const GameState &state, int player)
{
    std::optional<int> site;
    int cheapest = 0;
    for (const int square : ownableSquares()) {
        if (groupOf(square) < 0 || !ownsColourGroup(state, player, square) || groupHasMortgage(state, square))
            continue;
        const int count = buildingCount(state, square);
        if (count >= 5 || count != fewestInGroup(state, square))
            continue;
        const SquareInfo &info = squareInfo(square);
        const int cost = count < 4 ? info.houseCost : info.hotelCost;
        if (!site || cost < cheapest) {
            site = square;
            cheapest = cost;
        }
    }
    return site;
}

std::string buildHint(const GameState &state, int player)
{
    if (!ownsAnyColourGroup(state, player))
        return translatedText("ActionHints", "Hold every street of a colour group to build");
    const std::optional<int> site = nextBuildingSite(state, player);
    if (!site) {
        bool mortgaged = false;
        for (const int square : ownableSquares())
            if (groupOf(square) >= 0 && ownsColourGroup(state, player, square) && groupHasMortgage(state, square))
                mortgaged = true;
        return mortgaged ? translatedText("ActionHints", "Lift every mortgage in a colour group to build on it")
                         : translatedText("ActionHints", "Every street of your colour groups has a hotel");
    }
    const bool hotel = buildingCount(state, *site) == 4;
    if (hotel ? state.HotelsLeft <= 0 : state.HousesLeft <= 0)
        return hotel ? translatedText("ActionHints", "The bank has no hotels left")
                     : translatedText("ActionHints", "The bank has no houses left");
    const SquareInfo &info = squareInfo(*site);
    const std::string cost = pounds(hotel ? info.hotelCost : info.houseCost);
    const std::string cash = pounds(state.Players[player].Money);
    return hotel ? translatedText("ActionHints", "A hotel on %1 costs %2; you have %3").arg(info.name, cost, cash)
                 : translatedText("ActionHints", "A house on %1 costs %2; you have %3").arg(info.name, cost, cash);
}

std::string mortgageHint(const GameState &state, int player)
{
    bool held = false, unmortgaged = false;
    for (const int square : ownableSquares()) {
        if (!state.holds(player, square))
            continue;
        held = true;
        unmortgaged = unmortgaged || !state.Properties[square].Mortgaged;
    }
    if (!held)
        return translatedText("ActionHints", "You hold no deeds to mortgage");
    if (!unmortgaged)
        return translatedText("ActionHints", "Every deed you hold is mortgaged");
    return translatedText("ActionHints", "Sell the buildings of a colour group before mortgaging its streets");
}

std::string liftHint(const GameState &state, int player)
{
    std::optional<int> cheapest;
    for (const int square : ownableSquares())
        if (state.holds(player, square) && state.Properties[square].Mortgaged &&
            (!cheapest || unmortgagePrice(square) < unmortgagePrice(*cheapest)))
            cheapest = square;
    if (!cheapest)
        return translatedText("ActionHints", "You have no mortgaged deeds");
    return translatedText("ActionHints", "Lifting the mortgage on %1 costs %2; you have %3").arg(squareInfo(*cheapest).name,
                          pounds(unmortgagePrice(*cheapest)), pounds(state.Players[player].Money));
}

} // namespace

ActionHints actionHints(const GameState &state, const Engine &engine, const AvailableActions &open)
{
    ActionHints hints;
    const Engine::Phase phase = engine.phase();
    const bool raising = phase == Engine::Phase::RaisingMoney;
    const int player = raising ? engine.debtor() : state.CurrentPlayer;
    if (!engine.fullRules() || player < 0 || player >= state.PlayerCount)
        return hints;
    const std::string &name = state.Players[player].Name;
    std::string closed;
    if (phase == Engine::Phase::Over)
        closed = translatedText("ActionHints", "The game is over");
    else if (!engine.takesDeedActionsFromWindow(player))
        closed = translatedText("ActionHints", "%1 is played by the computer").arg(name);
    else if (!raising && phase != Engine::Phase::ToThrow)
        closed = translatedText("ActionHints", "Deeds are dealt with before a throw");
    if (!closed.empty()) {
        hints = {closed, closed, closed, closed};
        return hints;
    }
    if (!open.build)
        hints.build =
            raising ? translatedText("ActionHints", "Nothing is built while raising money") : buildHint(state, player);
    if (!open.sell)
        hints.sell = translatedText("ActionHints", "You have no buildings to sell");
    if (!open.mortgage)
        hints.mortgage = mortgageHint(state, player);
    if (!open.unmortgage)
        hints.unmortgage = raising ? translatedText("ActionHints", "No mortgage is lifted while raising money")
                                   : liftHint(state, player);
    return hints;
}

} // namespace tycora::ui
