#include "game/last_throw.h"

#include "game/text.h"

namespace tycora {

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
