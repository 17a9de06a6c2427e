#pragma once

// What a person at the board asks of the game in play: the engine on this
// machine, or a game played on a server. The windows go through this alone
// for the moves they start.

namespace tycora {

class PlayerCommands {
public:
    virtual ~PlayerCommands() = default;
    virtual void rollDice(int player) = 0;
};

} // namespace tycora
