#pragma once

// A main window playing a Full rules game: the engine on a manual clock with
// scripted dice draws on a real FrmMain, and the test clicks the window's
// buttons and the windows they open, as a person would.

#include "window_with_engine.h"

#include "game/decks.h"
#include "game/player_setup.h"
#include "ui/main/choice_dialog.h"

#include <QApplication>
#include <QTest>

#include <stdexcept>

namespace tycora::testing {

inline const std::string Pound = "\xC2\xA3";

class FullRulesWindow : public WindowWithEngine {
protected:
    FullRulesWindow() : WindowWithEngine(20261206) {}

    // Ann and Bob, both people, on the board the program opens.
    void SetUp() override
    {
        fillChanceDeck(state);
        fillCommunityDeck(state);
        loadBoard(state);
        addPlayer("Ann", Human);
        addPlayer("Bob", Human);
        form = std::make_unique<ui::FrmMain>(state, boxes);
        engine = std::make_unique<Engine>(state, form->screen(), clock, log, dice);
        form->setEngine(engine.get());
        GameOptions options;
        options.rules = RuleSet::Full;
        engine->setOptions(options);
    }
    void addPlayer(const std::string &name, Long type)
    {
        const int i = state.PlayerCount;
        fillPlayerRecord(state, i,
                         {name, std::string(PieceNames[i]), std::string(ColourNames[i]),
                          std::string(TypeNames[type == Computer ? 1 : 0])});
        state.PlayerCount = static_cast<Integer>(i + 1);
    }

    // A deed held as if bought: the state, the owner bar and the mini.
    void give(int player, int square) { own(player, square); }
    void giveGroup(int player, int group)
    {
        for (const int square : groupSquares(group))
            give(player, square);
    }

    // The board opens as the program opens it; Ann is to throw.
    void start()
    {
        ui::MainScreen &screen = form->screen();
        screen.setupPlayerPanels();
        engine->startGame();
        screen.layoutPlayerPanels();
        screen.showCurrentPlayer();
        screen.refreshMoney();
        form->show();
    }

    // Ann's throw, walked to its end.
    void throwDice(int die1, int die2)
    {
        dice.push(die1);
        dice.push(die2);
        button("cmdRoll")->click();
        finishMove();
    }

    ui::ChoiceDialog *dialog(const QString &name) const { return control<ui::ChoiceDialog>(*form, name); }

    // A top-level window of the program by its object name or title.
    template<typename Window>
    static Window *topLevel(const QString &title)
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *found = qobject_cast<Window *>(w); found && (w->windowTitle() == title || w->objectName() == title))
                return found;
        throw std::runtime_error("no window " + title.toStdString());
    }

    int money(int player) const { return state.Players[player].Money; }
};

} // namespace tycora::testing
