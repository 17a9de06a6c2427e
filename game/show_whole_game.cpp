#include "game/show_whole_game.h"

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

} // namespace tycora
