#pragma once

// A main window with a turn engine under Full rules on a manual clock: Ann
// and Cy are people, Ben a computer. The engine opens the window's dialogs
// as in a game; tests answer them by clicking.

#include "window_with_engine.h"

#include "game/decks.h"

#include <QDialog>

namespace tycora::testing {

class FullRulesGame : public WindowWithEngine {
protected:
    FullRulesGame() : WindowWithEngine(7) {}

    void SetUp() override
    {
        MainWindowTest::SetUp();
        addPlayer("Cy", "Shoe", 2, Human);
        screen().setupPlayerPanels();
        screen().layoutPlayerPanels();
        startEngine();
        form->show();
    }
    // A fresh game: every deed unowned, decks on top, nobody in jail.
    void startEngine()
    {
        engine.reset();
        log.lines.clear();
        loadBoard(state);
        fillChanceDeck(state);
        fillCommunityDeck(state);
        state.ChancePos = state.CommunityPos = 0;
        state.JailCardHolder = {-1, -1};
        for (int i = 0; i < state.PlayerCount; ++i) {
            Player &p = state.Players[i];
            p = Player{.PlayerType = p.PlayerType,
                       .Name = p.Name,
                       .Piece = p.Piece,
                       .Colour = p.Colour,
                       .Money = StartingMoney};
        }
        engine = std::make_unique<Engine>(state, screen(), clock, log, dice);
        GameOptions options;
        options.rules = RuleSet::Full;
        engine->setOptions(options);
        form->setEngine(engine.get());
        screen().setRules(RuleSet::Full);
        engine->startGame();
    }

    // The player stands on `from`, throws the dice, and the move runs to its end.
    void throwFrom(int player, int from, int die1, int die2)
    {
        state.Players[player].Square = state.Players[player].TargetSquare = static_cast<Integer>(from);
        state.CurrentPlayer = static_cast<Integer>(player);
        dice.push(die1);
        dice.push(die2);
        engine->rollDice(player);
        finishMove();
    }

    QDialog *dialog(const QString &name) const { return control<QDialog>(*form, name); }
    bool dialogShown(const QString &name) const
    {
        const auto *d = form->findChild<QDialog *>(name);
        return d && d->isVisible();
    }
};

} // namespace tycora::testing
