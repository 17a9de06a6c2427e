#pragma once

// A main window with a turn engine under Full rules on a manual clock: the
// window's dialogs are opened by the engine as in a game, and tests answer
// them by clicking their buttons.

#include "main_window_support.h"

#include "game/decks.h"
#include "game/dice.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "support/recording_log.h"

#include <QApplication>
#include <QDialog>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

namespace tycora::testing {

class FullRulesGame : public MainWindowTest {
protected:
    // Ann (a person) and Ben (a computer) from MainWindowTest, and Cy, a person.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        addPlayer("Cy", "Shoe", 2, Human);
        screen().setupPlayerPanels();
        screen().layoutPlayerPanels();
        startEngine();
        form->show();
    }
    void TearDown() override
    {
        engine.reset();
        MainWindowTest::TearDown();
    }

    // A fresh engine on the same board: every deed unowned, every piece at the start.
    void startEngine()
    {
        engine.reset();
        log.lines.clear();
        loadBoard(state);
        fillChanceDeck(state);
        fillCommunityDeck(state);
        state.ChancePos = 0;
        state.CommunityPos = 0;
        state.JailCardHolder = {-1, -1};
        for (int i = 0; i < state.PlayerCount; ++i) {
            Player &p = state.Players[i];
            p.Money = StartingMoney;
            p.InJail = false;
            p.JailThrows = 0;
        }
        engine = std::make_unique<Engine>(state, screen(), clock, log, dice);
        GameOptions options;
        options.rules = RuleSet::Full;
        engine->setOptions(options);
        form->setEngine(engine.get());
        screen().setRules(RuleSet::Full);
        engine->startGame();
    }

    void standOn(int player, int square)
    {
        state.Players[player].Square = static_cast<Integer>(square);
        state.Players[player].TargetSquare = static_cast<Integer>(square);
    }

    // The player throws the given dice and the piece walks until the move is over.
    void throwAndMove(int player, int die1, int die2)
    {
        state.CurrentPlayer = static_cast<Integer>(player);
        dice.push(die1);
        dice.push(die2);
        engine->rollDice(player);
        for (int i = 0; i < 10000 && engine->tmrMovePiece().enabled(); ++i)
            clock.advanceToNextTick();
    }

    bool logged(const std::string &line) const
    {
        return std::find(log.lines.begin(), log.lines.end(), line) != log.lines.end();
    }

    // A dialog of the window by its name, and whether it is up.
    template<typename Dialog = QDialog>
    Dialog *dialog(const QString &name) const
    {
        return control<Dialog>(*form, name);
    }
    bool dialogShown(const QString &name) const
    {
        const auto *d = form->findChild<QDialog *>(name);
        return d && d->isVisible();
    }
    template<typename Control>
    Control *inDialog(const QString &dialogName, const QString &name) const
    {
        return control<Control>(*dialog(dialogName), name);
    }

    ManualClock clock;
    RecordingLog log;
    SeededRandom random{7};
    RandomDice randomDice{random};
    ScriptedDice dice{randomDice};
    std::unique_ptr<Engine> engine;
};

inline const std::string Pound = "\xC2\xA3";

} // namespace tycora::testing
