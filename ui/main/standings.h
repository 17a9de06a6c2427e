#pragma once

// How the players finished a game under the Full rules: the winner first,
// then the others from the last to go bankrupt to the first, with what each
// holds and is worth.

#include <string>
#include <vector>

namespace tycora {
struct GameState;
}

namespace tycora::ui {

struct Standing {
    int player = 0;
    std::string name;
    int cash = 0;
    int deeds = 0;
    int houses = 0;
    int hotels = 0;
    int netWorth = 0;
    int bankruptOrder = 0;   // 0 for a player still in the game
};

std::vector<Standing> standings(const GameState &state, int winner);

// "1st", "2nd", "3rd", "4th".
std::string ordinal(int n);

} // namespace tycora::ui
