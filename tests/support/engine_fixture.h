#pragma once

// A game on a manual clock with scripted dice, a recording screen and a
// recording log: the engine exactly as the program runs it, minus the window.

#include "game/board.h"
#include "game/decks.h"
#include "game/dice.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "game/player_setup.h"
#include "support/recording_log.h"
#include "support/recording_screen.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace tycora::testing {

class EngineFixture : public ::testing::Test {
protected:
    GameState state;
    RecordingScreen screen{state};
    RecordingLog log;
    ManualClock clock;
    SeededRandom random{12345};
    RandomDice randomDice{random};
    ScriptedDice dice{randomDice};
    Engine engine{state, screen, clock, log, dice};

    EngineFixture()
    {
        fillChanceDeck(state);
        fillCommunityDeck(state);
        loadBoard(state);
    }

    void addPlayer(const std::string &name, Long type = Human)
    {
        const int i = state.PlayerCount;
        NewPlayer np{name, std::string(PieceNames[i]), std::string(ColourNames[i]),
                     std::string(TypeNames[type == Computer ? 1 : 0])};
        fillPlayerRecord(state, i, np);
        state.PlayerCount = static_cast<Integer>(i + 1);
    }

    void scriptDice(std::initializer_list<int> values)
    {
        for (int v : values)
            dice.push(v);
    }

    // Places a player's piece as if it had walked there.
    void standOn(int player, int square)
    {
        state.Players[player].Square = static_cast<Integer>(square);
        state.Players[player].TargetSquare = static_cast<Integer>(square);
    }

    void give(int player, int square)
    {
        state.Properties[square].Owned = true;
        state.Properties[square].Owner = static_cast<Integer>(player);
    }

    // Runs the clock, tick by tick, until the moving piece has arrived and
    // the move is over: the move timer is off.
    void finishMove(int maxTicks = 10000)
    {
        for (int i = 0; i < maxTicks && engine.tmrMovePiece().enabled(); ++i)
            clock.advanceToNextTick();
    }

    // A throw: the dice are scripted, the player made the one whose turn it
    // is, the button pressed, the move run.
    void throwAndMove(int player, int die1, int die2)
    {
        state.CurrentPlayer = static_cast<Integer>(player);
        scriptDice({die1, die2});
        engine.rollDice(player);
        finishMove();
    }

    // Lands the player on the square with a throw of the given total from
    // as many squares back, as a real game would.
    void landOn(int player, int square, int total = 3)
    {
        standOn(player, (square - total + 40) % 40);
        const int die1 = total > 6 ? 6 : total - 1;
        throwAndMove(player, die1, total - die1);
    }

    bool logged(const std::string &line) const
    {
        for (const auto &l : log.lines)
            if (l == line)
                return true;
        return false;
    }

    int money(int player) const { return state.Players[player].Money; }

    void useOptions(const GameOptions &options) { engine.setOptions(options); }
    void useFullRules()
    {
        GameOptions options;
        options.rules = RuleSet::Full;
        engine.setOptions(options);
    }

    // Two people, Ann to throw first, under Full rules.
    void startFullRulesGame()
    {
        addPlayer("Ann");
        addPlayer("Bob");
        useFullRules();
        engine.startGame();
    }

    // The lines logged since the test began, without the throws.
    std::vector<std::string> eventLines() const
    {
        std::vector<std::string> lines;
        for (const std::string &l : log.lines)
            if (l.find(" rolls:  ") == std::string::npos)
                lines.push_back(l);
        return lines;
    }

    bool called(const std::string &call) const
    {
        for (const auto &c : screen.calls)
            if (c == call)
                return true;
        return false;
    }
};

} // namespace tycora::testing
