#include "game/show_whole_game.h"

#include "game/text.h"

namespace tycora {

void showWholeGame(const GameState &state, const GameOptions &options, Screen &screen)
{
    for (int sq = 0; sq < BoardSize; ++sq) {
        const Property &deed = state.Properties[sq];
        if (!deed.Owned)
            continue;
        screen.markOwner(deed.Owner, sq);
        screen.showOwnedMini(deed.Owner, sq);
        if (deed.Mortgaged)
            screen.showMortgaged(sq, true);
        const Building &b = state.Buildings[sq];
        if (b.Hotel) {
            screen.showHotel(sq);
        } else {
            for (int house = 1; house <= b.Houses; ++house)
                screen.showHouse(sq, house);
        }
    }
    for (int i = 0; i < state.PlayerCount; ++i) {
        const Player &p = state.Players[i];
        // A piece that has not stepped yet stands off the board.
        if (!p.Bankrupt && p.Square >= 0 && p.Square < BoardSize)
            screen.drawPiece(p.Square, i);
        screen.showPlayerState(i);
    }
    if (options.freeParkingPot)
        screen.showFreeParking(state.FreeParking);
    screen.refreshMoney();
    screen.showCurrentPlayer();
}

void showLastThrow(const GameState &state, const std::vector<Decision> &history, Screen &screen)
{
    for (auto d = history.rbegin(); d != history.rend(); ++d) {
        if (d->kind != Decision::Kind::Throw)
            continue;
        screen.showDie(1, d->value);
        screen.showDie(2, d->second);
        if (d->player >= 0 && d->player < state.PlayerCount)
            screen.showDiceRoll(diceRollText(state.Players[d->player].Name, d->value + d->second));
        return;
    }
}

} // namespace tycora
